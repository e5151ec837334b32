// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AnswerLog.h"
#include "Schedule.h"
#include "uGlobal.h"

#include <QDate>
#include <QHash>
#include <QList>

class ResultStore;

// The words a learner should practise now, as the test window asks them.
struct DueWords
{
    QList<TData> words;           // most overdue first
    QHash<qint64, ListRef> lists; // each word's list, by word id
    int dueInAll = 0;             // before the practice's limit
};

// The words of list `typeId` (0: of every list) that are due for the learner on `today`; words that
// have been removed since are not.
DueWords dueWords(ResultStore &store, qint64 learnerId, qint64 typeId, const QDate &today,
                  int limit = Schedule::kPracticeWords);

// How many words of each list are due for the learner on `today`, by list id; lists with none are
// left out.
QHash<qint64, int> dueCounts(ResultStore &store, qint64 learnerId, const QDate &today);
