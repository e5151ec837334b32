// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Pcm.h"

#include <QList>
#include <QLocale>
#include <QString>

#include <mutex>

// A voice of the speech engine.
struct Voice
{
    QString name;         // what the engine loads it by
    QString language;     // its language code, as "en-gb"
    QString languageName; // readable, as "English (Great Britain)"
};

// Offline speech synthesis in more than a hundred languages. The engine is one per process and not
// reentrant: this is its one owner. It is loaded the first time it is needed, never at start-up, and
// every call is serialised, so workers may call it from their own threads.
class Synthesizer
{
public:
    static Synthesizer &instance();

    // False when the engine or its data cannot be found; the reason then says which, for the user.
    bool available();
    QString unavailableReason();

    // Every voice, by readable name.
    QList<Voice> voices();
    // The voice of the locale's language (and country when the engine has one), else English.
    QString defaultVoice(const QLocale &locale);

    // `text` spoken by `voice` as 16-bit mono samples at the engine's rate. Raises Exception for an
    // unknown voice or when the engine is unavailable.
    Pcm speak(const QString &text, const QString &voice);

private:
    Synthesizer() = default;
    // Loads and starts the engine once; false with m_unavailable set when it cannot.
    bool ready();

    std::recursive_mutex m_mutex;
    bool m_tried = false;
    int m_rate = 0;
    QString m_unavailable;
    QList<Voice> m_voices;
};
