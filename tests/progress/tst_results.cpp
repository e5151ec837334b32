// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Results in the database: getting a file ready to keep them (upgraded, or refused with its reason),
// answers stored as they are checked and kept through a lock, learners' names stored exactly and
// removed with nothing but their own rows, the words due, and the figures of a report.
#include "AnswerLog.h"
#include "Dataset.h"
#include "DueWords.h"
#include "Exceptions.h"
#include "Report.h"
#include "ResultStore.h"
#include "TestDatabase.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

namespace {

QString fixture(const QString &name)
{
    return QStringLiteral(SPELLDECK_FIXTURES "/") + name;
}

// A second program in the middle of a change: it holds the write lock for as long as it lives.
class OtherProgram
{
public:
    explicit OtherProgram(const QString &file) : m_name(QStringLiteral("other-%1").arg(quintptr(this)))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(file);
        if (!db.open() || !QSqlQuery(db).exec(QStringLiteral("begin immediate")))
            qFatal("cannot lock the database");
    }
    ~OtherProgram()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(m_name);
            QSqlQuery(db).exec(QStringLiteral("rollback"));
            db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }
    OtherProgram(const OtherProgram &) = delete;
    OtherProgram &operator=(const OtherProgram &) = delete;

private:
    QString m_name;
};

TData word(const QString &id, const QString &name)
{
    TData data;
    data.ID = id;
    data.Name = name;
    return data;
}

// Noon of a day, local time.
qint64 at(const QDate &day, int hour = 12)
{
    return QDateTime(day, QTime(hour, 0)).toMSecsSinceEpoch();
}

} // namespace

class TestResults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readingNeverUpgrades();
    void gettingReady_data();
    void gettingReady();
    void answersAreStoredAsChecked();
    void aLockedDatabase_data();
    void aLockedDatabase();
    void aTestWithoutAnswersLeavesNothing();
    void learnerNames_data();
    void learnerNames();
    void refusedNames_data();
    void refusedNames();
    void theAccountsLearnerIsMadeOnce();
    void removingALearnerKeepsTheOthers();
    void dueWordsStillInTheirLists();
    void figuresOfAReport();
    void listsAndFirstDay();
};

void TestResults::readingNeverUpgrades()
{
    SKIP_ON_SERVER("an older version's");
    TestDatabase db;
    db.replaceWith(fixture("schema/version1.db"));
    ResultStore store;
    QVERIFY(!store.hasResults());
    QCOMPARE(store.learners(), QList<Learner>{});
    QCOMPARE(Report::load(store, Report::period(0, 0, QDate(2000, 1, 1), QDate(2100, 1, 1))).tests.size(), 0);
    QCOMPARE(db.scalar("pragma user_version"), QStringLiteral("1"));
    QCOMPARE(db.scalar("select count(*) from sqlite_master where name = 'd_answer'"), QStringLiteral("0"));
}

void TestResults::gettingReady_data()
{
    QTest::addColumn<bool>("versionOne");
    QTest::addColumn<QString>("damage"); // readonly, newer, locked
    QTest::addColumn<QString>("reason"); // empty: ready
    QTest::addColumn<QString>("versionAfter");
    QTest::newRow("newest") << false << ""
                            << ""
                            << "4";
    QTest::newRow("version 1 upgraded") << true << ""
                                        << ""
                                        << "4";
    const QString readOnly =
        "Results are not kept: the database cannot be written (attempt to write a readonly "
        "database). The word lists can be used as always.";
    QTest::newRow("read-only, version 1") << true << "readonly" << readOnly << "1";
    QTest::newRow("read-only, newest") << false << "readonly" << readOnly << "4";
    QTest::newRow("newer") << false << "newer"
                           << "This database was made by a newer version of Spelldeck, so this one keeps no "
                              "results in it. The word lists can be used as always."
                           << "5";
    const QString locked =
        "Results are not kept for now: another program is using the database (database is locked).";
    QTest::newRow("locked, version 1") << true << "locked" << locked << "1";
    QTest::newRow("locked, newest") << false << "locked" << locked << "4";
}

