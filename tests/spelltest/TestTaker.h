// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "MediaPlayer.h"
#include "ModalDriver.h"
#include "TextPanel.h"
#include "Widgets.h"
#include "uCorrect.h"
#include "uTest.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QQueue>

#include <functional>
#include <optional>

// Sits in front of the real windows of a test and answers them as a learner does: types the next
// answer into the test window and presses Check word, or Close for an answer of nullopt; closes every
// correction window with its Close button. Records what it saw each time. Other windows go to
// `otherWindows`, which says whether it handled them.
class TestTaker
{
public:
    // The test window as a word was presented, before the answer went in.
    struct Step
    {
        QString state;
        QString played; // the file the player has open
        const TData *record;
        bool focusInAnswer;
        bool checkEnabled;
        QString title;
        QPoint position;
        QWidget *owner;
    };
    struct Correction
    {
        QString rightWord;
        QString word;
        bool overTestWindow; // owned by the test window
    };

    explicit TestTaker(const QList<std::optional<QString>> &answers,
                       std::function<bool(QWidget *)> otherWindows = {})
        : m_otherWindows(std::move(otherWindows)), m_driver([this](QWidget *modal) { return respond(modal); })
    {
        for (const auto &answer : answers)
            m_answers.enqueue(answer);
    }

    QList<Step> steps;
    QList<Correction> corrections;
    // Called as each word is presented and as each correction shows, before the learner acts.
    std::function<void(TfrmTest *)> atEachWord;
    std::function<void(TfrmCorrect *)> atEachCorrection;
    // Answers left when the test window went away.
    qsizetype unused() const { return m_answers.size(); }

private:
    bool respond(QWidget *modal)
    {
        if (auto *correct = qobject_cast<TfrmCorrect *>(modal)) {
            if (atEachCorrection)
                atEachCorrection(correct);
            corrections << Correction{child<TextPanel>(correct, "Panel1")->text(),
                                      child<TextPanel>(correct, "Panel2")->text(),
                                      qobject_cast<TfrmTest *>(correct->parentWidget()) != nullptr};
            if (!press(correct, "sButton1"))
                QTest::qFail("the correction window's Close cannot be pressed", __FILE__, __LINE__);
            return true;
        }
        auto *test = qobject_cast<TfrmTest *>(modal);
        if (!test)
            return m_otherWindows && m_otherWindows(modal);
        if (m_answers.isEmpty()) {
            QTest::qFail(qPrintable(QStringLiteral("the test window presents \"%1\" and no answer is left")
                                        .arg(test->currentWord()->Name)),
                         __FILE__, __LINE__);
            return false;
        }
        if (atEachWord)
            atEachWord(test);
        auto *edtWord = child<QLineEdit>(test, "edtWord");
        steps << Step{child<QLabel>(test, "lblState")->text(),
                      child<TMediaPlayer>(test, "mp")->FileName(),
                      test->currentWord(),
                      test->focusWidget() == edtWord,
                      child<QPushButton>(test, "btnCheck")->isEnabled(),
                      test->windowTitle(),
                      test->pos(),
                      test->parentWidget()};
        const std::optional<QString> answer = m_answers.dequeue();
        if (!answer) {
            if (!press(test, "sButton3"))
                QTest::qFail("Close cannot be pressed", __FILE__, __LINE__);
            return true;
        }
        edtWord->setText(*answer);
        // As a learner pressing the button, which takes the focus as it is clicked.
        if (!press(test, "btnCheck"))
            QTest::qFail(
                qPrintable(QStringLiteral("Check word is disabled with the answer \"%1\"").arg(*answer)),
                __FILE__, __LINE__);
        return true;
    }

    QQueue<std::optional<QString>> m_answers;
    std::function<bool(QWidget *)> m_otherWindows;
    ModalDriver m_driver;
};
