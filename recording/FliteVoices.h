// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Pcm.h"

#include <QList>
#include <QString>

struct Voice;

// The English voices of CMU Flite, clearer than the other engine's. The library and each voice's own
// library are opened on first use; the Synthesizer owns the one instance and serialises its calls.
class FliteVoices
{
public:
    // Opens the library and every voice it can find, once; false with the reason set when the library
    // itself is missing (a missing voice is only left out).
    bool load();
    bool loaded() const { return !m_voices.isEmpty(); }
    QString unavailableReason() const { return m_unavailable; }

    // The voices found, the most intelligible first, their names and descriptions translated.
    QList<Voice> voices() const;
    bool has(const QString &name) const;

    // `text` spoken by the voice `name` ("flite/rms") as 16-bit mono samples at the voice's rate.
    // Raises Exception for a voice not found.
    Pcm speak(const QString &text, const QString &name) const;

    static bool isFliteName(const QString &name);

private:
    struct Loaded
    {
        int index; // into the table of known voices
        void *voice;
    };
    bool m_tried = false;
    QString m_unavailable;
    QList<Loaded> m_voices;
};
