// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FliteVoices.h"
#include "Pcm.h"

#include <QList>
#include <QLocale>
#include <QString>

#include <mutex>

// A voice of the speech engine.
struct Voice
{
    QString name;         // stable, what the engines load it by: "flite/rms", "gmw/de"
    QString language;     // its language code, as "en-gb"
    QString languageName; // readable, as "English (Great Britain)"
    QString description;  // how it sounds, as "clear, male"; empty when nothing is known

    // What the user chooses by: "English (America), clear, male".
    QString label() const;
};

// Offline speech synthesis in more than a hundred languages: English by Flite, whose voices are the
// clearer, every other language by espeak-ng (English too when Flite is missing). Each engine is one
// per process and not reentrant: this is their one owner. They are loaded the first time they are
// needed, never at start-up, and every call is serialised, so workers may call it from their own
// threads.
class Synthesizer
{
public:
    static Synthesizer &instance();

    // False when no voice can be found; the reason then says why, for the user.
    bool available();
    QString unavailableReason();
    // Why the clearer English voices are missing; empty when they are there.
    QString englishUnavailableReason();

    // Every voice once: the English ones of Flite first, the most intelligible first, then the others
    // by readable name.
    QList<Voice> voices();
    // Whether `name` can speak: a voice listed, or any voice of espeak-ng by its own name (choices
    // stored before Flite spoke English).
    bool hasVoice(const QString &name);
    // The voice of the locale's language (and country when the engine has one), else English; for
    // English, the most intelligible voice.
    QString defaultVoice(const QLocale &locale);

    // `text` spoken by `voice` as 16-bit mono samples at the engine's rate. Raises Exception for an
    // unknown voice or when the engine is unavailable.
    Pcm speak(const QString &text, const QString &voice);

private:
    Synthesizer() = default;
    // Loads and starts the engines once; false when neither can speak.
    bool ready();
    // Starts espeak-ng; m_unavailable says why when it cannot.
    void startEspeak();

    std::recursive_mutex m_mutex;
    bool m_tried = false;
    int m_rate = 0; // espeak-ng's, 0 when it is not available
    FliteVoices m_flite;
    QString m_unavailable;
    QList<Voice> m_voices;
};
