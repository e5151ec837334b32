// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The store: the statement catalogue's texts, values stored exactly, the data module's connection,
// records built from rows, and a removed list taking its words.
#include "Catalogue.h"
#include "Dataset.h"
#include "Exceptions.h"
#include "ReportCollector.h"
#include "TestDatabase.h"
#include "uDM.h"
#include "uGlobal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

class TestStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void statementTexts_data();
    void statementTexts();
    void identifiersMustBeDigits_data();
    void identifiersMustBeDigits();
    void textValuesRoundTrip_data();
    void textValuesRoundTrip();
    void appendListReadsBackId_data();
    void appendListReadsBackId();
    void listWordsByPosition();
    void dataModuleOpensDatabase();
    void typeDataFromRow();
    void dataModuleReportsAndRetries_data();
    void dataModuleReportsAndRetries();
    void missingTablesReportProviderText();
    void removingListRemovesItsWords();
};

void TestStore::statementTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    using namespace Catalogue;
    QTest::newRow("ListLists") << ListLists() << "select * from d_type";
    QTest::newRow("DeleteList") << DeleteList("7") << "delete from d_type where type_id = 7";
    QTest::newRow("RenameList") << RenameList("Week 3", "7")
                                << "update d_type set type_name ='Week 3' where type_id = 7";
    QTest::newRow("ListWords 7") << ListWords("7")
                                 << "select * from d_word where type_id =7 order by word_order";
    QTest::newRow("ListWords 12") << ListWords("12")
                                  << "select * from d_word where type_id =12 order by word_order";
    QTest::newRow("InsertWord") << InsertWord("apple", "C:\\words\\apple.mp3", "7", 3)
                                << "insert into d_word(word_name, word_sound, type_id, word_order) "
                                   "values('apple','C:\\words\\apple.mp3',7,3)";
    QTest::newRow("UpdateWord")
        << UpdateWord("apple", "C:\\words\\apple.mp3", "12")
        << "update d_word set word_name ='apple', word_sound='C:\\words\\apple.mp3' where word_id=12";
    QTest::newRow("DeleteWord") << DeleteWord("12") << "delete from d_word where word_id = 12";
    QTest::newRow("SetWordOrder") << SetWordOrder(2, "12")
                                  << "update d_word set word_order = 2 where word_id = 12";
    QTest::newRow("quotes doubled") << RenameList("it's", "1")
                                    << "update d_type set type_name ='it''s' where type_id = 1";
    QTest::newRow("empty values")
        << InsertWord("", "", "1", 1)
        << "insert into d_word(word_name, word_sound, type_id, word_order) values('','',1,1)";
}

void TestStore::statementTexts()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

void TestStore::identifiersMustBeDigits_data()
{
    QTest::addColumn<QString>("id");
    QTest::newRow("empty") << "";
    QTest::newRow("injection") << "1 or 1=1";
    QTest::newRow("negative") << "-1";
    QTest::newRow("blank") << " 7";
    QTest::newRow("arabic-indic digit") << QStringLiteral("\u0667");
}

void TestStore::identifiersMustBeDigits()
{
    QFETCH(QString, id);
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, Catalogue::DeleteList(id));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, Catalogue::RenameList(QStringLiteral("x"), id));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, Catalogue::ListWords(id));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, Catalogue::InsertWord(QString(), QString(), id, 1));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, Catalogue::UpdateWord(QString(), QString(), id));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, Catalogue::DeleteWord(id));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, Catalogue::SetWordOrder(1, id));
}

void TestStore::textValuesRoundTrip_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("single quote") << "it's";
    QTest::newRow("only quotes") << "''";
    QTest::newRow("injection") << "x', word_sound='y' where 1=1; --";
    QTest::newRow("double quotes") << "say \"cheese\"";
    QTest::newRow("backslashes") << "C:\\words\\apple.mp3";
    QTest::newRow("percent") << "100% _right_";
    QTest::newRow("non-ASCII") << QStringLiteral("Größe, café, naïve, Ελληνικά");
    QTest::newRow("emoji") << QStringLiteral("🍎 apple");
    QTest::newRow("blanks around") << "  spaced  ";
    QTest::newRow("empty") << "";
    QTest::newRow("10000 characters") << QString(10000, QLatin1Char('w'));
}

