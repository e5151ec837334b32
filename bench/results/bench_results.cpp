// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A year of a class's results: 30 learners, 5 tests a week of 20 words over 40 weeks (120,000
// first-pass answers, and the second passes over the misses), on 40 lists of 20 words. Measures what
// a learner and a teacher wait for: storing an answer at Check word, opening the Results window,
// finding the words due, and what the Results window adds to the program's memory. Start-up, which
// runs no results query, is measured by bench/startup/run.sh.
//
// bench_results             makes the database in a temporary folder and prints the figures
// bench_results --keep DIR  also leaves the database in DIR/data/data.db, for looking at it
#include "Bench.h"

#include "AnswerLog.h"
#include "DatabaseTool.h"
#include "DueWords.h"
#include "QuietToolkit.h"
#include "Report.h"
#include "ResultStore.h"
#include "Schema.h"
#include "uResults.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>
#include <QUuid>

#include <cstdio>

namespace {

constexpr int kLearners = 30;
constexpr int kLists = 40;
constexpr int kWordsPerList = 20;
constexpr int kWeeks = 40;
constexpr int kTestsPerWeek = 5;

// Resident memory of this process in KiB.
qint64 residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').constFirst().toLongLong();
    }
    return -1;
}

void check(bool ok, QSqlQuery &query)
{
    if (!ok) {
        std::fprintf(stderr, "cannot fill the database: %s\n", qPrintable(query.lastError().text()));
        std::exit(1);
    }
}

// The rows AnswerLog writes, written directly in one transaction so that a year takes seconds.
qint64 fill(const QString &file)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-fill"));
    db.setDatabaseName(file);
    db.open();
    qint64 answers = 0;
    {
        QSqlQuery query(db);
        check(query.exec(QStringLiteral("begin")), query);
        query.prepare(QStringLiteral("insert into d_type(type_id, type_name) values(?, ?)"));
        for (int list = 1; list <= kLists; ++list) {
            query.addBindValue(list);
            query.addBindValue(QStringLiteral("Week %1").arg(list));
            check(query.exec(), query);
        }
        query.prepare(
            QStringLiteral("insert into d_word(word_id, word_name, word_sound, type_id, word_order) "
                           "values(?, ?, ?, ?, ?)"));
        for (int list = 1; list <= kLists; ++list) {
            for (int i = 1; i <= kWordsPerList; ++i) {
                const int id = (list - 1) * kWordsPerList + i;
                query.addBindValue(id);
                query.addBindValue(QStringLiteral("word%1").arg(id));
                query.addBindValue(QStringLiteral("data/sounds/word%1.mp3").arg(id));
                query.addBindValue(list);
                query.addBindValue(i);
                check(query.exec(), query);
            }
        }
        query.prepare(QStringLiteral("insert into d_learner(learner_id, learner_name) values(?, ?)"));
        for (int learner = 1; learner <= kLearners; ++learner) {
            query.addBindValue(learner);
            query.addBindValue(QStringLiteral("Learner %1").arg(learner));
            check(query.exec(), query);
        }

        QSqlQuery test(db);
        test.prepare(QStringLiteral("insert into d_test(test_id, learner_id, type_id, type_name, practice, "
                                    "started_at) values(?, ?, ?, ?, 0, ?)"));
        QSqlQuery end(db);
        end.prepare(QStringLiteral("insert into d_test_end(test_id, ended_at, outcome, passes) "
                                   "values(?, ?, 'finished', ?)"));
        QSqlQuery answer(db);
        answer.prepare(
            QStringLiteral("insert into d_answer(answer_id, test_id, learner_id, type_id, type_name, "
                           "word_id, word_name, typed, correct, pass, answered_at, think_ms, plays) "
                           "values(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        QRandomGenerator random(20261211);
        const QDateTime firstDay = QDateTime(QDate::currentDate().addDays(-7 * kWeeks), QTime(9, 0));
        for (int learner = 1; learner <= kLearners; ++learner) {
            for (int week = 0; week < kWeeks; ++week) {
                const int list = week % kLists + 1;
                const QString listName = QStringLiteral("Week %1").arg(list);
                for (int day = 0; day < kTestsPerWeek; ++day) {
                    const QString testId = QUuid::createUuid().toString(QUuid::WithoutBraces);
                    qint64 at = firstDay.addDays(7 * week + day).addSecs(60 * learner).toMSecsSinceEpoch();
                    test.addBindValue(testId);
                    test.addBindValue(learner);
                    test.addBindValue(list);
                    test.addBindValue(listName);
                    test.addBindValue(at);
                    check(test.exec(), test);
                    QList<int> missed;
                    const auto store = [&](int i, bool right, int pass) {
                        const int wordId = (list - 1) * kWordsPerList + i;
                        const QString word = QStringLiteral("word%1").arg(wordId);
                        at += 6000;
                        answer.addBindValue(QUuid::createUuid().toString(QUuid::WithoutBraces));
                        answer.addBindValue(testId);
                        answer.addBindValue(learner);
                        answer.addBindValue(list);
                        answer.addBindValue(listName);
                        answer.addBindValue(wordId);
                        answer.addBindValue(word);
                        answer.addBindValue(right ? word : word + QChar(u'a' + char16_t(random.bounded(3))));
                        answer.addBindValue(right ? 1 : 0);
                        answer.addBindValue(pass);
                        answer.addBindValue(at);
                        answer.addBindValue(3000 + random.bounded(4000));
                        answer.addBindValue(1);
                        check(answer.exec(), answer);
                        ++answers;
                    };
                    for (int i = 1; i <= kWordsPerList; ++i) {
                        const bool right = random.bounded(100) < 80;
                        store(i, right, 1);
                        if (!right)
                            missed << i;
                    }
                    for (const int i : std::as_const(missed))
                        store(i, true, 2);
                    end.addBindValue(testId);
                    end.addBindValue(at + 2000);
                    end.addBindValue(missed.isEmpty() ? 1 : 2);
                    check(end.exec(), end);
                }
            }
        }
        check(query.exec(QStringLiteral("commit")), query);
    }
    db.close();
    db = {};
    QSqlDatabase::removeDatabase(QStringLiteral("bench-fill"));
    return answers;
}

} // namespace

