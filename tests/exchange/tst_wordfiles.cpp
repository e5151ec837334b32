// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading a word list by the file's kind: extensions first, then the first bytes.
#include "ExchangeTestFiles.h"
#include "WordFiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Exchange;

Q_DECLARE_METATYPE(Exchange::WordFileKind)

class TestWordFiles : public QObject
{
    Q_OBJECT

private slots:
    void kind_data();
    void kind();
    void readsEachFixture_data();
    void readsEachFixture();
};

void TestWordFiles::kind_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<WordFileKind>("kind");
    QTest::newRow(".spelldeck whatever it holds")
        << "a.spelldeck" << QByteArray("cat\n") << WordFileKind::Package;
    QTest::newRow(".KVTML in capitals") << "a.KVTML" << QByteArray("cat\n") << WordFileKind::Kvtml;
    QTest::newRow(".csv") << "a.csv" << QByteArray("cat\n") << WordFileKind::Delimited;
    QTest::newRow(".tsv") << "a.tsv" << QByteArray("cat\n") << WordFileKind::Delimited;
    QTest::newRow(".tab") << "a.tab" << QByteArray("cat\n") << WordFileKind::Delimited;
    QTest::newRow(".txt") << "a.txt" << QByteArray("cat\ndog\n") << WordFileKind::Text;
    QTest::newRow("no extension") << "words" << QByteArray("cat\n") << WordFileKind::Text;
    QTest::newRow("ZIP archive named .zip")
        << "a.zip" << QByteArray("PK\x03\x04rest") << WordFileKind::Package;
    QTest::newRow("empty ZIP archive") << "a.bin" << QByteArray("PK\x05\x06rest") << WordFileKind::Package;
    QTest::newRow("XML named .xml") << "a.xml"
                                    << QByteArray("\xEF\xBB\xBF\n  <?xml version=\"1.0\"?><kvtml/>")
                                    << WordFileKind::Kvtml;
    QTest::newRow("KVTML without a prolog")
        << "a.txt" << QByteArray("<kvtml version=\"2.0\"/>") << WordFileKind::Kvtml;
    QTest::newRow("tab in the first line of a .txt")
        << "a.txt" << QByteArray("\r\n\r\ncat\tcat.mp3\r\n") << WordFileKind::Delimited;
    QTest::newRow("tab after the first line of a .txt")
        << "a.txt" << QByteArray("cat\ndog\tx\n") << WordFileKind::Text;
    QTest::newRow("comma in a .txt is part of a word")
        << "a.txt" << QByteArray("well, yes\n") << WordFileKind::Text;
    QTest::newRow("empty") << "a.dat" << QByteArray() << WordFileKind::Text;
}

void TestWordFiles::kind()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(WordFileKind, kind);
    QTemporaryDir dir;
    QVERIFY(TestFiles::write(dir.filePath(name), bytes));
    QCOMPARE(wordFileKind(dir.filePath(name)), kind);
}

void TestWordFiles::readsEachFixture_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("text") << "words.txt"
                          << "words" << QStringList{"apple", "ice cream", QStringLiteral("Größe"), "house"};
    QTest::newRow("CSV") << "words.csv"
                         << "words"
                         << QStringList{"cat <- file:cat.mp3", "ice cream, vanilla", "say \"hi\"",
                                        "house <- file:house.mp3 / a note"};
    QTest::newRow("tab-separated") << "words.tsv"
                                   << "words"
                                   << QStringList{"cat <- file:cat.mp3", "house <- file:house.mp3", "mouse"};
    QTest::newRow("KVTML") << "words.kvtml"
                           << "words"
                           << QStringList{"cat <- file:cat.mp3 / The cat sat on the mat.", "house",
                                          "fish & chips / Fish & chips, please."};
    QTest::newRow("package") << "words.spelldeck"
                             << "Pets and places"
                             << QStringList{"cat <- member:sounds/cat.mp3",
                                            "house <- member:sounds/house.mp3",
                                            "kitten <- member:sounds/cat.mp3", "garden"};
}

void TestWordFiles::readsEachFixture()
{
    QFETCH(QString, file);
    QFETCH(QString, name);
    QFETCH(QStringList, words);
    const WordList list = readWordFile(TestFiles::fixture("exchange/" + file));
    QCOMPARE(list.name, name);
    QCOMPARE(TestFiles::described(list, QStringLiteral(SPELLDECK_FIXTURES)), words);
}

QTEST_GUILESS_MAIN(TestWordFiles)
#include "tst_wordfiles.moc"
