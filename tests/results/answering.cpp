// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A test taken in the test window of a process of its own, so that the process can be killed half-way:
// answering <learner id> <list id> <list name> <answer>... in the database's folder. It says "checked n"
// as each answer goes in and "waiting" once the word after the last answer is on screen, then waits to
// be killed.

#include "AnswerLog.h"
#include "Application.h"
#include "ResultStore.h"
#include "TestTaker.h"
#include "uDM.h"

#include <QStandardPaths>
#include <QThread>

#include <cstdio>

int main(int argc, char **argv)
{
    Application app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4) {
        std::fputs("usage: answering <learner id> <list id> <list name> <answer>...\n", stderr);
        return 2;
    }
    QList<std::optional<QString>> answers;
    for (const QString &answer : args.mid(4))
        answers << answer;
    const qsizetype given = answers.size();
    answers << QStringLiteral("never typed"); // the taker wants an answer for the word it waits on
    TDM dm;
    ResultStore store;
    AnswerLog log(store, args.at(1).toLongLong(), ListRef{args.at(2).toLongLong(), args.at(3)});
    TestTaker taker(answers);
    int presented = 0;
    taker.atEachWord = [&](TfrmTest *) {
        if (presented++ < given)
            return;
        std::printf("checked %d\nwaiting\n", presented - 1);
        std::fflush(stdout);
        for (;;)
            QThread::sleep(1);
    };
    ShowSpelldeck(args.at(2), args.at(3), 0, 0, &log);
    return 1; // the test ended before it could be killed
}
