// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

#include <algorithm>
#include <cstdlib>
#include <vector>

// Sound as 16-bit mono samples at a given rate: what the speech engine and the microphone give and
// the encoder takes.
struct Pcm
{
    std::vector<qint16> samples;
    int rate = 0;

    // Length in milliseconds.
    qint64 durationMs() const { return rate > 0 ? qint64(samples.size()) * 1000 / rate : 0; }

    // The loudest sample's magnitude; 0 for silence.
    int peak() const
    {
        int loudest = 0;
        for (const qint16 sample : samples)
            loudest = std::max(loudest, std::abs(int(sample)));
        return loudest;
    }
};
