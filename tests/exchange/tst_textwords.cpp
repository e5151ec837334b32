// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Word lists with one word on a line, pasted or in a file: line ends, byte-order marks, blanks, and the
// inputs that are refused with the line named.
#include "Exceptions.h"
#include "ExchangeTestFiles.h"
#include "TextWords.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Exchange;

class TestTextWords : public QObject
{
    Q_OBJECT

private slots:
    void pastedText_data();
    void pastedText();
    void pastedTextRefused_data();
    void pastedTextRefused();
    void textFileFixture();
    void textFileRefused_data();
    void textFileRefused();
};

void TestTextWords::pastedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("line feeds") << "cat\ndog\nfish" << QStringList{"cat", "dog", "fish"};
    QTest::newRow("carriage return and line feed") << "cat\r\ndog\r\n" << QStringList{"cat", "dog"};
    QTest::newRow("carriage returns alone") << "cat\rdog\rfish" << QStringList{"cat", "dog", "fish"};
    QTest::newRow("mixed, with blank lines between")
        << "cat\r\n\rdog\n\n\r\nfish\r" << QStringList{"cat", "dog", "fish"};
    QTest::newRow("byte-order mark") << QStringLiteral("\uFEFFcat\ndog") << QStringList{"cat", "dog"};
    QTest::newRow("byte-order marks twice, and at a word's end")
        << QStringLiteral("\uFEFF\uFEFFcat\ndog\uFEFF \n\uFEFF\nice\uFEFFcream")
        << QStringList{"cat", "dog", QStringLiteral("ice\uFEFFcream")};
    QTest::newRow("blanks around words, blank lines") << "\n   cat \n\t\n ice cream\t\n  \n"
                                                      << QStringList{"cat", "ice cream"};
    QTest::newRow("letters of many scripts")
        << QStringLiteral("Größe\nλέξη\n漢字\nनमस्ते") << QStringList{"Größe", "λέξη", "漢字", "नमस्ते"};
    QTest::newRow("repeated words kept in order") << "b\na\nb" << QStringList{"b", "a", "b"};
    QTest::newRow("255 characters once trimmed")
        << "  " + QString(255, QLatin1Char('w')) + "  " << QStringList{QString(255, QLatin1Char('w'))};
}

void TestTextWords::pastedText()
{
    QFETCH(QString, text);
    QFETCH(QStringList, words);
    const WordList list = readPastedText(text);
    QCOMPARE(TestFiles::described(list), words);
    QCOMPARE(list.name, QString());
    QCOMPARE(list.package, QString());
}

void TestTextWords::pastedTextRefused_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << ""
                           << "There are no words in the pasted text.";
    QTest::newRow("blank lines only") << " \n\t\r\n\r"
                                      << "There are no words in the pasted text.";
    QTest::newRow("byte-order mark only")
        << QStringLiteral("\uFEFF") << "There are no words in the pasted text.";
    QTest::newRow("NUL character")
        << QString::fromUtf8("cat\r\ndog\nfi\0sh", 14)
        << "Line 3 of the pasted text holds a NUL character: it is not a text file.";
    QTest::newRow("word too long") << "cat\n\n" + QString(256, QLatin1Char('w'))
                                   << "Line 3 of the pasted text: the word is longer than 255 characters.";
}

void TestTextWords::pastedTextRefused()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    try {
        readPastedText(text);
        QFAIL("the text was taken");
    } catch (const Exception &e) {
        QCOMPARE(e.message(), message);
    }
}

void TestTextWords::textFileFixture()
{
    // A byte-order mark, Windows line ends, a blank line, a padded word and no final line end.
    const WordList list = readTextFile(TestFiles::fixture("exchange/words.txt"));
    QCOMPARE(TestFiles::described(list),
             (QStringList{"apple", "ice cream", QStringLiteral("Größe"), "house"}));
    QCOMPARE(list.name, QStringLiteral("words"));
}

void TestTextWords::textFileRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message"); // {file} stands for the file's path
    QTest::newRow("empty") << QByteArray() << "There are no words in \"{file}\".";
    QTest::newRow("blank lines and a byte-order mark only")
        << QByteArray("\xEF\xBB\xBF\r\n  \n\t") << "There are no words in \"{file}\".";
    QTest::newRow("bytes that are not UTF-8")
        << QByteArray("cat\ndog\n\xFF\xFEoops\nfish")
        << "Line 3 of \"{file}\" is not UTF-8 text: save the file as UTF-8 and try again.";
    QTest::newRow("Latin-1 accent")
        << QByteArray("caf\xE9\r\n")
        << "Line 1 of \"{file}\" is not UTF-8 text: save the file as UTF-8 and try "
           "again.";
    QTest::newRow("character cut at the line end")
        << QByteArray("cat\rcaf\xC3\rdog")
        << "Line 2 of \"{file}\" is not UTF-8 text: save the file as UTF-8 and try again.";
    QTest::newRow("overlong form of a slash")
        << QByteArray("cat\n\xC0\xAF")
        << "Line 2 of \"{file}\" is not UTF-8 text: save the file as UTF-8 and try again.";
    QTest::newRow("NUL byte") << QByteArray("cat\r\n\r\ndo\0g", 10)
                              << "Line 3 of \"{file}\" holds a NUL character: it is not a text file.";
    QTest::newRow("UTF-16 text") << QByteArray("\xFF\xFE"
                                               "c\0a\0t\0",
                                               8)
                                 << "Line 1 of \"{file}\" holds a NUL character: it is not a text file.";
    QTest::newRow("word too long") << QByteArray("cat\n") + QByteArray(256, 'w') + "\ndog"
                                   << "Line 2 of \"{file}\": the word is longer than 255 characters.";
    QTest::newRow("255 letters of two bytes each are fine, 256 are not")
        << QString(256, QChar(0xE9)).toUtf8()
        << "Line 1 of \"{file}\": the word is longer than 255 characters.";
}

void TestTextWords::textFileRefused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString file = dir.filePath("list of words.txt");
    QVERIFY(TestFiles::write(file, bytes));
    try {
        readTextFile(file);
        QFAIL("the file was taken");
    } catch (const Exception &e) {
        QCOMPARE(e.message(), QString(message).replace("{file}", file));
    }
}

QTEST_GUILESS_MAIN(TestTextWords)
#include "tst_textwords.moc"
