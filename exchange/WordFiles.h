// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PackageFormat.h"
#include "WordList.h"

// Reading a word list from a file of any kind the program takes.
namespace Exchange {

enum class WordFileKind
{
    Text,      // one word per line
    Delimited, // CSV or tab-separated
    Kvtml,     // KVTML 2 vocabulary
    Package    // .spelldeck
};

// The kind of a file: by its extension (".spelldeck", ".kvtml", ".csv", ".tsv", ".tab"), else by its
// first bytes (a ZIP archive is a package, an XML document a vocabulary file, a first line that is not
// blank and holds a tab a tab-separated list), else text. A file that cannot be read is taken as text,
// whose reader names the problem.
WordFileKind wordFileKind(const QString &path);

// The list in the file, read by its kind. `kvtmlLanguage` picks a vocabulary file's language (its
// first when empty). Raises what that kind's reader raises.
WordList readWordFile(const QString &path, const QString &kvtmlLanguage = {},
                      const PackageLimits &limits = {});

} // namespace Exchange
