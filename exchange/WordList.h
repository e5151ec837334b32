// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>

namespace Exchange {

// Where an imported word's recording comes from.
struct RecordingSource
{
    enum Kind
    {
        None,
        File,         // a file on disk; `path` is absolute and the file existed when the list was read
        PackageMember // a member of the list's package; `path` is the member's name ("sounds/apple.mp3")
    };
    Kind kind = None;
    QString path;

    friend bool operator==(const RecordingSource &, const RecordingSource &) = default;
};

struct WordEntry
{
    QString word; // trimmed, never empty, at most kMaxWordLength characters
    RecordingSource recording;
    QString sentence; // as checkedSentence gives it; empty for none
};

// A word list read from pasted text or a file, in the order the source gives its words.
struct WordList
{
    QString name;    // a package's own name, a file's base name; empty for pasted text
    QString package; // the package file PackageMember recordings are read from; empty otherwise
    QList<WordEntry> entries;
};

} // namespace Exchange
