// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Storing imported words: positions after the list's last word as the editor numbers them, lists found
// by id or name, a package's round trip through the database, and imports that fail or are cancelled
// halfway leaving neither rows nor recordings behind.
#include "Dataset.h"
#include "DelimitedWords.h"
#include "Exceptions.h"
#include "ExchangeTestFiles.h"
#include "Import.h"
#include "PackageWriter.h"
#include "Schema.h"
#include "ServerSettings.h"
#include "TestDatabase.h"
#include "TextWords.h"
#include "WordFiles.h"
#include "WordStore.h"

#include <QTest>

using namespace Exchange;

namespace {

const QString kPackage = QStringLiteral(SPELLDECK_FIXTURES "/exchange/words.spelldeck");

std::unique_ptr<Connection> openDatabase()
{
    auto connection = std::make_unique<Connection>();
    // The program's database: the file, or the test server the settings name.
    useProgramsDatabase(*connection, QString::fromLatin1(Schema::kDatabasePath));
    return connection;
}

} // namespace

using TestFiles::word;

class TestImport : public QObject
{
    Q_OBJECT

private slots:
    void appendsAfterTheLastWordAsTheEditorDoes_data();
    void appendsAfterTheLastWordAsTheEditorDoes();
    void newListHoldsTheWords();
    void findList_data();
    void findList();
    void roundTripThroughAPackage();
    void pastedWordsHaveNoRecording();
    void recordingFilesStayWhereTheyAre();
    void progressCountsRecordingsThenWords();
    void databaseFailureLeavesNothing_data();
    void databaseFailureLeavesNothing();
    void cancelLeavesNothing_data();
    void cancelLeavesNothing();
};

void TestImport::appendsAfterTheLastWordAsTheEditorDoes_data()
{
    QTest::addColumn<QList<int>>("stored"); // positions of the list's words before
    QTest::addColumn<QStringList>("after"); // name|position of every word of the list, in order
    QTest::newRow("empty list") << QList<int>{} << QStringList{"new1|1", "new2|2"};
    // The editor numbered the words 1, 2, 3 when it loaded them; its Add would store 4.
    QTest::newRow("positions with gaps")
        << QList<int>{5, 9, 20} << QStringList{"new1|4", "old1|5", "new2|5", "old2|9", "old3|20"};
    QTest::newRow("positions repeated")
        << QList<int>{1, 1} << QStringList{"old1|1", "old2|1", "new1|3", "new2|4"};
}

void TestImport::appendsAfterTheLastWordAsTheEditorDoes()
{
    QFETCH(QList<int>, stored);
    QFETCH(QStringList, after);
    TestDatabase db;
    const QString list = db.addList("Animals");
    const QString other = db.addList("Other");
    db.addWord(other, "elsewhere", "", 1);
    for (int i = 0; i < stored.size(); ++i)
        db.addWord(list, QStringLiteral("old%1").arg(i + 1), "", stored.at(i));

    const auto connection = openDatabase();
    const QStringList ids = appendWords(*connection, list, {word("new1", "a.mp3"), word("new2", "")});
    QCOMPARE(db.rows("select word_name || '|' || word_order from d_word where type_id = ? order by "
                     "word_order, word_id",
                     {list}),
             after);
    QCOMPARE(ids, db.column("select word_id from d_word where word_name like 'new%' order by word_name"));
    QCOMPARE(db.column("select word_sound from d_word where word_name like 'new%' order by word_name"),
             (QStringList{"a.mp3", ""}));
}

void TestImport::newListHoldsTheWords()
{
    TestDatabase db;
    db.addList("Animals");
    const auto connection = openDatabase();
    const StoredList stored =
        storeNewList(*connection, "Pets 'n' birds", {word("cat", "c.mp3"), word("dog", "")});
    QCOMPARE(db.rows("select type_id, type_name from d_type order by type_id"),
             (QStringList{"1|Animals", "2|Pets 'n' birds"}));
    QCOMPARE(stored.typeId, QStringLiteral("2"));
    QCOMPARE(db.rows("select word_id, word_name, word_sound, word_order from d_word where type_id = 2"),
             (QStringList{stored.wordIds.at(0) + "|cat|c.mp3|1", stored.wordIds.at(1) + "|dog||2"}));
}

