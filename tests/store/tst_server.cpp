// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The word lists on a PostgreSQL server, through the same statements as the file: the schema made
// and versioned there, new ids read back from the insert itself, the removal rules, and the failures
// a server has of its own. Runs on the throwaway server whose socket folder SPELLDECK_TEST_SERVER
// names (scripts/test-server.sh starts one); skips without it.
#include "Catalogue.h"
#include "Dataset.h"
#include "Exceptions.h"
#include "Schema.h"
#include "Sentences.h"
#include "ServerDatabase.h"
#include "SqlRows.h"
#include "uGlobal.h"

#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

class TestServer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void schemaIsMadeAndVersioned();
    void theListsStatementsWorkAsOnTheFile();
    void removalRulesHold();
    void aLearnerChangesNoList();
    void lockWaitsAsSet();
    void failuresGiveTheServersText_data();
    void failuresGiveTheServersText();
};

void TestServer::initTestCase()
{
    if (testServerFolder().isEmpty())
        QSKIP("SPELLDECK_TEST_SERVER names no server (scripts/test-server.sh starts one)");
}

void TestServer::schemaIsMadeAndVersioned()
{
    ServerDatabase server;
    QSqlDatabase db = server.connection.database();
    QCOMPARE(Schema::version(db), 0);
    Schema::create(db);
    QCOMPARE(Schema::version(db), 4);
    QCOMPARE(
        server.rows(QStringLiteral("select tablename from pg_tables where schemaname = 'public' order by 1")),
        (QStringList{"d_answer", "d_learner", "d_recording", "d_schema", "d_sentence", "d_test", "d_test_end",
                     "d_type", "d_word"}));
    QCOMPARE(server.rows(QStringLiteral("select tgname from pg_trigger where not tgisinternal order by 1")),
             (QStringList{"d_type_delete_words", "d_word_delete_sentence"}));
    // Upgrading the newest does nothing.
    QCOMPARE(Schema::upgrade(db), 4);
    QCOMPARE(server.rows(QStringLiteral("select version from d_schema")), QStringList{"4"});
}

void TestServer::theListsStatementsWorkAsOnTheFile()
{
    ServerDatabase server;
    server.createSchema();
    Table table(server.connection);
    const QString week = Catalogue::AppendList(table, QStringLiteral("Week 'one'"));
    QCOMPARE(week, QStringLiteral("1"));
    Query query(server.connection);
    QStringList ids;
    for (const QString &word : {QStringLiteral("their"), QStringLiteral("Größe"), QStringLiteral("it's")}) {
        query.setSQL(
            Catalogue::InsertWord(word, QStringLiteral("data/sounds/x.mp3"), week, qint32(ids.size() + 1)));
        query.execSQL();
        ids << QString::number(query.lastInsertId());
    }
    QCOMPARE(ids, (QStringList{"1", "2", "3"}));
    query.setSQL(Catalogue::UpdateWord(QStringLiteral("there"), QString(), ids.at(0)));
    query.execSQL();
    query.setSQL(Catalogue::SetWordOrder(9, ids.at(1)));
    query.execSQL();
    query.setSQL(Catalogue::RenameList(QStringLiteral("Week \"1\""), week));
    query.execSQL();
    query.setSQL(Catalogue::ListWords(week));
    query.open();
    QStringList words;
    for (; !query.eof(); query.next()) {
        const TData word = dataFromRow(query);
        words << word.ID + QLatin1Char('|') + word.Name + QLatin1Char('|') + word.Sound;
    }
    QCOMPARE(words, (QStringList{"1|there|", "3|it's|data/sounds/x.mp3", "2|Größe|data/sounds/x.mp3"}));
    query.setSQL(Catalogue::ListLists());
    query.open();
    QCOMPARE(typeDataFromRow(query).Name, QStringLiteral("Week \"1\""));

    // Sentences, set and replaced with the same statement as on the file.
    Sentences::store(server.connection, ids.at(0), QStringLiteral("Put it over there."));
    Sentences::store(server.connection, ids.at(0), QStringLiteral("They went there."));
    QCOMPARE(Sentences::ofList(server.connection, week).value(ids.at(0)), QStringLiteral("They went there."));
}

