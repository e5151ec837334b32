// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Progress.h"
#include "WordList.h"

#include <QStringList>

// Recordings made by the speech engine for the words of a list that have none, before it is stored.
namespace Exchange {

// The recordings spoken for an import: removed again when this goes, unless the import stored them.
class SpokenRecordings
{
public:
    SpokenRecordings() = default;
    ~SpokenRecordings();
    SpokenRecordings(const SpokenRecordings &) = delete;
    SpokenRecordings &operator=(const SpokenRecordings &) = delete;

    void add(const QString &path) { m_paths << path; }
    // The import stored them: they stay.
    void keep() { m_paths.clear(); }
    qsizetype count() const { return m_paths.size(); }

private:
    QStringList m_paths;
};

// Whether some word of the list has no recording.
bool hasUnrecorded(const WordList &list);

// Each word of `list` without a recording spoken by `voice` (with its sentence, when it has one),
// trimmed and encoded, written as a new file in `folder` and given to the word; a word the voice says
// nothing for stays without. Progress counts the words spoken. Raises Exception (the engine, the voice or the
// folder) or EAbort, leaving the files written so far to `spoken`.
void speakUnrecorded(WordList &list, const QString &voice, const QString &folder, SpokenRecordings &spoken,
                     const Progress &progress = {});

} // namespace Exchange
