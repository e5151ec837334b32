// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Schedule.h"

#include <QDateTime>

#include <algorithm>

namespace Schedule {

QList<WordState> states(const QList<FirstTry> &tries)
{
    QList<WordState> result;
    for (const FirstTry &attempt : tries) {
        if (result.isEmpty() || result.constLast().wordId != attempt.wordId)
            result.append({attempt.wordId, 0, 0, {}});
        WordState &word = result.last();
        word.box = attempt.right ? std::min(word.box + 1, kBoxes) : 1;
        word.last = attempt.at;
    }
    for (WordState &word : result)
        word.due = QDateTime::fromMSecsSinceEpoch(word.last).date().addDays(kDaysInBox.at(word.box - 1));
    return result;
}

QList<WordState> due(const QList<WordState> &states, const QDate &today, int limit)
{
    QList<WordState> result;
    for (const WordState &word : states) {
        if (word.due <= today)
            result << word;
    }
    std::sort(result.begin(), result.end(), [](const WordState &a, const WordState &b) {
        if (a.due != b.due)
            return a.due < b.due;
        if (a.last != b.last)
            return a.last < b.last;
        return a.wordId < b.wordId;
    });
    if (result.size() > limit)
        result.resize(limit);
    return result;
}

} // namespace Schedule