void TestResults::gettingReady()
{
    QFETCH(bool, versionOne);
    QFETCH(QString, damage);
    QFETCH(QString, reason);
    QFETCH(QString, versionAfter);
    SKIP_ON_SERVER("its version, and read-only or locked");
    TestDatabase db;
    if (versionOne)
        db.replaceWith(fixture("schema/version1.db"));
    if (damage == "newer")
        db.exec("pragma user_version = 5");
    const QStringList words = db.rows("select * from d_word");
    if (damage == "readonly" && !db.setReadOnly(true))
        QSKIP(qPrintable(db.readOnlyProblem()));
    std::optional<QString> why;
    {
        std::unique_ptr<OtherProgram> other;
        if (damage == "locked")
            other = std::make_unique<OtherProgram>(db.databaseFile());
        ResultStore store;
        why = store.prepare();
    }
    QCOMPARE(why.value_or(QString()), reason);
    QCOMPARE(db.scalar("pragma user_version"), versionAfter);
    QCOMPARE(db.rows("select * from d_word"), words);
}

void TestResults::answersAreStoredAsChecked()
{
    TestDatabase db;
    ResultStore store;
    const Learner ann = store.addLearner("Ann");
    AnswerLog log(store, ann.id, ListRef{7, "Week 3"});
    log.testStarted(1000);
    QCOMPARE(db.scalar("select count(*) from d_test"), QStringLiteral("0"));
    const TData their = word("12", "their");
    const TData there = word("13", "there");
    log.answerChecked({&their, "thier", false, 1, 2000, 1500, 2});
    // The test's start comes with its first answer, each at once.
    QCOMPARE(
        db.rows("select case when test_id <> '' then 'id' end, learner_id, type_id, type_name, practice, "
                "started_at from d_test"),
        QStringList{QStringLiteral("id|%1|7|Week 3|0|1000").arg(ann.id)});
    QCOMPARE(
        db.rows(
            "select learner_id, type_id, type_name, word_id, word_name, typed, correct, pass, answered_at,"
            " think_ms, plays from d_answer"),
        QStringList{QStringLiteral("%1|7|Week 3|12|their|thier|0|1|2000|1500|2").arg(ann.id)});
    log.answerChecked({&there, "there", true, 1, 3000, 800, 0});
    log.answerChecked({&their, "their", true, 2, 4000, 900, 1});
    QCOMPARE(db.column("select word_name || ':' || typed || ':' || pass from d_answer order by answered_at"),
             (QStringList{"their:thier:1", "there:there:1", "their:their:2"}));
    QCOMPARE(db.scalar("select count(distinct test_id) from d_answer"), QStringLiteral("1"));
    QCOMPARE(db.scalar("select count(distinct answer_id) from d_answer"), QStringLiteral("3"));
    QCOMPARE(db.scalar("select count(*) from d_test_end"), QStringLiteral("0"));
    log.testEnded(TestOutcome::Finished, 2, 5000);
    QCOMPARE(db.rows("select e.ended_at, e.outcome, e.passes from d_test_end e join d_test t on t.test_id = "
                     "e.test_id"),
             QStringList{"5000|finished|2"});
    QCOMPARE(log.kept(), 3);
    QCOMPARE(log.unkept(), 0);
}

void TestResults::aLockedDatabase_data()
{
    QTest::addColumn<int>("lockedFrom"); // the answer (1-based) from which another program holds the lock
    QTest::addColumn<int>("lockedTo");   // the last answer checked under the lock; 4: through the test's end
    QTest::addColumn<QStringList>("storedAfterEach");
    QTest::addColumn<int>("unkept");
    QTest::addColumn<QString>("ends");
    QTest::newRow("for one answer") << 2 << 2 << QStringList{"1", "1", "3"} << 0 << "1";
    QTest::newRow("for two answers") << 1 << 2 << QStringList{"0", "0", "3"} << 0 << "1";
    QTest::newRow("until the test has ended") << 2 << 4 << QStringList{"1", "1", "1"} << 2 << "0";
}

