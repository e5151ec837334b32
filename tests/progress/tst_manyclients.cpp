// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A class at work on one server: 30 computers, each a process of its own (this program run again with
// --pupil), make their learner and store a test of 20 answers at the same moment. Afterwards every
// learner, answer, test and test end is there exactly once, under the right learner, with the texts
// as typed, and no computer was refused. Runs on the test server whose socket folder
// SPELLDECK_TEST_SERVER names (scripts/test-server.sh starts one); skips without it.
#include "AnswerLog.h"
#include "Catalogue.h"
#include "Exceptions.h"
#include "ResultStore.h"
#include "TestDatabase.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QThread>

#include <cstdio>
#include <iterator>
#include <memory>
#include <vector>

namespace {

constexpr int kPupils = 30;
const QString kListName = QStringLiteral("Week 'one' – été");

// Each word of the list and the misspelling typed for it: quotes, backslashes and letters beyond
// ASCII, which a statement built from text or a wrong client encoding would spoil.
struct Word
{
    const char *name;
    const char *misspelt;
};
const Word kWords[] = {
    {"l'été", "l’été"},
    {"it's", "its"},
    {"Größe", "Grösse"},
    {"naïve", "naive"},
    {"\"Hello\"", "'Hello'"},
    {"O'Connor's", "OConnors"},
    {"façade", "facade"},
    {"déjà vu", "deja vu"},
    {"日本語", "日本"},
    {"Ελλάδα", "Ελλαδα"},
    {"Straße", "Strasse"},
    {"crème brûlée", "creme brulee"},
    {"it''s", "it's"},
    {"back\\slash", "back/slash"},
    {"semi;colon", "semi colon"},
    {"100%", "100 %"},
    {"smile 🙂", "smile :)"},
    {"Ærø", "Aero"},
    {"Zürich", "Zurich"},
    {"naïveté", "naivete"},
};
constexpr int kWordCount = int(std::size(kWords));

QString pupilName(int pupil)
{
    return QStringLiteral("Élève %1 d'Artagnan").arg(pupil, 2, 10, QLatin1Char('0'));
}

// Pupils 3, 6, 9... make no mistake; every other pupil misses the four words whose place and pupil
// number add up to a multiple of five.
bool misses(int pupil, int word)
{
    return pupil % 3 != 0 && (pupil + word) % 5 == 0;
}

QString typedBy(int pupil, int word)
{
    return QString::fromUtf8(misses(pupil, word) ? kWords[word].misspelt : kWords[word].name);
}

// One computer: its learner made as New learner... makes one, then, at the word "go" on standard
// input, its test stored answer by answer as the test window reports it. Prints what the log says it
// kept; exits with 1 on any refusal.
int pupilMain(int pupil, qint64 listId)
{
    const auto fail = [pupil](const QString &why) {
        std::fprintf(stderr, "pupil %d: %s\n", pupil, qPrintable(why));
        return 1;
    };
    try {
        ResultStore store;
        if (const std::optional<QString> why = store.prepare())
            return fail(*why);
        const Learner learner = store.addLearner(pupilName(pupil));
        Query query(store.connection());
        query.setSQL(Catalogue::ListWords(QString::number(listId)));
        query.open();
        QList<TData> words;
        for (; !query.eof(); query.next())
            words << dataFromRow(query);
        if (words.size() != kWordCount)
            return fail(QStringLiteral("the list has %1 words").arg(words.size()));

        std::fputs("ready\n", stdout);
        std::fflush(stdout);
        QFile input;
        if (!input.open(stdin, QIODevice::ReadOnly) || input.readLine().trimmed() != "go")
            return fail(QStringLiteral("no start"));

        AnswerLog log(store, learner.id, ListRef{listId, kListName});
        log.testStarted(QDateTime::currentMSecsSinceEpoch());
        bool anyMissed = false;
        for (int i = 0; i < kWordCount; ++i) {
            const QString typed = typedBy(pupil, i);
            anyMissed = anyMissed || misses(pupil, i);
            log.answerChecked({&words.at(i), typed, typed == words.at(i).Name, 1,
                               QDateTime::currentMSecsSinceEpoch(), 1000 + i, 1});
            // A pupil far quicker than any, but slow enough that all 30 tests are under way together.
            QThread::msleep(15);
        }
        log.testEnded(anyMissed ? TestOutcome::Declined : TestOutcome::Finished, 1,
                      QDateTime::currentMSecsSinceEpoch());
        const QJsonObject kept{{QStringLiteral("kept"), log.kept()},
                               {QStringLiteral("unkept"), log.unkept()},
                               {QStringLiteral("reason"), log.unkeptReason()}};
        std::fputs(QJsonDocument(kept).toJson(QJsonDocument::Compact).constData(), stdout);
        return 0;
    } catch (const Exception &e) {
        return fail(e.message());
    }
}

} // namespace

