// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AnswerLog.h"
#include "ResultStore.h"
#include "TestDatabase.h"

#include <QDateTime>

// Results made as tests would make them, on a day of one's choosing, for the windows to show.
struct PastTests
{
    explicit PastTests(ResultStore &store) : store(store) {}

    // One test of `list` (id, name) by `learner` at `hour` of `day`: `answers` as "word=typed" in the
    // order asked, "word" alone for a right answer; "|" starts the next pass. It ends with `outcome`.
    void add(qint64 learner, const ListRef &list, const QDate &day, int hour, const QString &answers,
             TestOutcome outcome = TestOutcome::Finished, const QHash<QString, QString> &wordIds = {})
    {
        AnswerLog log(store, learner, list);
        qint64 at = QDateTime(day, QTime(hour, 0)).toMSecsSinceEpoch();
        log.testStarted(at);
        int pass = 1;
        for (const QString &passText : answers.split(QLatin1Char('|'))) {
            for (const QString &answer : passText.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                TData word;
                word.Name = answer.section(QLatin1Char('='), 0, 0);
                word.ID = wordIds.value(word.Name, QStringLiteral("900"));
                const QString typed =
                    answer.contains(QLatin1Char('=')) ? answer.section(QLatin1Char('='), 1) : word.Name;
                at += 15000;
                log.answerChecked({&word, typed, typed == word.Name, pass, at, 15000, 0});
            }
            ++pass;
        }
        log.testEnded(outcome, pass - 1, at + 5000);
    }

    ResultStore &store;
};