void TestResults::aLockedDatabase()
{
    SKIP_ON_SERVER("locked by another program");
    QFETCH(int, lockedFrom);
    QFETCH(int, lockedTo);
    QFETCH(QStringList, storedAfterEach);
    QFETCH(int, unkept);
    QFETCH(QString, ends);
    TestDatabase db;
    ResultStore store;
    const Learner ann = store.addLearner("Ann");
    AnswerLog log(store, ann.id, ListRef{7, "Week 3"});
    log.testStarted(1000);
    const QList<TData> words{word("1", "cat"), word("2", "dog"), word("3", "bird")};
    std::unique_ptr<OtherProgram> other;
    QStringList stored;
    for (int i = 1; i <= 3; ++i) {
        if (i == lockedFrom)
            other = std::make_unique<OtherProgram>(db.databaseFile());
        QElapsedTimer waited;
        waited.start();
        log.answerChecked({&words.at(i - 1), "x", false, 1, 1000 + i, 10, 0});
        // The test goes on: an answer that finds the lock waits only a moment.
        QVERIFY2(waited.elapsed() < 1000, qPrintable(QString::number(waited.elapsed())));
        if (i == lockedTo)
            other.reset();
        stored << db.scalar("select count(*) from d_answer");
    }
    log.testEnded(TestOutcome::Closed, 1, 5000);
    other.reset();
    QCOMPARE(stored, storedAfterEach);
    QCOMPARE(log.unkept(), unkept);
    QCOMPARE(log.unkeptReason(), QStringLiteral("database is locked"));
    QCOMPARE(db.scalar("select count(*) from d_test_end"), ends);
    QCOMPARE(db.scalar("select count(*) from d_test"),
             unkept == 3 ? QStringLiteral("0") : QStringLiteral("1"));
}

void TestResults::aTestWithoutAnswersLeavesNothing()
{
    TestDatabase db;
    ResultStore store;
    AnswerLog log(store, store.addLearner("Ann").id, ListRef{7, "Week 3"});
    log.testStarted(1000);
    log.testEnded(TestOutcome::Closed, 1, 2000);
    QCOMPARE(db.scalar("select (select count(*) from d_test) + (select count(*) from d_test_end)"),
             QStringLiteral("0"));
}

void TestResults::learnerNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("quotes") << QStringLiteral("Ann O'Neil \"Annie\"");
    QTest::newRow("255 characters") << QString(255, QLatin1Char('w'));
    QTest::newRow("other scripts") << QStringLiteral("Zoë Ørsted, 山田 太郎, Дмитрий, محمد");
    QTest::newRow("blanks kept") << QStringLiteral("  Ben  ");
    QTest::newRow("statement text") << QStringLiteral("x'); delete from d_word; --");
}

void TestResults::learnerNames()
{
    QFETCH(QString, name);
    TestDatabase db;
    const QString list = db.addList("Week 1");
    db.addWord(list, "cat", "", 1);
    ResultStore store;
    const Learner made = store.addLearner(name);
    QCOMPARE(store.learners(), (QList<Learner>{made}));
    QCOMPARE(store.learners().constFirst().name, name);
    store.renameLearner(made.id, name + "!");
    QCOMPARE(store.learner(made.id)->name, name + "!");
    QCOMPARE(db.scalar("select count(*) from d_word"), QStringLiteral("1"));
}

void TestResults::refusedNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << ""
                           << "A learner needs a name.";
    QTest::newRow("blanks") << "   "
                            << "A learner needs a name.";
    QTest::newRow("taken") << "Ann"
                           << "There is a learner named \"Ann\" already.";
}

void TestResults::refusedNames()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    TestDatabase db;
    ResultStore store;
    const Learner ann = store.addLearner("Ann");
    const Learner ben = store.addLearner("Ben");
    for (const auto &attempt : {std::function<void()>([&] { store.addLearner(name); }),
                                std::function<void()>([&] { store.renameLearner(ben.id, name); })}) {
        try {
            attempt();
            QFAIL("the name was taken");
        } catch (const Exception &e) {
            QCOMPARE(e.message(), message);
        }
    }
    QCOMPARE(db.column("select learner_name from d_learner order by learner_id"),
             (QStringList{"Ann", "Ben"}));
    // A learner keeps their own name.
    store.renameLearner(ann.id, "Ann");
}