int main(int argc, char **argv)
{
    useHeadlessDevices();
    QApplication app(argc, argv);
    QuietToolkit toolkit;
    Toolkit::setInstance(&toolkit);
    const QStringList args = QCoreApplication::arguments();
    const QString keep = args.size() == 3 && args.at(1) == QLatin1String("--keep") ? args.at(2) : QString();

    const QString previous = QDir::currentPath();
    const QString folder = keep.isEmpty() ? QDir::temp().filePath(QStringLiteral("spelldeck-bench-") +
                                                                  QUuid::createUuid().toString(QUuid::Id128))
                                          : QDir(keep).absolutePath();
    const QString file = folder + QLatin1Char('/') + QString::fromLatin1(Schema::kDatabasePath);
    DatabaseTool::createDatabase(file, false);
    QElapsedTimer made;
    made.start();
    const qint64 answers = fill(file);
    std::printf("%lld answers of %d learners made in %.1f s\n\n", static_cast<long long>(answers), kLearners,
                double(made.elapsed()) / 1000);
    QDir::setCurrent(folder);
    {
        ResultStore store;
        if (const std::optional<QString> why = store.prepare()) {
            std::fprintf(stderr, "%s\n", qPrintable(*why));
            return 1;
        }

        // Memory: the program before any Results window, then with the window for everyone open (its
        // figures, models, chart and the libraries it wakes).
        // The program has its main window up before anyone opens Results: fonts, style and the window
        // system's buffers are counted before, as there.
        {
            QWidget main;
            auto *table = new QTableView(&main);
            table->setGeometry(0, 0, 300, 200);
            new QLabel(QStringLiteral("Spelldeck"), &main);
            main.resize(338, 394);
            main.show();
            QApplication::processEvents();
        }
        const qint64 before = residentKiB();
        {
            TfrmResults window(nullptr, store, 0);
            window.show();
            QApplication::processEvents();
            const qint64 after = residentKiB();
            std::printf("%-52s %9.1f MiB   (target under 20 MiB)\n\n",
                        "memory added by the Results window (all learners)", double(after - before) / 1024);
        }

        // What Check word pays: one short transaction for the answer (and the test's row with the first).
        TData word;
        word.ID = QStringLiteral("1");
        word.Name = QStringLiteral("word1");
        AnswerLog log(store, 7, ListRef{1, QStringLiteral("Week 1")});
        qint64 at = QDateTime::currentMSecsSinceEpoch();
        log.testStarted(at);
        measure(QStringLiteral("storing an answer at Check word"), 200, [&] {
            log.answerChecked({&word, QStringLiteral("word1"), true, 1, ++at, 4000, 1});
        });
        log.testEnded(TestOutcome::Finished, 1, ++at);

        measure(QStringLiteral("Results window, one learner, shown"), 10, [&] {
            TfrmResults window(nullptr, store, 7);
            window.show();
            QApplication::processEvents();
        });
        measure(QStringLiteral("Results window, all learners, shown"), 10, [&] {
            TfrmResults window(nullptr, store, 0);
            window.show();
            QApplication::processEvents();
        });
        const QDate today = QDate::currentDate();
        // Its parts, for everyone over the year.
        const Report::Filter everything = Report::period(0, 0, today.addYears(-2), today);
        measure(QStringLiteral("  its figures read (Report::load, all)"), 10,
                [&] { (void)Report::load(store, everything); });
        measure(QStringLiteral("  its lists read (Report::lists, all)"), 10,
                [&] { (void)Report::lists(store, everything); });
        measure(QStringLiteral("  its first day (Report::firstDay, all)"), 10,
                [&] { (void)Report::firstDay(store, everything); });
        measure(QStringLiteral("the words due for one learner, all lists"), 20,
                [&] { (void)dueWords(store, 7, 0, today); });
        measure(QStringLiteral("the words due for one learner, one list"), 20,
                [&] { (void)dueWords(store, 7, 3, today); });
        measure(QStringLiteral("words due counted for each list (practice window)"), 20,
                [&] { (void)dueCounts(store, 7, today); });

        std::printf("%-52s %s\n", "start-up", "see bench/startup/run.sh (no results query before it)");
    }
    QDir::setCurrent(previous);
    if (keep.isEmpty())
        QDir(folder).removeRecursively();
    else
        std::printf("\nThe database is in %s\n", qPrintable(file));
    Toolkit::setInstance(nullptr);
    return 0;
}
