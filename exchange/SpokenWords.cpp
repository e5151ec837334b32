// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SpokenWords.h"

#include "Dictation.h"
#include "Encoder.h"
#include "RecordingFiles.h"

#include <algorithm>
#include <optional>

namespace Exchange {

SpokenRecordings::~SpokenRecordings()
{
    for (const QString &path : std::as_const(m_paths))
        RecordingFiles::discard(path);
}

bool hasUnrecorded(const WordList &list)
{
    return std::any_of(list.entries.cbegin(), list.entries.cend(),
                       [](const WordEntry &entry) { return entry.recording.kind == RecordingSource::None; });
}

void speakUnrecorded(WordList &list, const QString &voice, const QString &folder, SpokenRecordings &spoken,
                     const Progress &progress)
{
    QList<qsizetype> unrecorded;
    for (qsizetype i = 0; i < list.entries.size(); ++i) {
        if (list.entries.at(i).recording.kind == RecordingSource::None)
            unrecorded << i;
    }
    for (qsizetype done = 0; done < unrecorded.size(); ++done) {
        progress.step(done, unrecorded.size());
        WordEntry &entry = list.entries[unrecorded.at(done)];
        const std::optional<QByteArray> mp3 =
            Encoder::encodeHeard(Dictation::speak(entry.word, entry.sentence, voice));
        if (!mp3)
            continue;
        const QString path = RecordingFiles::writeNew(folder, entry.word, *mp3);
        spoken.add(path);
        entry.recording = {RecordingSource::File, path};
    }
    progress.step(unrecorded.size(), unrecorded.size());
}

} // namespace Exchange
