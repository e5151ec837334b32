// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "WordList.h"

// KVTML 2 vocabulary files: every entry holds one translation for each language of the file; a list
// takes its words from one language.
namespace Exchange {

struct KvtmlLanguage
{
    QString id; // the identifier's id, which the entries' translations refer to
    QString name;
    QString locale;

    friend bool operator==(const KvtmlLanguage &, const KvtmlLanguage &) = default;
};

// The file's languages in the order it declares them. Raises as readKvtmlFile does.
QList<KvtmlLanguage> kvtmlLanguages(const QString &path);

// One word for each entry that has a text in the language `languageId` (the first language declared
// when empty), with its recording when the translation names one that is there: a relative path taken
// against the file's folder, or a file: URL, and with the translation's example as its sentence. The list is
// named after the file's base name. Raises, naming the file, for XML that is not well-formed (with its line
// and column), an entity expanding past a small limit (naming it) or entities expanding past a larger one in
// all, a document that is not KVTML 2, an unknown language, a file without entries or without words in that
// language, and a word or an example longer than kMaxWordLength (naming the entry).
WordList readKvtmlFile(const QString &path, const QString &languageId = {});

} // namespace Exchange
