// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Dictation.h"

#include "Encoder.h"
#include "Synthesizer.h"

namespace Dictation {

std::optional<Pcm> compose(const Pcm &word, const Pcm &sentence)
{
    std::optional<Pcm> said = Encoder::trimSilence(word);
    if (!said)
        return std::nullopt;
    const std::optional<Pcm> example = Encoder::trimSilence(sentence);
    if (!example || example->rate != said->rate)
        return said;
    const std::vector<qint16> pause(std::size_t(said->rate) * kPauseMs / 1000, 0);
    Pcm joined{{}, said->rate};
    joined.samples.reserve(said->samples.size() * 2 + pause.size() * 2 + example->samples.size());
    const std::vector<qint16> &once = said->samples;
    for (const std::vector<qint16> *part : {&once, &pause, &example->samples, &pause, &once})
        joined.samples.insert(joined.samples.end(), part->cbegin(), part->cend());
    return joined;
}

Pcm speak(const QString &word, const QString &sentence, const QString &voice)
{
    Synthesizer &synthesizer = Synthesizer::instance();
    Pcm spoken = synthesizer.speak(word, voice);
    if (sentence.isEmpty())
        return spoken;
    // Nothing to hear in the word: what the caller says about that, as without a sentence.
    return compose(spoken, synthesizer.speak(sentence, voice)).value_or(Pcm{{}, spoken.rate});
}

} // namespace Dictation
