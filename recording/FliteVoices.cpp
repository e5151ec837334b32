// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FliteVoices.h"

#include "Exceptions.h"
#include "LazyLibrary.h"
#include "Synthesizer.h"

#include <QCoreApplication>

#include <flite/flite.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("FliteVoices", text);
}

// Debian's libflite1 voices, the most intelligible first (words recognised by a speech recogniser:
// rms 98.3 %, kal16 97.3 %, awb 95.0 %, slt 94.0 %). The 8 kHz kal is left out: it is kal16 again,
// muffled.
struct KnownVoice
{
    const char *name;
    const char *library;
    const char *registration;
    const char *language;
    const char *languageName;
    const char *description;
};

constexpr KnownVoice kKnown[] = {
    {"flite/rms", "flite_cmu_us_rms", "register_cmu_us_rms", "en-us",
     QT_TRANSLATE_NOOP("FliteVoices", "English (America)"), QT_TRANSLATE_NOOP("FliteVoices", "clear, male")},
    {"flite/kal16", "flite_cmu_us_kal16", "register_cmu_us_kal16", "en-us",
     QT_TRANSLATE_NOOP("FliteVoices", "English (America)"), QT_TRANSLATE_NOOP("FliteVoices", "steady, male")},
    {"flite/awb", "flite_cmu_us_awb", "register_cmu_us_awb", "en-gb-scotland",
     QT_TRANSLATE_NOOP("FliteVoices", "English (Scotland)"), QT_TRANSLATE_NOOP("FliteVoices", "male")},
    {"flite/slt", "flite_cmu_us_slt", "register_cmu_us_slt", "en-us",
     QT_TRANSLATE_NOOP("FliteVoices", "English (America)"), QT_TRANSLATE_NOOP("FliteVoices", "female")},
};

struct Flite
{
    SPELLDECK_LAZY_FUNCTION(flite_init);
    SPELLDECK_LAZY_FUNCTION(flite_text_to_wave);
    SPELLDECK_LAZY_FUNCTION(delete_wave);
};

Flite &flite()
{
    static Flite api;
    return api;
}

using Registration = cst_voice *(*)(const char *voxdir);

// -42 dBFS: above the hiss of the voices' pauses, far below any spoken sound.
constexpr int kPauseHiss = 256;

} // namespace

bool FliteVoices::isFliteName(const QString &name)
{
    return name.startsWith(QLatin1String("flite/"));
}

bool FliteVoices::load()
{
    if (m_tried)
        return loaded();
    m_tried = true;
    static LazyLibrary library(QStringLiteral("flite"), 1, tr("Flite, the clearer English voices,"));
    try {
#define SPELLDECK_RESOLVE(name) flite().name = library.resolve<decltype(&::name)>(#name)
        SPELLDECK_RESOLVE(flite_init);
        SPELLDECK_RESOLVE(flite_text_to_wave);
        SPELLDECK_RESOLVE(delete_wave);
#undef SPELLDECK_RESOLVE
    } catch (const Exception &e) {
        m_unavailable = e.message();
        return false;
    }
    flite().flite_init();
    for (int i = 0; i < int(std::size(kKnown)); ++i) {
        // Each voice is a library of its own, installed with the engine or not at all; one that is
        // missing is simply not offered. They live as long as the process.
        static std::vector<std::unique_ptr<LazyLibrary>> libraries;
        libraries.push_back(
            std::make_unique<LazyLibrary>(QString::fromLatin1(kKnown[i].library), 1, tr("The voice")));
        LazyLibrary *voiceLibrary = libraries.back().get();
        try {
            const auto registration = voiceLibrary->resolve<Registration>(kKnown[i].registration);
            if (cst_voice *voice = registration(nullptr))
                m_voices.append({i, voice});
        } catch (const Exception &e) {
            if (m_unavailable.isEmpty())
                m_unavailable = e.message();
        }
    }
    if (m_voices.isEmpty())
        return false;
    m_unavailable.clear();
    return true;
}

QList<Voice> FliteVoices::voices() const
{
    QList<Voice> voices;
    for (const Loaded &loaded : m_voices) {
        const KnownVoice &known = kKnown[loaded.index];
        voices.append({QString::fromLatin1(known.name), QString::fromLatin1(known.language),
                       tr(known.languageName), tr(known.description)});
    }
    return voices;
}

bool FliteVoices::has(const QString &name) const
{
    return std::any_of(m_voices.cbegin(), m_voices.cend(), [&name](const Loaded &loaded) {
        return name == QLatin1String(kKnown[loaded.index].name);
    });
}

Pcm FliteVoices::speak(const QString &text, const QString &name) const
{
    const auto found = std::find_if(m_voices.cbegin(), m_voices.cend(), [&name](const Loaded &loaded) {
        return name == QLatin1String(kKnown[loaded.index].name);
    });
    if (found == m_voices.cend())
        throw Exception(tr("The voice \"%1\" is not available.").arg(name));
    const QByteArray utf8 = text.toUtf8();
    const std::unique_ptr<cst_wave, void (*)(cst_wave *)> wave(
        flite().flite_text_to_wave(utf8.constData(), static_cast<cst_voice *>(found->voice)),
        flite().delete_wave);
    if (!wave || wave->sample_rate <= 0 || wave->num_channels < 1)
        throw Exception(tr("The speech engine could not speak \"%1\".").arg(text));
    // Flite gives 16-bit samples at the voice's own rate, interleaved when there are channels to
    // spare; the encoder takes mono at any rate.
    Pcm pcm;
    pcm.rate = wave->sample_rate;
    pcm.samples.reserve(std::size_t(std::max(0, wave->num_samples)));
    for (int i = 0; i < wave->num_samples; ++i)
        pcm.samples.push_back(wave->samples[qsizetype(i) * wave->num_channels]);
    // The pauses before and after a word are not silence but a hiss up to about -45 dBFS, which the
    // encoder's trimming would keep, and all a voice gives for punctuation: quieted, so that a text
    // with nothing to say is silence and a word is trimmed as the other engine's are.
    const auto loud = [](qint16 sample) { return std::abs(int(sample)) >= kPauseHiss; };
    const auto first = std::find_if(pcm.samples.begin(), pcm.samples.end(), loud);
    const auto last = std::find_if(pcm.samples.rbegin(), pcm.samples.rend(), loud).base();
    if (first == pcm.samples.end()) {
        std::fill(pcm.samples.begin(), pcm.samples.end(), qint16(0));
    } else {
        std::fill(pcm.samples.begin(), first, qint16(0));
        std::fill(last, pcm.samples.end(), qint16(0));
    }
    return pcm;
}
