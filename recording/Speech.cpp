// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Speech.h"

#include "Encoder.h"
#include "RecordingFiles.h"
#include "Synthesizer.h"

QString speakToFile(const QString &text, const QString &voice, const QString &folder)
{
    const QByteArray mp3 =
        Encoder::prepareMp3(Synthesizer::instance().speak(text, voice), Encoder::Source::Voice);
    return RecordingFiles::writeNew(folder, text, mp3);
}
