// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AnswerLog.h"

#include "Exceptions.h"

#include <QUuid>

namespace {

// Made here, so an answer whose commit was never confirmed and is stored again is still one answer.
QString newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QString outcomeText(TestOutcome outcome)
{
    switch (outcome) {
    case TestOutcome::Finished:
        return QStringLiteral("finished");
    case TestOutcome::Declined:
        return QStringLiteral("declined");
    case TestOutcome::Closed:
        break;
    }
    return QStringLiteral("closed");
}

} // namespace

AnswerLog::AnswerLog(ResultStore &store, qint64 learnerId, const ListRef &list, Kind kind,
                     QHash<qint64, ListRef> wordLists)
    : m_store(store), m_wordLists(std::move(wordLists))
{
    m_test.testId = newId();
    m_test.learnerId = learnerId;
    m_test.typeId = list.typeId;
    m_test.typeName = list.typeName;
    m_test.practice = kind == Practice;
}

void AnswerLog::testStarted(qint64 at) noexcept
{
    m_test.startedAt = at;
}

void AnswerLog::answerChecked(const CheckedAnswer &answer) noexcept
{
    const qint64 wordId = answer.word->ID.toLongLong();
    const ListRef list = m_wordLists.value(wordId, ListRef{m_test.typeId, m_test.typeName});
    m_pending.push_back({newId(), m_test.testId, m_test.learnerId, list.typeId, list.typeName, wordId,
                         answer.word->Name, answer.typed, answer.right, answer.pass, answer.answeredAt,
                         answer.thinkMs, answer.plays});
    flush();
}

void AnswerLog::testEnded(TestOutcome outcome, int passes, qint64 at) noexcept
{
    // A test without a single answer kept leaves nothing behind.
    try {
        const ResultStore::Patience patience(m_store.connection());
        flush();
        if (m_testStored && m_pending.empty())
            m_store.storeTestEnd(m_test.testId, at, outcomeText(outcome), passes);
    } catch (const Exception &e) {
        m_reason = e.message();
    }
}

void AnswerLog::flush() noexcept
{
    try {
        while (!m_pending.empty()) {
            m_store.storeAnswer(m_pending.front(), m_testStored ? nullptr : &m_test);
            m_testStored = true;
            m_pending.pop_front();
            ++m_kept;
        }
    } catch (const Exception &e) {
        m_reason = e.message();
    }
}
