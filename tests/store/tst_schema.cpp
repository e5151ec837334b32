// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The versions of the database's structure: what each file reads as, the upgrade from a file made by
// the first release, and a step that fails leaving the file at the version before it.
#include "Dataset.h"
#include "Exceptions.h"
#include "Schema.h"
#include "SqlRows.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString fixture(const QString &name)
{
    return QStringLiteral(SPELLDECK_FIXTURES "/") + name;
}

const QString kWordLists = QStringLiteral("select * from d_type order by type_id");
const QString kWords = QStringLiteral("select * from d_word order by word_id");
const QString kTables =
    QStringLiteral("select name from sqlite_master where type = 'table' and name not like "
                   "'sqlite%' order by name");

} // namespace

class TestSchema : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void versionOfAFile_data();
    void versionOfAFile();
    void upgradeFromTheFirstRelease();
    void failedStepLeavesTheVersionBefore();
    void newerVersionIsLeftAlone();
};

void TestSchema::versionOfAFile_data()
{
    QTest::addColumn<QStringList>("statements");
    QTest::addColumn<int>("version");
    QTest::newRow("empty file") << QStringList{} << 0;
    QTest::newRow("word lists without a stored version")
        << QStringList{"create table d_type(type_id integer primary key, type_name text)"} << 1;
    QTest::newRow("version 1") << QStringList{"create table d_type(type_id integer)",
                                              "pragma user_version = 1"}
                               << 1;
    QTest::newRow("a later version") << QStringList{"pragma user_version = 7"} << 7;
}

void TestSchema::versionOfAFile()
{
    QFETCH(QStringList, statements);
    QFETCH(int, version);
    QTemporaryDir dir;
    const QString file = dir.filePath("data.db");
    QFile(file).open(QIODevice::WriteOnly);
    Connection connection;
    connection.setDatabasePath(file);
    for (const QString &statement : statements)
        QVERIFY(QSqlQuery(connection.database()).exec(statement));
    QSqlDatabase db = connection.database();
    QCOMPARE(Schema::version(db), version);
}

void TestSchema::upgradeFromTheFirstRelease()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("data.db");
    QVERIFY(QFile::copy(fixture("schema/version1.db"), file));
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    Connection connection;
    connection.setDatabasePath(file);
    const QStringList lists = sqlRows(connection, kWordLists);
    const QStringList words = sqlRows(connection, kWords);
    QCOMPARE(lists, (QStringList{"1|Week 1", "2|Pupils' own words"}));
    QCOMPARE(words.size(), 5);

    QSqlDatabase db = connection.database();
    QCOMPARE(Schema::upgrade(db), 1);
    QCOMPARE(Schema::version(db), 4);
    QCOMPARE(sqlRows(connection, kTables), (QStringList{"d_answer", "d_learner", "d_recording", "d_sentence",
                                                        "d_test", "d_test_end", "d_type", "d_word"}));
    // Not a row of the word lists changed.
    QCOMPARE(sqlRows(connection, kWordLists), lists);
    QCOMPARE(sqlRows(connection, kWords), words);
    // The rule of the first version still holds: a removed list takes its words.
    QVERIFY(QSqlQuery(db).exec("delete from d_type where type_id = 2"));
    QCOMPARE(sqlRows(connection, "select word_name from d_word order by word_id"),
             (QStringList{"apple", "house", "green"}));
    // Upgrading again does nothing.
    QCOMPARE(Schema::upgrade(db), 4);
    QCOMPARE(Schema::version(db), 4);
}

void TestSchema::failedStepLeavesTheVersionBefore()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("data.db");
    QVERIFY(QFile::copy(fixture("schema/version1.db"), file));
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    Connection connection;
    connection.setDatabasePath(file);
    // A table of that name, made by hand, is in the way of the step's third statement.
    QVERIFY(QSqlQuery(connection.database()).exec("create table d_test(x)"));
    QSqlDatabase db = connection.database();
    try {
        Schema::upgrade(db);
        QFAIL("the upgrade went through");
    } catch (const EDatabaseError &e) {
        QCOMPARE(e.message(), QStringLiteral("table d_test already exists"));
    }
    QCOMPARE(Schema::version(db), 1);
    // Nothing of the step is left: its first two statements were rolled back with the third.
    QCOMPARE(sqlRows(connection, kTables), (QStringList{"d_test", "d_type", "d_word"}));
    QCOMPARE(sqlRows(connection, "select count(*) from d_word"), QStringList{"5"});
}

void TestSchema::newerVersionIsLeftAlone()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("data.db");
    QVERIFY(QFile::copy(fixture("schema/version1.db"), file));
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    Connection connection;
    connection.setDatabasePath(file);
    QVERIFY(QSqlQuery(connection.database()).exec("pragma user_version = 9"));
    QSqlDatabase db = connection.database();
    QCOMPARE(Schema::upgrade(db), 9);
    QCOMPARE(Schema::version(db), 9);
    QCOMPARE(sqlRows(connection, kTables), (QStringList{"d_type", "d_word"}));
}

QTEST_GUILESS_MAIN(TestSchema)
#include "tst_schema.moc"