void TestResults::theAccountsLearnerIsMadeOnce()
{
    TestDatabase db;
    ResultStore store;
    store.addLearner("Ann Smith");
    const Learner first = store.accountLearner("asmith", "Ann Smith");
    const Learner again = store.accountLearner("asmith", "A. Smith");
    QCOMPARE(again.id, first.id);
    QCOMPARE(again.name, QStringLiteral("Ann Smith"));
    QVERIFY(store.accountLearner("bjones", "Ben Jones").id != first.id);
    QCOMPARE(db.column("select learner_name || '/' || coalesce(learner_account, '-') from d_learner order by "
                       "learner_id"),
             (QStringList{"Ann Smith/-", "Ann Smith/asmith", "Ben Jones/bjones"}));
}

void TestResults::removingALearnerKeepsTheOthers()
{
    TestDatabase db;
    ResultStore store;
    const Learner ann = store.addLearner("Ann");
    const Learner ben = store.addLearner("Ben");
    const TData cat = word("1", "cat");
    for (const Learner &learner : {ann, ben}) {
        for (int test = 0; test < 2; ++test) {
            AnswerLog log(store, learner.id, ListRef{7, "Week 3"});
            log.testStarted(1000);
            log.answerChecked({&cat, "kat", false, 1, 2000, 10, 0});
            log.answerChecked({&cat, "cat", true, 2, 3000, 10, 0});
            log.testEnded(TestOutcome::Finished, 2, 4000);
        }
    }
    const auto bensRows = [&] {
        return db.rows("select * from d_answer where learner_id = ? order by answer_id", {ben.id}) +
               db.rows("select t.*, e.* from d_test t join d_test_end e on e.test_id = t.test_id where "
                       "t.learner_id = ? order by t.test_id",
                       {ben.id});
    };
    const QStringList before = bensRows();
    QCOMPARE(before.size(), 6);
    store.removeLearner(ann.id);
    QCOMPARE(bensRows(), before);
    QCOMPARE(db.column("select learner_name from d_learner"), QStringList{"Ben"});
    QCOMPARE(
        db.scalar("select (select count(*) from d_answer) || ' ' || (select count(*) from d_test) || ' ' ||"
                  " (select count(*) from d_test_end)"),
        QStringLiteral("4 2 2"));
}

void TestResults::dueWordsStillInTheirLists()
{
    TestDatabase db;
    const QString week1 = db.addList("Week 1");
    const QString week2 = db.addList("Week 2");
    const QString cat = db.addWord(week1, "cat", "data/sounds/cat.mp3", 1);
    const QString dog = db.addWord(week1, "dog", "", 2);
    const QString owl = db.addWord(week2, "owl", "owl.mp3", 1);
    const QString gone = db.addWord(week2, "gone", "", 2);
    ResultStore store;
    const Learner ann = store.addLearner("Ann");
    const Learner ben = store.addLearner("Ben");
    const QDate today = QDate::currentDate();
    const auto answer = [&](const Learner &learner, const QString &wordId, const QString &name, bool right,
                            int pass, int daysAgo) {
        AnswerLog log(store, learner.id, ListRef{1, "Week"});
        const TData asked = word(wordId, name);
        log.answerChecked({&asked, right ? name : "x", right, pass, at(today.addDays(-daysAgo)), 10, 0});
    };
    answer(ann, cat, "cat", false, 1, 5);   // due four days ago
    answer(ann, dog, "dog", true, 1, 0);    // not due before tomorrow
    answer(ann, owl, "owl", false, 1, 2);   // due yesterday
    answer(ann, owl, "owl", true, 2, 2);    // a later pass moves no box
    answer(ann, gone, "gone", false, 1, 9); // removed below
    answer(ben, dog, "dog", false, 1, 3);   // Ben's, not Ann's
    db.exec("delete from d_word where word_id = ?", {gone.toLongLong()});

    const DueWords all = dueWords(store, ann.id, 0, today);
    QStringList asked;
    for (const TData &w : all.words)
        asked << w.Name + "|" + w.Sound + "|" + all.lists.value(w.ID.toLongLong()).typeName;
    QCOMPARE(asked, (QStringList{"cat|data/sounds/cat.mp3|Week 1", "owl|owl.mp3|Week 2"}));
    QCOMPARE(all.dueInAll, 2);
    const DueWords second = dueWords(store, ann.id, week2.toLongLong(), today);
    QCOMPARE(second.words.size(), 1);
    QCOMPARE(second.words.constFirst().Name, QStringLiteral("owl"));
    QCOMPARE(dueCounts(store, ann.id, today),
             (QHash<qint64, int>{{week1.toLongLong(), 1}, {week2.toLongLong(), 1}}));
    QCOMPARE(dueWords(store, ben.id, 0, today).words.constFirst().Name, QStringLiteral("dog"));
}

