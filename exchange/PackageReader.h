// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PackageFormat.h"
#include "WordList.h"

namespace Exchange {

// The list a ".spelldeck" package holds: its name (the file's base name when the package has none) and
// its words in order, each with the member that holds its recording. Nothing is extracted: the
// recordings are brought in by ImportedRecordings. Raises, naming the package, for everything
// PackageArchive refuses, a missing or malformed "spelldeck.json", an unknown format version, and a
// recording the manifest names that the archive does not hold.
WordList readPackage(const QString &path, const PackageLimits &limits = {});

} // namespace Exchange
