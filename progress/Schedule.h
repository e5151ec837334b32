// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>
#include <QList>

#include <array>

// When a learner should see a word again, worked out from their stored answers and nothing else: each
// word climbs a box each time it is right at the first try of a test, and falls to the first box at
// each miss there; a word in box n is due again that many days after that try.
namespace Schedule {

inline constexpr int kBoxes = 7;
inline constexpr std::array<int, kBoxes> kDaysInBox = {1, 2, 4, 7, 14, 30, 60};
// A practice asks at most this many words.
inline constexpr int kPracticeWords = 20;

// A word's first try in one test.
struct FirstTry
{
    qint64 wordId = 0;
    bool right = false;
    qint64 at = 0; // milliseconds since 1970, UTC
};

struct WordState
{
    qint64 wordId = 0;
    int box = 1;     // 1 to kBoxes
    qint64 last = 0; // the last first try
    QDate due;       // in local time: the day of the last try plus the box's days

    bool operator==(const WordState &) const = default;
};

// Every word's state from its first tries, which come sorted by word and then by time.
QList<WordState> states(const QList<FirstTry> &tries);

// The words due on `today`, most overdue first (the longest wait past its day, then the oldest try),
// at most `limit` of them.
QList<WordState> due(const QList<WordState> &states, const QDate &today, int limit = kPracticeWords);

} // namespace Schedule
