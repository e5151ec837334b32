// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AnswerLog.h"
#include "Catalogue.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

class ResultStore;

// The figures of a report on kept results, as the Results window, the printed report and the chart
// show them.
namespace Report {

using Filter = Catalogue::Results::Filter;

// The period from the first day to the last, both included, in local time.
Filter period(qint64 learnerId, qint64 typeId, const QDate &first, const QDate &last);

struct Test
{
    QString testId;
    qint64 learnerId = 0;
    QString learnerName;
    QString listName;
    bool practice = false;
    qint64 startedAt = 0;
    // From the end of the test, or from its last answer when it never ended (the program was stopped).
    qint64 endedAt = 0;
    bool ended = false;
    QString outcome; // "finished", "declined" or "closed"; empty when the test never ended
    int passes = 0;  // passes run
    int asked = 0;   // words of the first pass
    int rightFirst = 0;

    // Right at the first try, of the words asked, in per cent; nothing when none was asked.
    std::optional<int> score() const;
    qint64 takenMs() const { return endedAt - startedAt; }
    // The passes a learner needed to spell every word: only a test that ended without a miss says.
    std::optional<int> passesNeeded() const;
};

struct Misspelling
{
    QString typed;
    int times = 0;
    int learners = 0;
};

struct Word
{
    QString word;
    int asked = 0;                   // first tries
    int missed = 0;                  // first tries that were wrong
    int misses = 0;                  // wrong answers in every pass
    qint64 lastMissed = 0;           // 0: never
    QList<Misspelling> misspellings; // most frequent first

    // Of the first tries, in per cent.
    int missRate() const { return asked == 0 ? 0 : int((missed * 100 + asked / 2) / asked); }
};

// A point of the chart of first-pass scores: one per test for one learner, one per day (the mean of
// its tests) for all learners together.
struct Point
{
    qint64 at = 0;
    int score = 0;
    int tests = 1;
};

struct Figures
{
    QList<Test> tests;
    QList<Word> words;
    QList<Point> points;
};

// Every figure for the results the filter covers.
Figures load(ResultStore &store, const Filter &filter);

// The lists that results were kept for, each under the name it had last.
QList<ListRef> lists(ResultStore &store, const Filter &filter);

// The day of the first answer the filter's learner and list have, if any.
std::optional<QDate> firstDay(ResultStore &store, const Filter &filter);

// A figure as the windows and the report write it: "17 of 20 (85%)", "3 min 05 s", a local time.
QString scoreText(const Test &test);
QString durationText(qint64 ms);
QString timeText(qint64 ms);

} // namespace Report
