// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The dataset layer over the SQLite file: connecting, reading rows as text, changes, the table
// component, transactions, and the provider's own words for every failure.
#include "DatabaseTool.h"
#include "Dataset.h"
#include "Exceptions.h"
#include "TestDatabase.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QUuid>

#include <future>
#include <thread>

class TestDataset : public QObject
{
    Q_OBJECT

private slots:
    void emptyResultIsEofAtOnce();
    void walkRecNoAndLast();
    void nullAndIntegerAsText();
    void missingColumnIsNamed();
    void changeMatchingNoRowPasses();
    void tableAppendReadsBackId();
    void failedPostStaysPendingUntilClose();
    void emptyTextIsStoredAsText_data();
    void emptyTextIsStoredAsText();
    void openFailures_data();
    void openFailures();
    void failedOpenIsRetriedByNextStatement();
    void readOnlyDatabaseReportsProviderText();
    void lockedDatabaseReportsProviderText();
    void statementWaitsForAnotherProcessLock();
    void transactionRollsBackWhenNotCommitted();
};

void TestDataset::emptyResultIsEofAtOnce()
{
    TestDatabase db;
    Connection connection;
    connection.setDatabasePath(QStringLiteral("data/data.db"));
    Query query(connection);
    query.setSQL(QStringLiteral("select * from d_type"));
    query.open();
    QVERIFY(query.active());
    QVERIFY(query.eof());
    QCOMPARE(query.recNo(), 0);
    QCOMPARE(query.fieldByName(QStringLiteral("type_name")), QString());
}

void TestDataset::walkRecNoAndLast()
{
    TestDatabase db;
    for (const char *name : {"a", "b", "c"})
        db.addList(QString::fromLatin1(name));
    Connection connection;
    connection.setDatabasePath(QStringLiteral("data/data.db"));
    Query query(connection);
    query.setSQL(QStringLiteral("select * from d_type order by type_id"));
    query.open();
    QStringList seen;
    QList<int> numbers;
    while (!query.eof()) {
        seen << query.fieldByName(QStringLiteral("TYPE_NAME")); // names are not case-sensitive
        numbers << query.recNo();
        query.next();
    }
    QCOMPARE(seen, (QStringList{"a", "b", "c"}));
    QCOMPARE(numbers, (QList<int>{1, 2, 3}));
    query.last();
    QCOMPARE(query.fieldByName(QStringLiteral("type_name")), QStringLiteral("c"));
    QCOMPARE(query.recNo(), 3);

    // A new text replaces the old one as a whole; closing ends the old result.
    query.close();
    QVERIFY(!query.active());
    query.setSQL(QStringLiteral("select count(*) as n from d_type"));
    query.open();
    QCOMPARE(query.fieldByName(QStringLiteral("n")), QStringLiteral("3"));
}

void TestDataset::nullAndIntegerAsText()
{
    TestDatabase db;
    db.exec(QStringLiteral("insert into d_type(type_id, type_name) values(1234567, null)"));
    Connection connection;
    connection.setDatabasePath(QStringLiteral("data/data.db"));
    Query query(connection);
    query.setSQL(QStringLiteral("select * from d_type"));
    query.open();
    QCOMPARE(query.fieldByName(QStringLiteral("type_id")), QStringLiteral("1234567"));
    QVERIFY(query.fieldByName(QStringLiteral("type_name")).isEmpty());
}

void TestDataset::missingColumnIsNamed()
{
    TestDatabase db;
    db.addList(QStringLiteral("a"));
    Connection connection;
    connection.setDatabasePath(QStringLiteral("data/data.db"));
    Query query(connection);
    query.setSQL(QStringLiteral("select type_id from d_type"));
    query.open();
    try {
        query.fieldByName(QStringLiteral("type_name"));
        QFAIL("no error for a missing column");
    } catch (const EDatabaseError &e) {
        QVERIFY2(e.message().contains(QStringLiteral("type_name")), qPrintable(e.message()));
    }
}

void TestDataset::changeMatchingNoRowPasses()
{
    TestDatabase db;
    Connection connection;
    connection.setDatabasePath(QStringLiteral("data/data.db"));
    Query query(connection);
    query.setSQL(QStringLiteral("delete from d_word where word_id = 999"));
    query.execSQL();
    query.setSQL(QStringLiteral("update d_type set type_name ='x' where type_id = 999"));
    query.execSQL();
    query.setSQL(QStringLiteral("select * from nowhere"));
    try {
        query.open();
        QFAIL("no error for a bad statement");
    } catch (const EDatabaseError &e) {
        QCOMPARE(e.message(), QStringLiteral("no such table: nowhere"));
    }
}