void TestImport::findList_data()
{
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("found"); // id|name, or the message
    QTest::newRow("by id") << "1"
                           << "1|Animals";
    QTest::newRow("by name") << "Animals"
                             << "1|Animals";
    QTest::newRow("an id before a name of digits") << "2"
                                                   << "2|2024";
    QTest::newRow("a name of digits that is no id") << "2024"
                                                    << "2|2024";
    QTest::newRow("name in another case") << "animals"
                                          << "There is no list \"animals\".";
    QTest::newRow("no such id") << "99"
                                << "There is no list \"99\".";
    QTest::newRow("two of that name") << "Twins"
                                      << "2 lists are named \"Twins\"; give the id of one instead.";
}

void TestImport::findList()
{
    QFETCH(QString, wanted);
    QFETCH(QString, found);
    TestDatabase db;
    for (const char *name : {"Animals", "2024", "Twins", "Twins"})
        db.addList(QString::fromLatin1(name));
    const auto connection = openDatabase();
    try {
        const TTypeData list = Exchange::findList(*connection, wanted);
        QCOMPARE(list.ID + '|' + list.Name, found);
    } catch (const Exception &e) {
        QCOMPARE(e.message(), found);
    }
}

void TestImport::roundTripThroughAPackage()
{
    TestDatabase db(TestDatabase::Demo);
    const auto connection = openDatabase();
    const TTypeData demo = Exchange::findList(*connection, "Everyday words");
    const ExportResult exported = writePackage(db.folder() + "/demo.spelldeck", demo.Name,
                                               listWords(*connection, demo.ID), "/nowhere/");
    QCOMPARE(exported.words, 8);
    QCOMPARE(exported.withoutRecording, 0);

    const WordList list = readWordFile(db.folder() + "/demo.spelldeck");
    const ImportResult imported = importAsNewList(*connection, list, list.name, "data/sounds");
    QCOMPARE(db.rows("select type_id, type_name from d_type order by type_id"),
             (QStringList{"1|Everyday words", imported.typeId + "|Everyday words"}));
    const QStringList words =
        db.rows("select word_name, word_sound, word_order from d_word where type_id = ? order by word_order",
                {imported.typeId});
    const QStringList names{"apple", "house", "green", "water", "school", "friend", "happy", "little"};
    QStringList expected;
    for (qsizetype i = 0; i < names.size(); ++i)
        expected << names.at(i) + "|" + TestDatabase::storedSound("data/sounds/" + names.at(i) + "-2.mp3") +
                        "|" + QString::number(i + 1);
    QCOMPARE(words, expected);
    for (const QString &name : names) {
        const QByteArray original = TestFiles::contents("data/sounds/" + name + ".mp3");
        QVERIFY(original.size() > 1000);
        QCOMPARE(TestFiles::contents("data/sounds/" + name + "-2.mp3"), original);
    }
}

void TestImport::pastedWordsHaveNoRecording()
{
    TestDatabase db;
    const QString list = db.addList("Animals");
    db.addWord(list, "cat", "", 1);
    const auto connection = openDatabase();
    const ImportResult result =
        importIntoList(*connection, readPastedText("dog\n\nfish\n"), list, "data/sounds");
    QCOMPARE(result.sounds, (QStringList{"", ""}));
    QCOMPARE(db.rows("select word_name, word_sound, word_order from d_word order by word_order"),
             (QStringList{"cat||1", "dog||2", "fish||3"}));
    QVERIFY(!QFileInfo::exists("data/sounds"));
}

void TestImport::recordingFilesStayWhereTheyAre()
{
    TestDatabase db;
    const auto connection = openDatabase();
    const WordList list = readDelimitedFile(TestFiles::fixture("exchange/words.tsv"));
    const ImportResult result = importAsNewList(*connection, list, "Pets", "data/sounds");
    const QString fixtures = QStringLiteral(SPELLDECK_FIXTURES);
    QCOMPARE(db.rows("select word_name, word_sound from d_word order by word_order"),
             (QStringList{"cat|" + TestDatabase::storedSound(fixtures + "/cat.mp3"),
                          "house|" + TestDatabase::storedSound(fixtures + "/house.mp3"), "mouse|"}));
    QCOMPARE(result.wordIds.size(), 3);
    QVERIFY(!QFileInfo::exists("data/sounds"));
}

