// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a server does that a file does not: it gives up one of two transactions that wait for each
// other, and it goes away and comes back while the program runs. Runs on the throwaway server whose
// socket folder SPELLDECK_TEST_SERVER names, and on a private one of its own; skips without them.
#include "Catalogue.h"
#include "Dataset.h"
#include "Exceptions.h"
#include "Schema.h"
#include "ServerDatabase.h"
#include "SharedLists.h"

#include <QAtomicInt>
#include <QProcess>
#include <QSemaphore>
#include <QSqlDatabase>
#include <QTest>
#include <QThread>

namespace {

// Runs `computer` for 0 and for 1 on two threads at once; false when they did not both end in time.
bool runTogether(const std::function<void(int)> &computer)
{
    std::unique_ptr<QThread> first(QThread::create(computer, 0));
    std::unique_ptr<QThread> second(QThread::create(computer, 1));
    first->start();
    second->start();
    const bool firstEnded = first->wait(30000);
    return second->wait(30000) && firstEnded;
}

// The names of the two lists, as one connection reads them.
QStringList listNames(Connection &connection)
{
    Query query(connection);
    query.setSQL(Catalogue::ListLists());
    query.open();
    QStringList names;
    for (; !query.eof(); query.next())
        names << query.fieldByName(Schema::kTypeName);
    return names;
}

// The cause and text of what `work` raised; Other and "" when it raised nothing.
std::pair<EDatabaseError::Cause, QString> failureOf(const std::function<void()> &work)
{
    try {
        work();
    } catch (const EDatabaseError &e) {
        return {e.cause(), e.message()};
    }
    return {EDatabaseError::Cause::Other, QString()};
}

} // namespace

class TestServerFaults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void aDeadlockIsAskedAgain();
    void aConflictThatStaysIsReported();
    void twoAddingAtOnceTakeTwoPlaces();
    void aDroppedSessionComesBack();
    void theServerStopsAndStartsUnderTheProgram();
};

void TestServerFaults::initTestCase()
{
    if (testServerFolder().isEmpty())
        QSKIP("SPELLDECK_TEST_SERVER names no server (scripts/test-server.sh starts one)");
}

void TestServerFaults::aDeadlockIsAskedAgain()
{
    ServerDatabase server;
    server.createSchema();
    server.exec(QStringLiteral("insert into d_type(type_name) values('one'), ('two')"));
    const ServerAddress address = server.address();

    // Two computers change the same two lists in opposite orders, each holding its first row while
    // it waits for the other's: the server ends one of them, which must then go through.
    QSemaphore bothHoldOne;
    QAtomicInt attempts;
    QStringList failures(2);
    auto computer = [&](int which) {
        Connection connection;
        connection.setServer(address);
        const QString mine = which == 0 ? QStringLiteral("first's") : QStringLiteral("second's");
        const QString firstId = QString::number(which + 1);
        const QString secondId = QString::number(2 - which);
        bool waited = false;
        try {
            retryingConflicts([&] {
                attempts.fetchAndAddRelaxed(1);
                Transaction transaction(connection);
                Query query(connection);
                query.setSQL(Catalogue::RenameList(mine, firstId));
                query.execSQL();
                if (!waited) {
                    waited = true;
                    bothHoldOne.release();
                    bothHoldOne.acquire(2);
                    bothHoldOne.release(2);
                }
                query.setSQL(Catalogue::RenameList(mine, secondId));
                query.execSQL();
                transaction.commit();
            });
        } catch (const Exception &e) {
            failures[which] = e.message();
        }
    };
    QVERIFY(runTogether(computer));

    QCOMPARE(failures, (QStringList{QString(), QString()}));
    QCOMPARE(attempts.loadRelaxed(), 3);
    // The one asked again went last, and both of its changes hold.
    const QStringList names = server.rows(QStringLiteral("select type_name from d_type order by type_id"));
    QVERIFY2(names == (QStringList{"first's", "first's"}) || names == (QStringList{"second's", "second's"}),
             qPrintable(names.join(", ")));
}

void TestServerFaults::aConflictThatStaysIsReported()
{
    int attempts = 0;
    const auto [cause, message] = failureOf([&] {
        retryingConflicts([&] {
            ++attempts;
            throw EDatabaseError(QStringLiteral("deadlock detected"), EDatabaseError::Cause::Conflict);
        });
    });
    QCOMPARE(attempts, 4);
    QCOMPARE(message, QStringLiteral("deadlock detected"));
    QCOMPARE(cause, EDatabaseError::Cause::Conflict);
    // Anything else is not asked again.
    attempts = 0;
    failureOf([&] {
        retryingConflicts([&] {
            ++attempts;
            throw EDatabaseError(QStringLiteral("permission denied for table d_type"));
        });
    });
    QCOMPARE(attempts, 1);
}

