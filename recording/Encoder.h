// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Pcm.h"

#include <QByteArray>

#include <optional>

// Turning sound into the MP3 stored with a word: silence at both ends trimmed, the loudest moment
// brought to just below full scale, then encoded.
namespace Encoder {

// Where a sound came from, which decides what is said when it holds nothing to hear.
enum class Source
{
    Voice,
    Microphone
};

// The sound with silence at both ends cut away, keeping `keepMs` of it on each side; nothing when it
// is silence throughout. Anything below about -50 dBFS counts as silence.
std::optional<Pcm> trimSilence(const Pcm &pcm, int keepMs = 50);

// Scales the sound so that its loudest sample is at `peakDbfs` (about -1 dBFS).
void normalise(Pcm &pcm, double peakDbfs = -1.0);

// Mono MP3 at the sound's own rate, variable bit rate. Raises Exception when the encoder is not
// available or fails.
QByteArray encodeMp3(const Pcm &pcm);

// Trims, normalises and encodes; nothing when the sound is silence throughout.
std::optional<QByteArray> encodeHeard(const Pcm &pcm);

// As encodeHeard, but a sound that is silence throughout raises Exception: "Nothing was heard. Check
// the microphone." for a recording, "The voice says nothing for this text." for speech.
QByteArray prepareMp3(const Pcm &pcm, Source source);

} // namespace Encoder