void TestResults::figuresOfAReport()
{
    TestDatabase db;
    ResultStore store;
    const Learner ann = store.addLearner("Ann");
    const Learner ben = store.addLearner("Ben");
    const QDate monday(2026, 11, 2);
    const TData their = word("1", "their"), there = word("2", "there"), right = word("3", "right"),
                write = word("4", "write");
    const auto test = [&](const Learner &learner, const QDate &day, int hour,
                          const QList<CheckedAnswer> &answers, std::optional<TestOutcome> outcome,
                          int passes) {
        AnswerLog log(store, learner.id, ListRef{7, "Homophones"});
        log.testStarted(at(day, hour));
        qint64 ms = at(day, hour);
        for (CheckedAnswer answer : answers) {
            ms += 20000;
            answer.answeredAt = ms;
            log.answerChecked(answer);
        }
        if (outcome)
            log.testEnded(*outcome, passes, ms + 5000);
    };
    // Ann: 2 of 4 at the first try, then all in pass 2.
    test(ann, monday, 9,
         {{&their, "thier", false, 1},
          {&there, "there", true, 1},
          {&right, "rite", false, 1},
          {&write, "write", true, 1},
          {&their, "their", true, 2},
          {&right, "right", true, 2}},
         TestOutcome::Finished, 2);
    // Ann, a week later: 3 of 4, declined a second pass.
    test(ann, monday.addDays(7), 9,
         {{&their, "thier", false, 1},
          {&there, "there", true, 1},
          {&right, "right", true, 1},
          {&write, "write", true, 1}},
         TestOutcome::Declined, 1);
    // Ben, the same day as Ann's first: none of 2, and the program was stopped.
    test(ben, monday, 14, {{&their, "thier", false, 1}, {&there, "their", false, 1}}, std::nullopt, 1);

    const Report::Figures anns = Report::load(store, Report::period(ann.id, 0, monday, monday.addDays(30)));
    QStringList tests;
    for (const Report::Test &t : anns.tests)
        tests << QStringLiteral("%1|%2|%3|%4|%5|%6")
                     .arg(t.learnerName, Report::scoreText(t), t.outcome)
                     .arg(t.passesNeeded().value_or(0))
                     .arg(t.passes)
                     .arg(t.takenMs());
    QCOMPARE(tests,
             (QStringList{"Ann|2 of 4 (50%)|finished|2|2|125000", "Ann|3 of 4 (75%)|declined|0|1|85000"}));
    QStringList words;
    for (const Report::Word &w : anns.words) {
        QStringList typed;
        for (const Report::Misspelling &m : w.misspellings)
            typed << QStringLiteral("%1x%2").arg(m.typed).arg(m.times);
        words << QStringLiteral("%1|%2|%3|%4|%5%|%6")
                     .arg(w.word)
                     .arg(w.asked)
                     .arg(w.missed)
                     .arg(w.misses)
                     .arg(w.missRate())
                     .arg(typed.join(","));
    }
    QCOMPARE(words, (QStringList{"their|2|2|2|100%|thierx2", "right|2|1|1|50%|ritex1", "there|2|0|0|0%|",
                                 "write|2|0|0|0%|"}));
    QCOMPARE(anns.words.constFirst().lastMissed, at(monday.addDays(7), 9) + 20000);
    QCOMPARE(anns.points.size(), 2);
    QCOMPARE(anns.points.at(1).score, 75);

    // Everyone: Ben's test, never ended, takes until its last answer; a day's tests share a point.
    const Report::Figures all = Report::load(store, Report::period(0, 0, monday, monday.addDays(30)));
    QCOMPARE(all.tests.size(), 3);
    QCOMPARE(all.tests.at(1).learnerName, QStringLiteral("Ben"));
    QCOMPARE(all.tests.at(1).ended, false);
    QCOMPARE(all.tests.at(1).takenMs(), 40000);
    QCOMPARE(all.words.constFirst().misspellings.constFirst().typed, QStringLiteral("thier"));
    QCOMPARE(all.words.constFirst().misspellings.constFirst().times, 3);
    QCOMPARE(all.words.constFirst().misspellings.constFirst().learners, 2);
    QList<int> points;
    for (const Report::Point &p : all.points)
        points << p.score;
    QCOMPARE(points, (QList<int>{25, 75}));
    QCOMPARE(all.points.constFirst().tests, 2);

    // A period and a list narrow it down.
    QCOMPARE(Report::load(store, Report::period(0, 0, monday.addDays(1), monday.addDays(30))).tests.size(),
             1);
    QCOMPARE(Report::load(store, Report::period(0, 8, monday, monday.addDays(30))).tests.size(), 0);
    QCOMPARE(Report::lists(store, Report::period(0, 0, monday, monday)).size(), 1);
    QCOMPARE(Report::firstDay(store, Report::period(ben.id, 0, monday, monday)),
             std::optional<QDate>(monday));
}