void TestImport::progressCountsRecordingsThenWords()
{
    TestDatabase db;
    const auto connection = openDatabase();
    QList<std::pair<qint64, qint64>> reports;
    const Progress progress([&](qint64 done, qint64 total) { reports.append({done, total}); });
    importAsNewList(*connection, readWordFile(kPackage), "Pets", "data/sounds", progress);
    // Three words with a recording in the package, then four words stored.
    QCOMPARE(reports.constFirst(), (std::pair<qint64, qint64>(0, 7)));
    QCOMPARE(reports.constLast(), (std::pair<qint64, qint64>(7, 7)));
    QVERIFY(std::is_sorted(reports.cbegin(), reports.cend()));
    QVERIFY(
        std::all_of(reports.cbegin(), reports.cend(), [](const auto &report) { return report.second == 7; }));
    QCOMPARE(TestFiles::filesBelow("data/sounds"), (QStringList{"cat.mp3", "house.mp3"}));
}

void TestImport::databaseFailureLeavesNothing_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<bool>("newList");
    QTest::newRow("a trigger fails the third word, new list") << "trigger" << true;
    QTest::newRow("a trigger fails the third word, existing list") << "trigger" << false;
    QTest::newRow("read-only database, new list") << "read-only" << true;
    QTest::newRow("read-only database, existing list") << "read-only" << false;
}

void TestImport::databaseFailureLeavesNothing()
{
    QFETCH(QString, failure);
    QFETCH(bool, newList);
    TestDatabase db;
    const QString list = db.addList("Animals");
    db.addWord(list, "bird", "", 1);
    if (failure == "trigger") {
        db.refuse("d_word", "insert", "the disk is full", "(select count(*) from d_word) >= 3");
    } else if (!db.setReadOnly(true)) {
        QSKIP(qPrintable(db.readOnlyProblem()));
    }
    const auto everything = [&] { return db.rows("select * from d_type") + db.rows("select * from d_word"); };
    const QStringList before = everything();

    const auto connection = openDatabase();
    const WordList words = readWordFile(kPackage);
    try {
        if (newList)
            importAsNewList(*connection, words, "Pets", "data/sounds");
        else
            importIntoList(*connection, words, list, "data/sounds");
        QFAIL("the import was stored");
    } catch (const EDatabaseError &e) {
        if (failure == "trigger")
            QCOMPARE(e.message(), QStringLiteral("the disk is full"));
        else
            QVERIFY2(e.message().contains(TestDatabase::onServer() ? "permission denied for table d_"
                                                                   : "readonly"),
                     qPrintable(e.message()));
    }
    QCOMPARE(everything(), before);
    QCOMPARE(TestFiles::filesBelow("data/sounds"), QStringList{});
}

void TestImport::cancelLeavesNothing_data()
{
    QTest::addColumn<int>("cancelAt"); // the report that asks to stop: 0 is (0 of 7)
    QTest::newRow("before the first recording") << 0;
    QTest::newRow("after the first recording") << 1;
    QTest::newRow("after the recordings") << 3;
    QTest::newRow("after the second word") << 6;
    QTest::newRow("after the last word") << 8;
}

void TestImport::cancelLeavesNothing()
{
    QFETCH(int, cancelAt);
    TestDatabase db;
    std::atomic_bool cancel = false;
    int reports = 0;
    const Progress progress(
        [&](qint64, qint64) {
            if (reports++ == cancelAt)
                cancel = true;
        },
        &cancel);
    const auto connection = openDatabase();
    QVERIFY_THROWS_EXCEPTION(
        EAbort, importAsNewList(*connection, readWordFile(kPackage), "Pets", "data/sounds", progress));
    QCOMPARE(reports, cancelAt + 1);
    QCOMPARE(db.scalar("select count(*) from d_type"), QStringLiteral("0"));
    QCOMPARE(db.scalar("select count(*) from d_word"), QStringLiteral("0"));
    QCOMPARE(TestFiles::filesBelow("data/sounds"), QStringList{});
}

QTEST_GUILESS_MAIN(TestImport)
#include "tst_import.moc"
