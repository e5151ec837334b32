// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Synthesizer.h"

#include "Exceptions.h"
#include "LazyLibrary.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

struct Espeak
{
    SPELLDECK_LAZY_FUNCTION(espeak_ng_InitializePath);
    SPELLDECK_LAZY_FUNCTION(espeak_Info);
    SPELLDECK_LAZY_FUNCTION(espeak_Initialize);
    SPELLDECK_LAZY_FUNCTION(espeak_SetSynthCallback);
    SPELLDECK_LAZY_FUNCTION(espeak_ListVoices);
    SPELLDECK_LAZY_FUNCTION(espeak_SetVoiceByName);
    SPELLDECK_LAZY_FUNCTION(espeak_Synth);
};

QString tr(const char *text)
{
    return QCoreApplication::translate("Synthesizer", text);
}

Espeak &espeak()
{
    static Espeak api;
    return api;
}

void loadEspeak()
{
    static LazyLibrary library(QStringLiteral("espeak-ng"), 1, tr("Speech synthesis"));
#define SPELLDECK_RESOLVE(name) espeak().name = library.resolve<decltype(&::name)>(#name)
    SPELLDECK_RESOLVE(espeak_ng_InitializePath);
    SPELLDECK_RESOLVE(espeak_Info);
    SPELLDECK_RESOLVE(espeak_Initialize);
    SPELLDECK_RESOLVE(espeak_SetSynthCallback);
    SPELLDECK_RESOLVE(espeak_ListVoices);
    SPELLDECK_RESOLVE(espeak_SetVoiceByName);
    SPELLDECK_RESOLVE(espeak_Synth);
#undef SPELLDECK_RESOLVE
}

// The engine hands the samples of a synthesis to this callback, with our buffer as user data.
int collect(short *wav, int count, espeak_EVENT *events)
{
    if (wav && count > 0 && events && events->user_data) {
        auto *samples = static_cast<std::vector<qint16> *>(events->user_data);
        samples->insert(samples->end(), wav, wav + count);
    }
    return 0;
}

// The language entries of a voice: a priority byte, then the code, then a zero, repeated; an empty
// entry ends them. Lower priorities fit better.
QList<std::pair<int, QString>> languagesOf(const espeak_VOICE *voice)
{
    QList<std::pair<int, QString>> languages;
    for (const char *entry = voice->languages; entry && *entry; entry += std::strlen(entry + 1) + 2)
        languages.append({int(static_cast<unsigned char>(entry[0])), QString::fromLatin1(entry + 1)});
    return languages;
}

bool isEnglish(const QString &code)
{
    return code == QLatin1String("en") || code.startsWith(QLatin1String("en-"));
}

} // namespace

QString Voice::label() const
{
    return description.isEmpty()
               ? languageName
               : QCoreApplication::translate("Voice", "%1, %2", "a voice's language, then how it sounds")
                     .arg(languageName, description);
}

Synthesizer &Synthesizer::instance()
{
    static Synthesizer synthesizer;
    return synthesizer;
}

bool Synthesizer::ready()
{
    const std::lock_guard lock(m_mutex);
    if (!m_tried) {
        m_tried = true;
        m_flite.load();
        startEspeak();
    }
    return m_rate > 0 || m_flite.loaded();
}

void Synthesizer::startEspeak()
{
    try {
        loadEspeak();
    } catch (const Exception &e) {
        m_unavailable = e.message();
        return;
    }
    // The engine ends the whole process when it misses its data: look first.
    espeak().espeak_ng_InitializePath(nullptr);
    const char *dataPath = nullptr;
    espeak().espeak_Info(&dataPath);
    const QString folder = dataPath ? QString::fromLocal8Bit(dataPath) : QString();
    if (!QFileInfo(folder + QStringLiteral("/phontab")).isFile()) {
        m_unavailable =
            tr("Speech synthesis is not available: its data (espeak-ng-data) is missing from \"%1\".")
                .arg(folder);
        return;
    }
    const int rate =
        espeak().espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
    if (rate <= 0) {
        m_unavailable = tr("Speech synthesis is not available: the speech engine could not be started.");
        return;
    }
    espeak().espeak_SetSynthCallback(collect);
    for (const espeak_VOICE **voice = espeak().espeak_ListVoices(nullptr); voice && *voice; ++voice) {
        const auto languages = languagesOf(*voice);
        // MBROLA voices need databases of their own that are rarely installed.
        if (languages.isEmpty() || QByteArray((*voice)->identifier).startsWith("mb/"))
            continue;
        m_voices.append({QString::fromUtf8((*voice)->identifier), languages.constFirst().second,
                         QString::fromUtf8((*voice)->name), QString()});
    }
    std::sort(m_voices.begin(), m_voices.end(), [](const Voice &a, const Voice &b) {
        return QString::localeAwareCompare(a.languageName, b.languageName) < 0;
    });
    m_rate = rate;
}