class TestManyClients : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void noPupilWasRefused();
    void theTestsRanAtTheSameTime();
    void eachLearnerIsStoredOnce();
    void everyAnswerIsStoredOnceAsTyped();
    void eachTestStartsAndEndsOnce();

private:
    std::unique_ptr<TestDatabase> m_db;
    // What each pupil's process left behind: exit code, standard output, standard error.
    struct Pupil
    {
        int exitCode = -1;
        QByteArray output;
        QByteArray errors;
    };
    QList<Pupil> m_pupils;
};

void TestManyClients::initTestCase()
{
    m_db = std::make_unique<TestDatabase>();
    const QString list = m_db->addList(kListName);
    for (int i = 0; i < kWordCount; ++i)
        m_db->addWord(list, QString::fromUtf8(kWords[i].name), QStringLiteral("data/sounds/w.mp3"), i + 1);

    // Every process connected and waiting first, so that all of them store at the same moment.
    std::vector<std::unique_ptr<QProcess>> processes;
    for (int pupil = 1; pupil <= kPupils; ++pupil) {
        auto process = std::make_unique<QProcess>();
        process->start(QCoreApplication::applicationFilePath(),
                       {QStringLiteral("--pupil"), QString::number(pupil), QStringLiteral("--list"), list});
        processes.push_back(std::move(process));
    }
    for (auto &process : processes) {
        while (!process->canReadLine() && process->state() != QProcess::NotRunning)
            process->waitForReadyRead(30000);
        QVERIFY2(process->readLine() == "ready\n", process->readAllStandardError().constData());
    }
    // Written at once, not when each process is waited for.
    for (auto &process : processes) {
        process->write("go\n");
        process->waitForBytesWritten();
    }
    for (auto &process : processes) {
        QVERIFY(process->waitForFinished(60000));
        m_pupils << Pupil{process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1,
                          process->readAllStandardOutput(), process->readAllStandardError()};
    }
}

void TestManyClients::cleanupTestCase()
{
    m_db.reset();
}

void TestManyClients::noPupilWasRefused()
{
    QCOMPARE(m_pupils.size(), kPupils);
    for (qsizetype i = 0; i < m_pupils.size(); ++i) {
        const Pupil &pupil = m_pupils.at(i);
        const QString who = QStringLiteral("pupil %1: %2").arg(i + 1).arg(QString::fromUtf8(pupil.errors));
        QVERIFY2(pupil.exitCode == 0, qPrintable(who));
        QVERIFY2(pupil.errors.isEmpty(), qPrintable(who));
        const QJsonObject kept = QJsonDocument::fromJson(pupil.output).object();
        QCOMPARE(kept.value(QStringLiteral("kept")).toInt(), 20);
        QCOMPARE(kept.value(QStringLiteral("unkept")).toInt(), 0);
        QCOMPARE(kept.value(QStringLiteral("reason")).toString(), QString());
    }
}

void TestManyClients::theTestsRanAtTheSameTime()
{
    // Otherwise the figures below say nothing of many computers at once: the last pupil to store a
    // first answer did so before the first pupil to finish stored the last.
    const QString overlap =
        m_db->scalar(QStringLiteral("select min(last) - max(first) from (select min(answered_at) as first,"
                                    " max(answered_at) as last from d_answer group by learner_id) as tests"));
    QVERIFY2(overlap.toLongLong() > 0,
             qPrintable(QStringLiteral("no moment with every test under way (%1 ms)").arg(overlap)));
}

