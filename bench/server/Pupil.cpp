// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Pupil.h"

#include "AnswerLog.h"
#include "Application.h"
#include "Figures.h"
#include "ResultStore.h"
#include "uCorrect.h"
#include "uDM.h"
#include "uTest.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSet>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(int number, const QString &why)
{
    std::fprintf(stderr, "pupil %d: %s\n", number, qPrintable(why));
    std::exit(1);
}

double msSince(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// Passes on what the test window tells the answer log, timing the answer: the storing inside Check word.
class TimedRecorder : public TestRecorder
{
public:
    explicit TimedRecorder(AnswerLog &log) : m_log(log) {}

    void testStarted(qint64 at) noexcept override { m_log.testStarted(at); }
    void answerChecked(const CheckedAnswer &answer) noexcept override
    {
        QElapsedTimer timer;
        timer.start();
        m_log.answerChecked(answer);
        lastStoreMs = msSince(timer);
    }
    void testEnded(TestOutcome outcome, int passes, qint64 at) noexcept override
    {
        QElapsedTimer timer;
        timer.start();
        m_log.testEnded(outcome, passes, at);
        endMs = msSince(timer);
    }

    double lastStoreMs = 0;
    double endMs = 0;

private:
    AnswerLog &m_log;
};

// Sits in front of the test window while it runs modal, as the pupil: types each answer, presses Check
// word and closes each correction at once; presses Close when the time is up.
class Answerer : public QObject
{
public:
    Answerer(int number, QDeadlineTimer end) : m_random(quint32(number) * 7919u + 17u), m_end(end) {}

    void begin(TimedRecorder *recorder)
    {
        m_recorder = recorder;
        m_missed.clear();
        schedule();
    }

    bool timeUp() const { return m_end.hasExpired(); }

    QJsonArray samples; // [Check word ms, storing ms, 1 for a miss]

private:
    void schedule()
    {
        QTimer::singleShot(int(m_random.bounded(200, 501)), this, [this] { answer(); });
    }

    void answer()
    {
        auto *test = qobject_cast<TfrmTest *>(QApplication::activeModalWidget());
        if (!test) {
            schedule();
            return;
        }
        if (m_end.hasExpired()) {
            test->findChild<QPushButton *>(QStringLiteral("sButton3"))->click();
            return;
        }
        const TData *word = test->currentWord();
        // A word missed once is right when it comes again.
        const bool miss = !m_missed.contains(word->ID) && m_random.bounded(7) == 0;
        if (miss)
            m_missed.insert(word->ID);
        test->findChild<QLineEdit *>(QStringLiteral("edtWord"))
            ->setText(miss ? word->Name.chopped(1) : word->Name);
        // A miss is over for the pupil when the correction shows; the timer fires in its modal loop.
        m_correctionShownMs = -1;
        QTimer::singleShot(0, this, [this] { closeCorrection(); });
        m_clock.start();
        test->findChild<QPushButton *>(QStringLiteral("btnCheck"))->click();
        const double checkMs = m_correctionShownMs >= 0 ? m_correctionShownMs : msSince(m_clock);
        samples.append(QJsonArray{checkMs, m_recorder->lastStoreMs, miss ? 1 : 0});
        // The last word of a test without a miss closes the window.
        if (test->isVisible())
            schedule();
    }

    void closeCorrection()
    {
        auto *correction = qobject_cast<TfrmCorrect *>(QApplication::activeModalWidget());
        if (!correction)
            return;
        m_correctionShownMs = msSince(m_clock);
        correction->findChild<QPushButton *>(QStringLiteral("sButton1"))->click();
    }

    QRandomGenerator m_random;
    QDeadlineTimer m_end;
    TimedRecorder *m_recorder = nullptr;
    QSet<QString> m_missed;
    QElapsedTimer m_clock;
    double m_correctionShownMs = -1;
};

} // namespace

QJsonObject takeTests(int number, qint64 listId, int seconds)
{
    TDM dm;
    if (!dm.ADOConn.connected())
        fail(number, QStringLiteral("the word lists are not open"));
    // The learner menu's store, with its own connection, and the pupil made as New learner... makes one.
    ResultStore store;
    if (const std::optional<QString> why = store.prepare())
        fail(number, *why);
    const Learner learner = store.addLearner(QStringLiteral("Pupil %1").arg(number));

    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly) || input.readLine().trimmed() != "go")
        fail(number, QStringLiteral("no start"));

    Answerer pupil(number, QDeadlineTimer(qint64(seconds) * 1000));
    QRandomGenerator pauses{quint32(number)};
    QJsonArray ends;
    int tests = 0, kept = 0, unkept = 0;
    QString reason;
    while (!pupil.timeUp()) {
        // As the learner menu does before each test.
        if (const std::optional<QString> why = store.prepare())
            fail(number, *why);
        if (!store.learner(learner.id))
            fail(number, QStringLiteral("the learner has gone"));
        AnswerLog log(store, learner.id, ListRef{listId, kTestListName});
        TimedRecorder recorder(log);
        pupil.begin(&recorder);
        ShowSpelldeck(QString::number(listId), kTestListName, 0, 0, &recorder);
        ++tests;
        kept += log.kept();
        unkept += log.unkept();
        if (log.unkept() > 0)
            reason = log.unkeptReason();
        ends.append(recorder.endMs);
        // The pupil reads the result before starting the next test.
        QThread::msleep(pauses.bounded(300, 1000));
    }
    return {{QStringLiteral("tests"), tests},           {QStringLiteral("kept"), kept},
            {QStringLiteral("unkept"), unkept},         {QStringLiteral("reason"), reason},
            {QStringLiteral("samples"), pupil.samples}, {QStringLiteral("ends"), ends}};
}
