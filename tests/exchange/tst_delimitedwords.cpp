// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// CSV and tab-separated word lists through libcsv: the library opened on first use, the delimiter,
// headers, recordings beside the file, and the inputs that are refused with the line named.
#include "DelimitedWords.h"
#include "Exceptions.h"
#include "ExchangeTestFiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Exchange;

namespace {

bool libcsvLoaded()
{
    return TestFiles::contents(QStringLiteral("/proc/self/maps")).contains("libcsv.so");
}

} // namespace

class TestDelimitedWords : public QObject
{
    Q_OBJECT

private slots:
    // First: no other test may have read a CSV file yet.
    void libcsvOpensOnFirstUse();
    void csvFixture();
    void tsvFixture();
    void delimiter_data();
    void delimiter();
    void rows_data();
    void rows();
    void refused_data();
    void refused();
};

void TestDelimitedWords::libcsvOpensOnFirstUse()
{
    QVERIFY2(!libcsvLoaded(), "libcsv was loaded before a CSV file was read");
    readDelimitedFile(TestFiles::fixture("exchange/words.csv"));
    QVERIFY(libcsvLoaded());
}

void TestDelimitedWords::csvFixture()
{
    // A header, blanks around a word, a quoted comma, doubled quotes, a missing recording and a
    // sentence in the third column.
    const QString fixtures = QStringLiteral(SPELLDECK_FIXTURES);
    const WordList list = readDelimitedFile(TestFiles::fixture("exchange/words.csv"));
    QCOMPARE(TestFiles::described(list, fixtures),
             (QStringList{"cat <- file:cat.mp3", "ice cream, vanilla", "say \"hi\"",
                          "house <- file:house.mp3 / a note"}));
    QCOMPARE(list.name, QStringLiteral("words"));
    QVERIFY(list.entries.at(0).recording.path.startsWith('/'));
}

void TestDelimitedWords::tsvFixture()
{
    const WordList list = readDelimitedFile(TestFiles::fixture("exchange/words.tsv"));
    QCOMPARE(TestFiles::described(list, QStringLiteral(SPELLDECK_FIXTURES)),
             (QStringList{"cat <- file:cat.mp3", "house <- file:house.mp3", "mouse"}));
}

void TestDelimitedWords::delimiter_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("firstLine");
    QTest::addColumn<char>("delimiter");
    QTest::newRow("commas in a .csv") << "a.csv"
                                      << "cat,cat.mp3" << ',';
    QTest::newRow("tabs in a .csv") << "a.csv"
                                    << "cat\tcat.mp3" << '\t';
    QTest::newRow("commas in a .tsv") << "a.TSV"
                                      << "cat,cat.mp3" << ',';
    QTest::newRow("one column, .tsv") << "a.tsv"
                                      << "cat" << '\t';
    QTest::newRow("one column, .tab") << "a.tab"
                                      << "cat" << '\t';
    QTest::newRow("one column, .csv") << "a.csv"
                                      << "cat" << ',';
    QTest::newRow("both in a .tsv") << "a.tsv"
                                    << "well, yes\tyes.mp3" << '\t';
    QTest::newRow("both in a .csv") << "a.csv"
                                    << "a\tb,c" << ',';
    QTest::newRow("tabs in a .txt") << "a.txt"
                                    << "cat\tcat.mp3" << '\t';
    QTest::newRow("both in a .txt") << "a.txt"
                                    << "well, yes\tyes.mp3" << '\t';
    QTest::newRow("one column, .CSV") << "a.CSV"
                                      << "cat" << ',';
}

void TestDelimitedWords::delimiter()
{
    QFETCH(QString, path);
    QFETCH(QString, firstLine);
    QFETCH(char, delimiter);
    QCOMPARE(delimiterFor(path, firstLine), delimiter);
}

