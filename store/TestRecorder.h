// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "uGlobal.h"

#include <QString>
#include <QtGlobal>

// How a test came to an end.
enum class TestOutcome
{
    Finished, // a pass without a miss
    Declined, // the learner said No to another pass
    Closed    // closed in the middle of a pass
};

// One answer, as the test window checked it.
struct CheckedAnswer
{
    const TData *word = nullptr; // the word asked: its ID and Name
    QString typed;
    bool right = false;
    int pass = 1;          // 1 for the first pass over the list
    qint64 answeredAt = 0; // milliseconds since 1970, UTC
    qint64 thinkMs = 0;    // from the word being presented to Check word
    int plays = 0;         // how often Play word was pressed for it
};

// What a test window tells whoever keeps its results. None of these may raise: a test goes on
// whatever becomes of its results.
class TestRecorder
{
public:
    virtual ~TestRecorder() = default;

    // Before the first word is presented.
    virtual void testStarted(qint64 at) noexcept = 0;
    // As each answer is checked, before a correction is shown.
    virtual void answerChecked(const CheckedAnswer &answer) noexcept = 0;
    // When the window has closed.
    virtual void testEnded(TestOutcome outcome, int passes, qint64 at) noexcept = 0;
};