void TestStore::textValuesRoundTrip()
{
    QFETCH(QString, value);
    TestDatabase db;
    TDM dm;
    const QString typeId = db.addList(QStringLiteral("list"));
    Query &qry = dm.qry;

    qry.setSQL(Catalogue::RenameList(value, typeId));
    qry.execSQL();
    QCOMPARE(db.scalar(QStringLiteral("select type_name from d_type where type_id = ?"), {typeId}), value);

    qry.setSQL(Catalogue::InsertWord(value, value + QStringLiteral(".mp3"), typeId, 1));
    qry.execSQL();
    const QString wordId = QString::number(qry.lastInsertId());
    QCOMPARE(db.rows(QStringLiteral("select word_name, word_sound, word_order from d_word")),
             QStringList{value + QLatin1Char('|') + value + QStringLiteral(".mp3|1")});

    qry.setSQL(Catalogue::UpdateWord(QStringLiteral("x") + value, value, wordId));
    qry.execSQL();
    qry.setSQL(Catalogue::ListWords(typeId));
    qry.open();
    QCOMPARE(qry.fieldByName(QStringLiteral("word_name")), QStringLiteral("x") + value);
    QCOMPARE(qry.fieldByName(QStringLiteral("word_sound")), value);
    QCOMPARE(db.scalar(QStringLiteral("select count(*) from d_word")), QStringLiteral("1"));
}

void TestStore::appendListReadsBackId_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("ordinary") << "Week 1";
    QTest::newRow("empty") << "";
    QTest::newRow("quoted") << "Tom's \"best\" words";
}

void TestStore::appendListReadsBackId()
{
    QFETCH(QString, name);
    TestDatabase db;
    db.addList(QStringLiteral("older"));
    TDM dm;
    Table tblType(dm.ADOConn);
    const QString first = Catalogue::AppendList(tblType, name);
    const QString second = Catalogue::AppendList(tblType, name + QStringLiteral("2"));
    QCOMPARE(first, QStringLiteral("2"));
    QCOMPARE(second, QStringLiteral("3"));
    QCOMPARE(
        db.rows(TestDatabase::onServer()
                    ? QStringLiteral(
                          "select type_id, type_name, pg_typeof(type_name) from d_type where type_id = 2")
                    : QStringLiteral(
                          "select type_id, type_name, typeof(type_name) from d_type where type_id = 2")),
        QStringList{QStringLiteral("2|") + name + QStringLiteral("|text")});
}

void TestStore::listWordsByPosition()
{
    TestDatabase db;
    // Without the index, rows come in the order they were stored unless the statement orders them.
    db.exec(QStringLiteral("drop index d_word_list_order"));
    const QString list = db.addList(QStringLiteral("list"));
    const QString other = db.addList(QStringLiteral("other"));
    const QString third = db.addWord(list, QStringLiteral("third"), QStringLiteral("3.mp3"), 9);
    const QString first = db.addWord(list, QStringLiteral("first"), QStringLiteral("1.mp3"), 2);
    db.addWord(other, QStringLiteral("elsewhere"), QString(), 1);
    const QString second = db.addWord(list, QStringLiteral("second"), QString(), 5);
    TDM dm;
    Query query(dm.ADOConn);
    query.setSQL(Catalogue::ListWords(list));
    query.open();
    QStringList words;
    for (; !query.eof(); query.next()) {
        const TData word = dataFromRow(query);
        words << QStringList{word.ID, word.Name, word.Sound, QString::number(word.Order)}.join(
            QLatin1Char('|'));
    }
    // Stored positions 2, 5, 9 are held as 1, 2, 3.
    QCOMPARE(words, (QStringList{first + "|first|1.mp3|1", second + "|second||2", third + "|third|3.mp3|3"}));

    query.setSQL(Catalogue::ListWords(QStringLiteral("999")));
    query.open();
    QVERIFY(query.eof());
}

