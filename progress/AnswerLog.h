// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ResultStore.h"
#include "TestRecorder.h"

#include <QHash>
#include <QString>

#include <deque>
#include <optional>

// The list a word was asked from.
struct ListRef
{
    qint64 typeId = 0;
    QString typeName;
};

// The results of one test, stored as it runs: each answer in a short transaction of its own as it is
// checked, the test's start with its first answer, its end when the window has closed. An answer that
// cannot be stored at once (another program holds the database) is kept and stored with the next;
// whatever still cannot be stored when the test ends is counted, and unkept() says how many.
class AnswerLog : public TestRecorder
{
public:
    enum Kind
    {
        Test,    // of one list: every word is from `list`
        Practice // of the words due: from `list`, or from every list when its typeId is 0
    };

    // `wordLists` names the list of each word id that is not from `list`.
    AnswerLog(ResultStore &store, qint64 learnerId, const ListRef &list, Kind kind = Test,
              QHash<qint64, ListRef> wordLists = {});

    void testStarted(qint64 at) noexcept override;
    void answerChecked(const CheckedAnswer &answer) noexcept override;
    void testEnded(TestOutcome outcome, int passes, qint64 at) noexcept override;

    // Answers of this test that could not be stored, and the database's reason for the last failure.
    int unkept() const { return int(m_pending.size()); }
    const QString &unkeptReason() const { return m_reason; }
    // The answers stored so far.
    int kept() const { return m_kept; }

private:
    // Stores what waits, oldest first, until one fails.
    void flush() noexcept;

    ResultStore &m_store;
    TestRow m_test;
    bool m_testStored = false;
    QHash<qint64, ListRef> m_wordLists;
    std::deque<AnswerRow> m_pending;
    int m_kept = 0;
    QString m_reason;
};