void TestManyClients::eachLearnerIsStoredOnce()
{
    QStringList expected;
    for (int pupil = 1; pupil <= kPupils; ++pupil)
        expected << pupilName(pupil) + QStringLiteral("|1");
    QCOMPARE(m_db->rows(QStringLiteral("select learner_name, count(*) from d_learner group by learner_name "
                                       "order by learner_name")),
             expected);
    QCOMPARE(m_db->scalar(QStringLiteral("select count(distinct learner_id) from d_learner")),
             QStringLiteral("30"));
}

void TestManyClients::everyAnswerIsStoredOnceAsTyped()
{
    // Joined by learner: an answer stored under another pupil's learner shows up as a wrong row.
    QStringList expected;
    for (int pupil = 1; pupil <= kPupils; ++pupil) {
        for (int i = 0; i < kWordCount; ++i)
            expected << QStringList{pupilName(pupil), QString::fromUtf8(kWords[i].name), typedBy(pupil, i),
                                    misses(pupil, i) ? QStringLiteral("0") : QStringLiteral("1"),
                                    QString::number(1000 + i)}
                            .join(QLatin1Char('|'));
    }
    const QStringList stored = m_db->rows(QStringLiteral(
        "select l.learner_name, a.word_name, a.typed, a.correct, a.think_ms from d_answer a "
        "join d_learner l on l.learner_id = a.learner_id order by l.learner_name, a.think_ms"));
    QCOMPARE(stored.size(), expected.size());
    QCOMPARE(stored, expected);
    // The list's name as it was asked, on every answer.
    QCOMPARE(m_db->column(QStringLiteral("select distinct type_name from d_answer")), QStringList{kListName});
    QCOMPARE(m_db->scalar(QStringLiteral("select count(distinct answer_id) from d_answer")),
             QStringLiteral("600"));
}

void TestManyClients::eachTestStartsAndEndsOnce()
{
    QStringList expected;
    for (int pupil = 1; pupil <= kPupils; ++pupil)
        expected << pupilName(pupil) + (pupil % 3 == 0 ? QStringLiteral("|1|finished|1|20")
                                                       : QStringLiteral("|1|declined|1|20"));
    // Each test with its one end and the answers under it, whose learner is the test's.
    QCOMPARE(
        m_db->rows(QStringLiteral(
            "select l.learner_name, count(distinct t.test_id), min(e.outcome), count(distinct e.test_id),"
            " count(a.answer_id) from d_learner l"
            " left join d_test t on t.learner_id = l.learner_id"
            " left join d_test_end e on e.test_id = t.test_id"
            " left join d_answer a on a.test_id = t.test_id and a.learner_id = l.learner_id"
            " group by l.learner_name order by l.learner_name")),
        expected);
    QCOMPARE(m_db->scalar(QStringLiteral("select count(*) from d_test_end")), QStringLiteral("30"));
    QCOMPARE(m_db->scalar(QStringLiteral("select count(*) from d_test")), QStringLiteral("30"));
}

int main(int argc, char **argv)
{
    // The user's own settings never name the server: only the test's folder in XDG_CONFIG_DIRS does.
    QStandardPaths::setTestModeEnabled(true);
    if (argc == 5 && qstrcmp(argv[1], "--pupil") == 0) {
        QCoreApplication app(argc, argv);
        return pupilMain(QByteArray(argv[2]).toInt(), QByteArray(argv[4]).toLongLong());
    }
    if (qEnvironmentVariableIsEmpty("SPELLDECK_TEST_SERVER")) {
        std::fputs("SKIP: SPELLDECK_TEST_SERVER names no server (scripts/test-server.sh starts one)\n",
                   stderr);
        return 77;
    }
    // Many computers at once is what the server is for: the test's database is always there.
    qputenv("SPELLDECK_TEST_BACKEND", "server");
    QCoreApplication app(argc, argv);
    TestManyClients test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_manyclients.moc"
