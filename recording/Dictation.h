// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Pcm.h"

#include <QString>

#include <optional>

// A word dictated as a teacher dictates one that sounds like others ("their ... they took their coats
// ... their"): the word, a pause, the sentence, a pause, the word, as one sound.
namespace Dictation {

inline constexpr int kPauseMs = 700;

// The spoken word and sentence joined so, each first trimmed of its own silence; the word alone when
// the sentence holds nothing to hear or comes at another rate; nothing when the word holds nothing.
std::optional<Pcm> compose(const Pcm &word, const Pcm &sentence);

// `word` spoken by `voice`, with `sentence` as above when there is one. Raises Exception as
// Synthesizer::speak does.
Pcm speak(const QString &word, const QString &sentence, const QString &voice);

} // namespace Dictation