void TestServer::removalRulesHold()
{
    ServerDatabase server;
    server.createSchema();
    server.exec(QStringLiteral("insert into d_type(type_name) values('a'), ('b')"));
    server.exec(QStringLiteral("insert into d_word(word_name, type_id) values('x', 1), ('y', 1), ('z', 2)"));
    for (const QString id : {"1", "2", "3"})
        Sentences::store(server.connection, id, QStringLiteral("Sentence ") + id);
    Query query(server.connection);
    query.setSQL(Catalogue::DeleteWord(QStringLiteral("3")));
    query.execSQL();
    query.setSQL(Catalogue::DeleteList(QStringLiteral("1")));
    query.execSQL();
    QCOMPARE(server.rows(QStringLiteral("select count(*) from d_word")), QStringList{"0"});
    QCOMPARE(server.rows(QStringLiteral("select count(*) from d_sentence")), QStringList{"0"});
    QCOMPARE(server.rows(QStringLiteral("select type_name from d_type")), QStringList{"b"});
}

void TestServer::aLearnerChangesNoList()
{
    ServerDatabase server;
    QSqlDatabase db = server.connection.database();
    Schema::create(db);
    Schema::grantRoles(db);
    server.exec(QStringLiteral("insert into d_type(type_name) values('Week 1')"));
    server.exec(QStringLiteral("set role spelldeck_learner"));
    Query query(server.connection);
    const QList<std::pair<QString, QString>> refused{
        {Catalogue::InsertWord(QStringLiteral("their"), QString(), QStringLiteral("1"), 1),
         QStringLiteral("d_word")},
        {Catalogue::RenameList(QStringLiteral("x"), QStringLiteral("1")), QStringLiteral("d_type")},
        {Catalogue::DeleteList(QStringLiteral("1")), QStringLiteral("d_type")}};
    for (const auto &[statement, table] : refused) {
        try {
            query.setSQL(statement);
            query.execSQL();
            QFAIL(qPrintable(QStringLiteral("a learner ran: ") + statement));
        } catch (const EDatabaseError &e) {
            // The server's own words, as the program shows them: its first line, no severity or code.
            QCOMPARE(e.message(), QStringLiteral("permission denied for table ") + table);
        }
    }
    query.setSQL(Catalogue::ListLists());
    query.open();
    QCOMPARE(query.fieldByName(QStringLiteral("type_name")), QStringLiteral("Week 1"));
}

void TestServer::failuresGiveTheServersText_data()
{
    QTest::addColumn<QString>("database");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password"); // as libpq takes it from the environment
    QTest::addColumn<QString>("message");
    QTest::newRow("a database that does not exist") << "no_such_database"
                                                    << "spelldeck"
                                                    << ""
                                                    << "database \"no_such_database\" does not exist";
    QTest::newRow("a role that does not exist") << "postgres"
                                                << "nobody_here"
                                                << ""
                                                << "role \"nobody_here\" does not exist";
    QTest::newRow("a wrong password") << "postgres"
                                      << "spelldeck_password"
                                      << "the wrong one"
                                      << "password authentication failed for user \"spelldeck_password\"";
    QTest::newRow("no password") << "postgres"
                                 << "spelldeck_password"
                                 << ""
                                 << "no password supplied";
}

void TestServer::lockWaitsAsSet()
{
    ServerDatabase server;
    Connection connection;
    connection.setServer(server.address());
    // Set before connecting, it comes with the connection; set after, at once.
    connection.setBusyTimeout(1234);
    QCOMPARE(sqlRows(connection, QStringLiteral("show lock_timeout")), QStringList{"1234ms"});
    connection.setBusyTimeout(100);
    QCOMPARE(sqlRows(connection, QStringLiteral("show lock_timeout")), QStringList{"100ms"});
    // And again after connecting anew.
    connection.close();
    QCOMPARE(sqlRows(connection, QStringLiteral("show lock_timeout")), QStringList{"100ms"});
}

void TestServer::failuresGiveTheServersText()
{
    QFETCH(QString, database);
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(QString, message);
    if (password.isEmpty())
        qunsetenv("PGPASSWORD");
    else
        qputenv("PGPASSWORD", password.toUtf8());
    auto forgotten = qScopeGuard([] { qunsetenv("PGPASSWORD"); });
    Connection connection;
    ServerAddress target = testServerAddress(database);
    target.user = user;
    connection.setServer(target);
    try {
        connection.open();
        QFAIL("the connection opened");
    } catch (const EDatabaseError &e) {
        QVERIFY2(e.message().contains(message), qPrintable(e.message()));
    }
    QVERIFY(!connection.connected());
}

QTEST_GUILESS_MAIN(TestServer)
#include "tst_server.moc"
