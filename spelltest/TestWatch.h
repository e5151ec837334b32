// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TestRecorder.h"

#include <QElapsedTimer>

// Watches a test for whoever keeps its results: when each word was presented, how often Play word was
// pressed for it, which pass runs and how the test ended. Without a recorder it does nothing, and the
// test window behaves as if it were not there.
class TestWatch
{
public:
    void setRecorder(TestRecorder *recorder) { m_recorder = recorder; }

    void started();
    void presented();
    void played() { ++m_plays; }
    void checked(const TData &word, const QString &typed, bool right);
    void nextPass() { ++m_pass; }
    void setOutcome(TestOutcome outcome) { m_outcome = outcome; }
    // Once the window has closed.
    void ended();

private:
    TestRecorder *m_recorder = nullptr;
    QElapsedTimer m_presented;
    int m_plays = 0;
    int m_pass = 1;
    TestOutcome m_outcome = TestOutcome::Closed;
};