void TestDataset::tableAppendReadsBackId()
{
    TestDatabase db;
    db.addList(QStringLiteral("first"));
    db.exec(QStringLiteral("delete from d_type"));
    db.addList(QStringLiteral("second")); // ids keep counting up after a removal
    Connection connection;
    connection.setDatabasePath(QStringLiteral("data/data.db"));
    Table table(connection);
    table.setTableName(QStringLiteral("d_type"));
    table.open();
    QCOMPARE(table.recordCount(), 1);
    table.append();
    table.setFieldValue(QStringLiteral("type_name"), QStringLiteral("third"));
    table.post();
    table.last();
    QCOMPARE(table.fieldByName(QStringLiteral("type_id")), QStringLiteral("3"));
    QCOMPARE(table.fieldByName(QStringLiteral("type_name")), QStringLiteral("third"));
    QCOMPARE(db.scalar(QStringLiteral("select type_name from d_type where type_id = 3")),
             QStringLiteral("third"));
}

void TestDataset::failedPostStaysPendingUntilClose()
{
    TestDatabase db;
    db.exec(QStringLiteral("create trigger refuse before insert on d_type when new.type_name = 'bad' "
                           "begin select raise(abort, 'refused by the database'); end"));
    Connection connection;
    connection.setDatabasePath(QStringLiteral("data/data.db"));
    Table table(connection);
    table.setTableName(QStringLiteral("d_type"));
    table.open();
    table.append();
    table.setFieldValue(QStringLiteral("type_name"), QStringLiteral("bad"));
    try {
        table.post();
        QFAIL("the refused row was posted");
    } catch (const EDatabaseError &e) {
        QCOMPARE(e.message(), QStringLiteral("refused by the database"));
    }
    QVERIFY(table.inserting());
    table.close();
    QVERIFY(!table.inserting());
    table.open();
    table.append();
    table.setFieldValue(QStringLiteral("type_name"), QStringLiteral(""));
    table.post();
    QCOMPARE(db.rows(QStringLiteral("select type_name, typeof(type_name) from d_type")),
             QStringList{"|text"});
}

void TestDataset::emptyTextIsStoredAsText_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("empty text") << QStringLiteral("");
    QTest::newRow("null text") << QString();
}

void TestDataset::emptyTextIsStoredAsText()
{
    QFETCH(QString, value);
    TestDatabase db;
    Connection connection;
    connection.setDatabasePath(QStringLiteral("data/data.db"));
    Table table(connection);
    table.setTableName(QStringLiteral("d_word"));
    table.open();
    table.append();
    table.setFieldValue(QStringLiteral("word_name"), value);
    table.setFieldValue(QStringLiteral("word_sound"), value);
    table.setFieldValue(QStringLiteral("type_id"), QStringLiteral("1"));
    table.post();
    // Never NULL: a later comparison with '' must find the row.
    QCOMPARE(
        db.rows(QStringLiteral("select typeof(word_name), typeof(word_sound), word_name = '' from d_word")),
        QStringList{"text|text|1"});
    QCOMPARE(table.fieldByName(QStringLiteral("word_name")), QString());
}

void TestDataset::openFailures_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("message");
    QTest::newRow("no file") << "nofile"
                             << "unable to open database file";
    QTest::newRow("no folder") << "nofolder"
                               << "unable to open database file";
    QTest::newRow("text file") << "text"
                               << "file is not a database";
    QTest::newRow("folder in its place") << "folder"
                                         << "unable to open database file";
}

void TestDataset::openFailures()
{
    QFETCH(QString, setup);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QDir folder(dir.path());
    if (setup != QLatin1String("nofolder"))
        folder.mkdir(QStringLiteral("data"));
    if (setup == QLatin1String("text")) {
        QFile file(folder.filePath(QStringLiteral("data/data.db")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("These are not the words you are looking for.\n").repeated(40));
    } else if (setup == QLatin1String("folder")) {
        folder.mkdir(QStringLiteral("data/data.db"));
    }
    Connection connection;
    connection.setDatabasePath(folder.filePath(QStringLiteral("data/data.db")));
    try {
        connection.open();
        QFAIL("opened");
    } catch (const EDatabaseError &e) {
        QCOMPARE(e.message(), message);
    }
    QVERIFY(!connection.connected());
    // Nothing was created in its place.
    if (setup == QLatin1String("nofile") || setup == QLatin1String("nofolder"))
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("data/data.db"))));
}