bool Synthesizer::available()
{
    return ready();
}

QString Synthesizer::unavailableReason()
{
    if (ready())
        return {};
    const std::lock_guard lock(m_mutex);
    return m_unavailable;
}

QString Synthesizer::englishUnavailableReason()
{
    ready();
    const std::lock_guard lock(m_mutex);
    return m_flite.unavailableReason();
}

QList<Voice> Synthesizer::voices()
{
    if (!ready())
        return {};
    const std::lock_guard lock(m_mutex);
    QList<Voice> voices = m_flite.voices();
    const bool englishByFlite = !voices.isEmpty();
    for (const Voice &voice : std::as_const(m_voices)) {
        if (!(englishByFlite && isEnglish(voice.language)))
            voices.append(voice);
    }
    return voices;
}

bool Synthesizer::hasVoice(const QString &name)
{
    if (!ready())
        return false;
    const std::lock_guard lock(m_mutex);
    if (FliteVoices::isFliteName(name))
        return m_flite.has(name);
    return m_rate > 0 && espeak().espeak_SetVoiceByName(name.toUtf8().constData()) == EE_OK &&
           !name.startsWith(QLatin1String("mb/"));
}

QString Synthesizer::defaultVoice(const QLocale &locale)
{
    if (!ready())
        return {};
    const std::lock_guard lock(m_mutex);
    // "de-de", then "de", then English; among voices that know the code, the best fit.
    const QString language = QLocale::languageToCode(locale.language(), QLocale::ISO639Part1).toLower();
    const QString territory = QLocale::territoryToCode(locale.territory()).toLower();
    QStringList wanted;
    if (!language.isEmpty() && locale.language() != QLocale::C) {
        if (!territory.isEmpty())
            wanted << language + QLatin1Char('-') + territory;
        wanted << language;
    }
    wanted << QStringLiteral("en");
    const QList<Voice> flite = m_flite.voices();
    for (const QString &code : std::as_const(wanted)) {
        // The clearest English voice, whatever the country: Flite's voices are all English.
        if (isEnglish(code) && !flite.isEmpty())
            return flite.constFirst().name;
        if (m_rate <= 0)
            continue;
        QString best;
        int bestPriority = INT_MAX;
        for (const espeak_VOICE **voice = espeak().espeak_ListVoices(nullptr); voice && *voice; ++voice) {
            for (const auto &[priority, entry] : languagesOf(*voice)) {
                if (entry == code && priority < bestPriority &&
                    !QByteArray((*voice)->identifier).startsWith("mb/")) {
                    bestPriority = priority;
                    best = QString::fromUtf8((*voice)->identifier);
                }
            }
        }
        if (!best.isEmpty())
            return best;
    }
    return m_voices.isEmpty() ? QString() : m_voices.constFirst().name;
}

Pcm Synthesizer::speak(const QString &text, const QString &voice)
{
    if (!ready())
        throw Exception(unavailableReason());
    const std::lock_guard lock(m_mutex);
    if (FliteVoices::isFliteName(voice)) {
        if (!m_flite.loaded())
            throw Exception(m_flite.unavailableReason());
        return m_flite.speak(text, voice);
    }
    if (m_rate <= 0)
        throw Exception(m_unavailable);
    if (espeak().espeak_SetVoiceByName(voice.toUtf8().constData()) != EE_OK)
        throw Exception(tr("The voice \"%1\" is not available.").arg(voice));
    std::vector<qint16> samples;
    const QByteArray utf8 = text.toUtf8();
    if (espeak().espeak_Synth(utf8.constData(), std::size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                              espeakCHARS_UTF8, nullptr, &samples) != EE_OK)
        throw Exception(tr("The speech engine could not speak \"%1\".").arg(text));
    return {std::move(samples), m_rate};
}
