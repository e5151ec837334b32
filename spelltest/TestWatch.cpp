// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TestWatch.h"

#include <QDateTime>

void TestWatch::started()
{
    if (m_recorder)
        m_recorder->testStarted(QDateTime::currentMSecsSinceEpoch());
}

void TestWatch::presented()
{
    m_presented.start();
    m_plays = 0;
}

void TestWatch::checked(const TData &word, const QString &typed, bool right)
{
    if (!m_recorder)
        return;
    m_recorder->answerChecked(
        {&word, typed, right, m_pass, QDateTime::currentMSecsSinceEpoch(), m_presented.elapsed(), m_plays});
}

void TestWatch::ended()
{
    if (m_recorder)
        m_recorder->testEnded(m_outcome, m_pass, QDateTime::currentMSecsSinceEpoch());
}
