// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PackageFormat.h"
#include "Progress.h"
#include "WordList.h"

#include <QStringList>

namespace Exchange {

// The recordings an import brings into the folder of recordings. Every file written is remembered and
// removed again when the object goes, unless keep() was called: a failed or cancelled import leaves
// none behind.
class ImportedRecordings
{
public:
    ImportedRecordings() = default;
    ~ImportedRecordings();
    ImportedRecordings(const ImportedRecordings &) = delete;
    ImportedRecordings &operator=(const ImportedRecordings &) = delete;

    // The sound path to store for each entry of `list`, in entry order: empty for none, the file's
    // absolute path for a file on disk, and for a package member the path of a new file written in
    // `folder` by RecordingFiles::writeNew (named after the word; relative when `folder` is). A member
    // that several words share is written once. Progress counts the words with a member. Raises what
    // PackageArchive raises, EAbort when cancelled, and Exception when a file cannot be written.
    QStringList bringIn(const WordList &list, const QString &folder, const Progress &progress = {},
                        const PackageLimits &limits = {});

    // The files stay: they are stored with the list now.
    void keep() { m_written.clear(); }
    const QStringList &written() const { return m_written; }

private:
    QStringList m_written;
};

} // namespace Exchange