void TestDelimitedWords::rows_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("words"); // recordings relative to the file's folder
    QTest::newRow("header in capitals")
        << "a.csv" << QByteArray("WORD,Sound\ncat,sub/cat.mp3\n") << QStringList{"cat <- file:sub/cat.mp3"};
    QTest::newRow("header with blanks and a byte-order mark")
        << "a.csv" << QByteArray("\xEF\xBB\xBF Word ,x\ncat\n") << QStringList{"cat"};
    QTest::newRow("\"word\" after the first row is a word")
        << "a.csv" << QByteArray("cat\nword\n") << QStringList{"cat", "word"};
    QTest::newRow("header after blank lines")
        << "a.csv" << QByteArray("\n\nword\ncat\n") << QStringList{"cat"};
    QTest::newRow("Windows line ends") << "a.csv" << QByteArray("cat,\r\ndog,sub/cat.mp3\r\n")
                                       << QStringList{"cat", "dog <- file:sub/cat.mp3"};
    QTest::newRow("old Mac line ends")
        << "a.csv" << QByteArray("cat\rdog\rfish") << QStringList{"cat", "dog", "fish"};
    QTest::newRow("empty rows and empty cells skipped")
        << "a.csv" << QByteArray(",,\n\ncat,,\n  ,  \n") << QStringList{"cat"};
    QTest::newRow("quoted line end inside a word")
        << "a.csv" << QByteArray("\"ice\ncream\",\ncat\n") << QStringList{"ice\ncream", "cat"};
    QTest::newRow("absolute path") << "a.csv" << QByteArray("cat,{dir}/sub/cat.mp3\n")
                                   << QStringList{"cat <- file:sub/cat.mp3"};
    QTest::newRow("path up and down again")
        << "a.csv" << QByteArray("cat,../{name}/sub/./cat.mp3\n") << QStringList{"cat <- file:sub/cat.mp3"};
    QTest::newRow("missing file and a folder are no recording")
        << "a.csv" << QByteArray("cat,sub/none.mp3\ndog,sub\n") << QStringList{"cat", "dog"};
    QTest::newRow("tabs, blanks kept inside")
        << "a.tsv" << QByteArray("ice cream\tsub/cat.mp3\nfish and chips\n")
        << QStringList{"ice cream <- file:sub/cat.mp3", "fish and chips"};
    QTest::newRow("tab-separated content in a .csv")
        << "a.csv" << QByteArray("ice cream\tsub/cat.mp3\n") << QStringList{"ice cream <- file:sub/cat.mp3"};
    QTest::newRow("sentences in the third column")
        << "a.csv"
        << QByteArray("word,recording,sentence\nthere,,Put it over there.\ntheir,sub/cat.mp3,"
                      "\"They took their coats, \"\"all\"\" of them.\"\nthey're\n")
        << QStringList{"there / Put it over there.",
                       "their <- file:sub/cat.mp3 / They took their coats, \"all\" of them.", "they're"};
    QTest::newRow("a sentence laid over lines and blanks, non-ASCII")
        << "a.tsv"
        << QByteArray("B\xC3\xA4r\t\t\"  Der B\xC3\xA4r\n  schl\xC3\xA4"
                      "ft.  \"\textra\n")
        << QStringList{QStringLiteral("Bär / Der Bär schläft.")};
    QTest::newRow("an empty third column is no sentence")
        << "a.csv" << QByteArray("cat,,   \n") << QStringList{"cat"};
}

void TestDelimitedWords::rows()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, words);
    QTemporaryDir dir;
    QVERIFY(TestFiles::write(dir.filePath("sub/cat.mp3"), "meow"));
    const QString file = dir.filePath(name);
    QVERIFY(TestFiles::write(file, bytes.replace("{dir}", dir.path().toUtf8())
                                       .replace("{name}", QFileInfo(dir.path()).fileName().toUtf8())));
    QCOMPARE(TestFiles::described(readDelimitedFile(file), dir.path()), words);
}

void TestDelimitedWords::refused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message"); // {file} stands for the file's path
    QTest::newRow("quote never closed") << "a.csv" << QByteArray("cat,\n\"dog,x\nfish\n")
                                        << "Line 2 of \"{file}\": a quoted field is never closed.";
    QTest::newRow("quote never closed, after a field of two lines and a blank line")
        << "a.csv" << QByteArray("\"ice\ncream\",\n\n\"dog")
        << "Line 4 of \"{file}\": a quoted field is never closed.";
    QTest::newRow("quote never closed in a tab-separated file")
        << "a.tsv" << QByteArray("cat\n\"dog\tx\n")
        << "Line 2 of \"{file}\": a quoted field is never closed.";
    QTest::newRow("quote inside a word")
        << "a.csv" << QByteArray("cat\nsay \"hi\",x\n")
        << "Line 2 of \"{file}\": a quote is out of place (a field with quotes must start and end with one).";
    QTest::newRow("text after the closing quote")
        << "a.csv" << QByteArray("\"cat\"s,x\n")
        << "Line 1 of \"{file}\": a quote is out of place (a field with quotes must start and end with one).";
    QTest::newRow("not UTF-8")
        << "a.csv" << QByteArray("word\ncat\nd\xF6g,x\n")
        << "Line 3 of \"{file}\" is not UTF-8 text: save the file as UTF-8 and try again.";
    QTest::newRow("NUL byte") << "a.csv" << QByteArray("cat\nd\0g,x\n", 10)
                              << "Line 2 of \"{file}\" holds a NUL character: it is not a text file.";
    QTest::newRow("word too long") << "a.csv" << QByteArray("word\ncat\n") + QByteArray(256, 'w') + ",x\n"
                                   << "Line 3 of \"{file}\": the word is longer than 255 characters.";
    QTest::newRow("sentence too long") << "a.csv" << QByteArray("cat\ndog,,") + QByteArray(256, 's') + "\n"
                                       << "Line 2 of \"{file}\": the sentence is longer than 255 characters.";
    QTest::newRow("recording without a word") << "a.csv" << QByteArray("cat,\n  ,dog.mp3\n")
                                              << "Line 2 of \"{file}\": the first column holds no word.";
    QTest::newRow("empty") << "a.csv" << QByteArray() << "There are no words in \"{file}\".";
    QTest::newRow("header only") << "a.tsv" << QByteArray("Word\tRecording\r\n")
                                 << "There are no words in \"{file}\".";
}

void TestDelimitedWords::refused()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString file = dir.filePath(name);
    QVERIFY(TestFiles::write(file, bytes));
    try {
        readDelimitedFile(file);
        QFAIL("the file was taken");
    } catch (const Exception &e) {
        QCOMPARE(e.message(), QString(message).replace("{file}", file));
    }
}

QTEST_GUILESS_MAIN(TestDelimitedWords)
#include "tst_delimitedwords.moc"