void TestStore::dataModuleOpensDatabase()
{
    TestDatabase db;
    ReportCollector reports;
    {
        TDM dm;
        QCOMPARE(DM, &dm);
        QVERIFY(dm.ADOConn.connected());
        QCOMPARE(dm.ADOConn.databasePath(), QStringLiteral("data/data.db"));
        Query lists(dm.ADOConn);
        lists.setSQL(Catalogue::ListLists());
        lists.open();
        QVERIFY(lists.eof());
    }
    QCOMPARE(DM, nullptr);
    QVERIFY(reports.reports().isEmpty());
}

void TestStore::typeDataFromRow()
{
    TestDatabase db;
    db.addList(QStringLiteral("first"));
    const QString id = db.addList(QStringLiteral("it's second"));
    TDM dm;
    Query query(dm.ADOConn);
    query.setSQL(Catalogue::ListLists());
    query.open();
    query.next();
    const TTypeData list = ::typeDataFromRow(query);
    QCOMPARE(list.ID, id);
    QCOMPARE(list.Name, QStringLiteral("it's second"));
}

void TestStore::dataModuleReportsAndRetries_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("message");
    QTest::newRow("no data folder") << "folder"
                                    << "unable to open database file.";
    QTest::newRow("no database file") << "file"
                                      << "unable to open database file.";
    QTest::newRow("text file") << "text"
                               << "file is not a database.";
}

void TestStore::dataModuleReportsAndRetries()
{
    SKIP_ON_SERVER("missing, or not a database");
    QFETCH(QString, damage);
    QFETCH(QString, message);
    TestDatabase db;
    const QString good = db.databaseFile() + QStringLiteral(".good");
    QVERIFY(QFile::rename(db.databaseFile(), good));
    if (damage == QLatin1String("folder")) {
        QVERIFY(QDir(db.folder()).rename(QStringLiteral("data"), QStringLiteral("elsewhere")));
    } else if (damage == QLatin1String("text")) {
        QFile text(db.databaseFile());
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("apple\nhouse\n");
    }

    ReportCollector reports;
    TDM dm; // reported, and the module still exists with its connection closed
    QCOMPARE(reports.reports(), QStringList{message});
    QVERIFY(!dm.ADOConn.connected());

    Query query(dm.ADOConn);
    query.setSQL(Catalogue::ListLists());
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, query.open()); // each later statement fails again
    // The program never makes the file or its folder in the place it opens.
    if (damage == QLatin1String("folder"))
        QVERIFY(!QFileInfo::exists(QStringLiteral("data")));
    if (damage != QLatin1String("text"))
        QVERIFY(!QFileInfo::exists(QStringLiteral("data/data.db")));

    if (damage == QLatin1String("folder"))
        QDir(db.folder()).rename(QStringLiteral("elsewhere"), QStringLiteral("data"));
    QFile::remove(db.databaseFile());
    QVERIFY(QFile::rename(db.databaseFile() + QStringLiteral(".good"), db.databaseFile()));
    query.open(); // and succeeds once the file is back
    QVERIFY(dm.ADOConn.connected());
    QVERIFY(query.eof());
}

void TestStore::missingTablesReportProviderText()
{
    TestDatabase db;
    db.exec(QStringLiteral("drop table d_word"));
    TDM dm;
    Query query(dm.ADOConn);
    query.setSQL(Catalogue::ListWords(QStringLiteral("1")));
    try {
        query.open();
        QFAIL("no error");
    } catch (const EDatabaseError &e) {
        QCOMPARE(e.message(), TestDatabase::onServer() ? QStringLiteral("relation \"d_word\" does not exist")
                                                       : QStringLiteral("no such table: d_word"));
    }
}

void TestStore::removingListRemovesItsWords()
{
    TestDatabase db;
    const QString gone = db.addList(QStringLiteral("gone"));
    const QString kept = db.addList(QStringLiteral("kept"));
    db.addWord(gone, QStringLiteral("a"), QString(), 1);
    db.addWord(kept, QStringLiteral("b"), QString(), 1);
    TDM dm;
    dm.qry.setSQL(Catalogue::DeleteList(gone));
    dm.qry.execSQL();
    QCOMPARE(db.column(QStringLiteral("select word_name from d_word")), QStringList{"b"});
}

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"
