// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A word's recording made by the speech engine, end to end: spoken, encoded and written under a name
// made from the word, or refused with nothing written.
#include "Exceptions.h"
#include "Speech.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestSpeech : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void speaksToANewFile_data();
    void speaksToANewFile();
    void silenceWritesNothing_data();
    void silenceWritesNothing();

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

void TestSpeech::init()
{
    m_previous = QDir::currentPath();
    QDir::setCurrent(m_dir.path());
}

void TestSpeech::cleanup()
{
    QDir::setCurrent(m_previous);
    QDir(m_dir.filePath(QStringLiteral("data"))).removeRecursively();
}

void TestSpeech::speaksToANewFile_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("path");
    QTest::newRow("plain") << "apple"
                           << "data/sounds/apple.mp3";
    QTest::newRow("quotes, slashes and dots") << "Tom's \"best\"/../x"
                                              << "data/sounds/Tom_s__best_____x.mp3";
    QTest::newRow("non-ASCII") << QStringLiteral("Größe") << QStringLiteral("data/sounds/Größe.mp3");
    QTest::newRow("255 characters") << QString(255, QLatin1Char('a'))
                                    << QStringLiteral("data/sounds/") + QString(60, QLatin1Char('a')) +
                                           QStringLiteral(".mp3");
}

void TestSpeech::speaksToANewFile()
{
    QFETCH(QString, word);
    QFETCH(QString, path);
    QString written;
    try {
        written = speakToFile(word, QStringLiteral("gmw/en"), QStringLiteral("data/sounds"));
    } catch (const Exception &e) {
        QFAIL(qPrintable(e.message()));
    }
    QCOMPARE(written, path);
    QFile mp3(written);
    QVERIFY(mp3.open(QIODevice::ReadOnly));
    QVERIFY(mp3.size() > 500);
    // Spoken twice, the second recording takes the next name and the first stays.
    const QString again = speakToFile(word, QStringLiteral("gmw/en"), QStringLiteral("data/sounds"));
    QCOMPARE(again, path.chopped(4) + QStringLiteral("-2.mp3"));
    QCOMPARE(QDir(QStringLiteral("data/sounds")).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

void TestSpeech::silenceWritesNothing_data()
{
    QTest::addColumn<QString>("word");
    QTest::newRow("punctuation") << "?!.";
    QTest::newRow("a dash") << QStringLiteral("—");
    QTest::newRow("a blank") << " ";
}

void TestSpeech::silenceWritesNothing()
{
    QFETCH(QString, word);
    try {
        speakToFile(word, QStringLiteral("gmw/en"), QStringLiteral("data/sounds"));
        QFAIL("silence was written");
    } catch (const Exception &e) {
        QCOMPARE(e.message(), QStringLiteral("The voice says nothing for this text."));
    }
    QVERIFY(QDir(QStringLiteral("data/sounds")).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

QTEST_GUILESS_MAIN(TestSpeech)
#include "tst_speech.moc"
