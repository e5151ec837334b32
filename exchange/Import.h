// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PackageFormat.h"
#include "Progress.h"
#include "WordList.h"

#include <QStringList>

class Connection;

// An import as one step: the list's recordings brought into the folder of recordings, then its words
// stored. Either all of it happens or none: a failure or a cancel (EAbort) stores nothing and removes
// every recording it wrote.
namespace Exchange {

struct ImportResult
{
    QString typeId;
    QStringList wordIds;
    QStringList sounds; // the sound path stored with each word, in order; empty for none
};

// Progress counts the package's recordings written, then the words stored.

// A new list named `name` holding the list's words; recordings of a package are written in
// `soundFolder` (Schema::kSoundFolder for the program's own data).
ImportResult importAsNewList(Connection &connection, const WordList &list, const QString &name,
                             const QString &soundFolder, const Progress &progress = {},
                             const PackageLimits &limits = {});

// The list's words appended to the list `typeId` after its last word.
ImportResult importIntoList(Connection &connection, const WordList &list, const QString &typeId,
                            const QString &soundFolder, const Progress &progress = {},
                            const PackageLimits &limits = {});

} // namespace Exchange
