// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Speech.h"

#include "Dictation.h"
#include "Encoder.h"
#include "RecordingFiles.h"

QString speakToFile(const QString &text, const QString &voice, const QString &folder, const QString &sentence)
{
    const QByteArray mp3 =
        Encoder::prepareMp3(Dictation::speak(text, sentence, voice), Encoder::Source::Voice);
    return RecordingFiles::writeNew(folder, text, mp3);
}