void TestDataset::failedOpenIsRetriedByNextStatement()
{
    QTemporaryDir dir;
    Connection connection;
    connection.setDatabasePath(dir.filePath(QStringLiteral("data/data.db")));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, connection.open());
    Query query(connection);
    query.setSQL(QStringLiteral("select * from d_type"));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, query.open());

    DatabaseTool::createDatabase(dir.filePath(QStringLiteral("data/data.db")), false);
    query.open(); // the statement opens the connection first
    QVERIFY(connection.connected());
    QVERIFY(query.eof());
}

void TestDataset::readOnlyDatabaseReportsProviderText()
{
    TestDatabase db;
    db.addList(QStringLiteral("kept"));
    Connection connection;
    connection.setDatabasePath(QStringLiteral("data/data.db"));
    if (!db.setReadOnly(true))
        QSKIP(qPrintable(db.readOnlyProblem()));
    Query query(connection);
    query.setSQL(QStringLiteral("select * from d_type"));
    query.open(); // reading still works
    QCOMPARE(query.fieldByName(QStringLiteral("type_name")), QStringLiteral("kept"));
    query.setSQL(QStringLiteral("delete from d_type"));
    try {
        query.execSQL();
        QFAIL("wrote to a read-only database");
    } catch (const EDatabaseError &e) {
        QCOMPARE(e.message(), QStringLiteral("attempt to write a readonly database"));
    }
    db.setReadOnly(false);
    QCOMPARE(db.column(QStringLiteral("select type_name from d_type")), QStringList{"kept"});
}

void TestDataset::lockedDatabaseReportsProviderText()
{
    TestDatabase db;
    Connection connection;
    connection.setDatabasePath(QStringLiteral("data/data.db"));
    connection.setBusyTimeout(100);
    connection.open();
    db.exec(QStringLiteral("begin exclusive"));
    Query query(connection);
    query.setSQL(QStringLiteral("insert into d_type(type_name) values('x')"));
    try {
        query.execSQL();
        QFAIL("wrote through another connection's lock");
    } catch (const EDatabaseError &e) {
        QCOMPARE(e.message(), QStringLiteral("database is locked"));
    }
    db.exec(QStringLiteral("rollback"));
    query.execSQL(); // the next try succeeds once the lock is gone
    QCOMPARE(db.column(QStringLiteral("select type_name from d_type")), QStringList{"x"});
}

void TestDataset::statementWaitsForAnotherProcessLock()
{
    TestDatabase db;
    const QString file = db.databaseFile();
    // Another program holds the write lock for a while, from a thread of its own.
    std::promise<void> locked;
    std::thread other([&file, &locked] {
        const QString name = QUuid::createUuid().toString();
        {
            QSqlDatabase lockHolder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            lockHolder.setDatabaseName(file);
            lockHolder.open();
            QSqlQuery query(lockHolder);
            query.exec(QStringLiteral("begin exclusive"));
            locked.set_value();
            QThread::msleep(300);
            query.exec(QStringLiteral("rollback"));
            query.finish();
            lockHolder.close();
        }
        QSqlDatabase::removeDatabase(name);
    });
    locked.get_future().wait();

    Connection connection;
    connection.setDatabasePath(QStringLiteral("data/data.db"));
    Query query(connection);
    query.setSQL(QStringLiteral("insert into d_type(type_name) values('waited')"));
    // Without waiting, this fails at once with "database is locked".
    try {
        query.execSQL();
    } catch (const EDatabaseError &e) {
        other.join();
        QFAIL(qPrintable(QStringLiteral("did not wait for the lock: ") + e.message()));
    }
    other.join();
    QCOMPARE(db.column(QStringLiteral("select type_name from d_type")), QStringList{"waited"});
}

void TestDataset::transactionRollsBackWhenNotCommitted()
{
    TestDatabase db;
    Connection connection;
    connection.setDatabasePath(QStringLiteral("data/data.db"));
    Query query(connection);
    {
        Transaction transaction(connection);
        query.setSQL(QStringLiteral("insert into d_type(type_name) values('dropped')"));
        query.execSQL();
    }
    {
        Transaction transaction(connection);
        query.setSQL(QStringLiteral("insert into d_type(type_name) values('kept')"));
        query.execSQL();
        transaction.commit();
    }
    QCOMPARE(db.column(QStringLiteral("select type_name from d_type")), QStringList{"kept"});
}

QTEST_GUILESS_MAIN(TestDataset)
#include "tst_dataset.moc"