void TestResults::listsAndFirstDay()
{
    TestDatabase db;
    ResultStore store;
    const Learner ann = store.addLearner("Ann");
    const Learner ben = store.addLearner("Ben");
    const QDate monday(2026, 11, 2);
    const TData cat = word("1", "cat"), owl = word("2", "owl");
    const auto test = [&](const Learner &learner, const QDate &day, const ListRef &list, const TData &asked,
                          AnswerLog::Kind kind = AnswerLog::Test, QHash<qint64, ListRef> lists = {}) {
        AnswerLog log(store, learner.id, list, kind, std::move(lists));
        log.testStarted(at(day, 9));
        log.answerChecked({&asked, asked.Name, true, 1, at(day, 9) + 20000, 1000, 0});
        log.testEnded(TestOutcome::Finished, 1, at(day, 9) + 25000);
    };
    // A list renamed between two tests goes by its newer name; a practice of every list names the
    // lists of its words.
    test(ann, monday.addDays(7), {7, "Week 3"}, cat);
    test(ann, monday.addDays(14), {7, "Week 3, animals"}, cat);
    test(ben, monday, {8, "Ben's words"}, owl);
    test(ben, monday.addDays(1), {0, "every list"}, owl, AnswerLog::Practice, {{2, ListRef{9, "Birds"}}});

    const auto names = [&](qint64 learner) {
        QStringList shown;
        for (const ListRef &list :
             Report::lists(store, Report::period(learner, 0, monday, monday.addDays(30))))
            shown << QStringLiteral("%1 %2").arg(list.typeId).arg(list.typeName);
        return shown;
    };
    QCOMPARE(names(ann.id), QStringList{"7 Week 3, animals"});
    QCOMPARE(names(ben.id), (QStringList{"8 Ben's words", "9 Birds"}));
    QCOMPARE(names(0), (QStringList{"8 Ben's words", "9 Birds", "7 Week 3, animals"}));

    const auto first = [&](qint64 learner, qint64 list) {
        return Report::firstDay(store, Report::period(learner, list, monday, monday));
    };
    QCOMPARE(first(ann.id, 0), std::optional<QDate>(monday.addDays(7)));
    QCOMPARE(first(0, 0), std::optional<QDate>(monday));
    // Ben's answers of the birds list came in the practice of every list.
    QCOMPARE(first(ben.id, 9), std::optional<QDate>(monday.addDays(1)));
    QCOMPARE(first(ann.id, 9), std::nullopt);
}

QTEST_GUILESS_MAIN(TestResults)
#include "tst_results.moc"