void TestServerFaults::twoAddingAtOnceTakeTwoPlaces()
{
    ServerDatabase server;
    server.createSchema();
    server.exec(QStringLiteral("insert into d_type(type_name) values('Week 1')"));
    server.exec(QStringLiteral("insert into d_word(word_name, type_id, word_order) values('apple', 1, 1)"));
    const ServerAddress address = server.address();

    // Both editors show one word; the first takes its place and keeps the list a while before it
    // commits, the second comes meanwhile.
    QSemaphore firstHasItsPlace;
    qint32 places[2] = {0, 0};
    auto computer = [&](int which) {
        Connection connection;
        connection.setServer(address);
        if (which == 1)
            firstHasItsPlace.acquire();
        Transaction transaction(connection);
        places[which] = SharedLists::nextPosition(connection, QStringLiteral("1"), 1);
        Query query(connection);
        query.setSQL(Catalogue::InsertWord(QStringLiteral("word %1").arg(which), QString(),
                                           QStringLiteral("1"), places[which]));
        query.execSQL();
        if (which == 0) {
            firstHasItsPlace.release();
            QThread::msleep(300);
        }
        transaction.commit();
    };
    QVERIFY(runTogether(computer));
    QCOMPARE(places[0], 2);
    QCOMPARE(places[1], 3);
    QCOMPARE(server.rows(QStringLiteral("select word_name, word_order from d_word order by word_order")),
             (QStringList{"apple|1", "word 0|2", "word 1|3"}));
    // The file keeps the editor's count.
    Connection file;
    QCOMPARE(SharedLists::nextPosition(file, QStringLiteral("1"), 7), 8);
    QVERIFY(!file.connected());
}

void TestServerFaults::aDroppedSessionComesBack()
{
    ServerDatabase server;
    server.createSchema();
    server.exec(QStringLiteral("insert into d_type(type_name) values('Week 1')"));
    Connection program;
    program.setServer(server.address());
    QCOMPARE(listNames(program), QStringList{"Week 1"});

    // Outside a transaction, and inside one: the step fails, saying why, and the next connects again.
    for (const bool inTransaction : {false, true}) {
        server.dropOtherSessions();
        const auto [cause, message] = failureOf([&] {
            if (inTransaction) {
                Transaction transaction(program);
                Query query(program);
                query.setSQL(Catalogue::RenameList(QStringLiteral("lost"), QStringLiteral("1")));
                query.execSQL();
                transaction.commit();
            } else {
                listNames(program);
            }
        });
        QCOMPARE(cause, EDatabaseError::Cause::Lost);
        QVERIFY2(message.startsWith(QStringLiteral("The connection to the database server was lost (")) &&
                     message.endsWith(QStringLiteral("). The next step connects again.")),
                 qPrintable(message));
        QVERIFY(!program.connected());
        QCOMPARE(listNames(program), QStringList{"Week 1"});
    }
    // A failure of the statement's own is not taken for a lost server.
    const auto [cause, message] = failureOf([&] {
        Query query(program);
        query.setSQL(QStringLiteral("select * from d_nothing"));
        query.open();
    });
    QCOMPARE(cause, EDatabaseError::Cause::Other);
    QCOMPARE(message, QStringLiteral("relation \"d_nothing\" does not exist"));
    QVERIFY(program.connected());
}

void TestServerFaults::theServerStopsAndStartsUnderTheProgram()
{
    // A server of this case's own: stopping the run's would stop every other test's.
    const QString folder = testServerScript({QStringLiteral("start")});
    QVERIFY2(!folder.isEmpty(), "no private server");
    auto removal = qScopeGuard([&] { testServerScript({QStringLiteral("stop"), folder}); });
    {
        ServerDatabase server(folder);
        server.createSchema();
        server.exec(QStringLiteral("insert into d_type(type_name) values('Week 1')"));
        server.connection.close();
        Connection program;
        program.setServer(server.address());
        QCOMPARE(listNames(program), QStringList{"Week 1"});

        testServerScript({QStringLiteral("halt"), folder});
        QCOMPARE(failureOf([&] { listNames(program); }).first, EDatabaseError::Cause::Lost);
        // While it is away each step says so, with libpq's own text.
        const auto [cause, message] = failureOf([&] { listNames(program); });
        QCOMPARE(cause, EDatabaseError::Cause::Other);
        QVERIFY2(message.contains(QStringLiteral("No such file or directory")), qPrintable(message));

        testServerScript({QStringLiteral("resume"), folder});
        QCOMPARE(listNames(program), QStringList{"Week 1"});
        Transaction transaction(program);
        Query query(program);
        query.setSQL(Catalogue::RenameList(QStringLiteral("Week 2"), QStringLiteral("1")));
        query.execSQL();
        transaction.commit();
        QCOMPARE(listNames(program), QStringList{"Week 2"});
    }
}

QTEST_GUILESS_MAIN(TestServerFaults)
#include "tst_serverfaults.moc"
