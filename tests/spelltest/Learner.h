#pragma once

#include "MediaPlayer.h"
#include "TextPanel.h"
#include "uCorrect.h"
#include "uTest.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QQueue>
#include <QTimer>

#include <optional>

// Sits in front of the real windows of a test and answers them: types the next answer into the test
// window and presses Check word, or Close for an answer of nullopt; closes every correction window.
// Records what it saw each time. Polls with fresh single-shot timers, so that it also runs inside the
// modal loops the windows open.
class Learner : public QObject
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
    };
    struct Correction
    {
        QString rightWord;
        QString word;
        bool overTestWindow; // owned by the test window
    };

    explicit Learner(const QList<std::optional<QString>> &answers)
    {
        for (const auto &answer : answers)
            m_answers.enqueue(answer);
        QTimer::singleShot(5, this, &Learner::poll);
    }

    QList<Step> steps;
    QList<Correction> corrections;
    // Answers left when the test window went away.
    qsizetype unused() const { return m_answers.size(); }

private:
    template <typename T>
    static T *child(QWidget *window, const char *name)
    {
        return window->findChild<T *>(QString::fromLatin1(name));
    }

    void poll()
    {
        QTimer::singleShot(5, this, &Learner::poll);
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *correct = qobject_cast<TfrmCorrect *>(modal)) {
            corrections << Correction{child<TextPanel>(correct, "Panel1")->text(),
                                      child<TextPanel>(correct, "Panel2")->text(),
                                      qobject_cast<TfrmTest *>(correct->parentWidget()) != nullptr};
            child<QPushButton>(correct, "sButton1")->click();
            return;
        }
        auto *test = qobject_cast<TfrmTest *>(modal);
        if (!test || m_answers.isEmpty())
            return;
        auto *edtWord = child<QLineEdit>(test, "edtWord");
        auto *btnCheck = child<QPushButton>(test, "btnCheck");
        steps << Step{child<QLabel>(test, "lblState")->text(),
                      child<TMediaPlayer>(test, "mp")->FileName(),
                      test->FWords->object(test->FCurIndex),
                      test->focusWidget() == edtWord,
                      btnCheck->isEnabled(),
                      test->windowTitle(),
                      test->pos()};
        const std::optional<QString> answer = m_answers.dequeue();
        if (!answer) {
            child<QPushButton>(test, "sButton3")->click();
            return;
        }
        edtWord->setText(*answer);
        // As a learner pressing the button: it has the focus when it acts.
        btnCheck->setFocus();
        btnCheck->click();
    }

    QQueue<std::optional<QString>> m_answers;
};
