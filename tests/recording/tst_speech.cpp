// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A word's recording made by the speech engines, end to end: spoken, encoded and written under a name
// made from the word, or refused with nothing written; what is written plays.
#include "Exceptions.h"
#include "Speech.h"
#include "Synthesizer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cstdlib>

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
    void recordingPlays_data();
    void recordingPlays();

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
    QTest::addColumn<QString>("voice");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("path");
    for (const char *voice : {"gmw/en", "flite/rms"}) {
        const QString engine = QString::fromLatin1(voice);
        QTest::addRow("%s: plain", voice) << engine << "apple"
                                          << "data/sounds/apple.mp3";
        QTest::addRow("%s: quotes, slashes and dots", voice) << engine << "Tom's \"best\"/../x"
                                                             << "data/sounds/Tom_s__best_____x.mp3";
        QTest::addRow("%s: non-ASCII", voice)
            << engine << QStringLiteral("Größe") << QStringLiteral("data/sounds/Größe.mp3");
        QTest::addRow("%s: 255 characters", voice)
            << engine << QString(255, QLatin1Char('a'))
            << QStringLiteral("data/sounds/") + QString(60, QLatin1Char('a')) + QStringLiteral(".mp3");
    }
}

void TestSpeech::speaksToANewFile()
{
    QFETCH(QString, voice);
    QFETCH(QString, word);
    QFETCH(QString, path);
    QString written;
    try {
        written = speakToFile(word, voice, QStringLiteral("data/sounds"));
    } catch (const Exception &e) {
        QFAIL(qPrintable(e.message()));
    }
    QCOMPARE(written, path);
    QFile mp3(written);
    QVERIFY(mp3.open(QIODevice::ReadOnly));
    QVERIFY(mp3.size() > 500);
    // Spoken twice, the second recording takes the next name and the first stays.
    const QString again = speakToFile(word, voice, QStringLiteral("data/sounds"));
    QCOMPARE(again, path.chopped(4) + QStringLiteral("-2.mp3"));
    QCOMPARE(QDir(QStringLiteral("data/sounds")).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

void TestSpeech::silenceWritesNothing_data()
{
    QTest::addColumn<QString>("voice");
    QTest::addColumn<QString>("word");
    for (const char *voice : {"gmw/en", "flite/rms"}) {
        QTest::addRow("%s: punctuation", voice) << QString::fromLatin1(voice) << "?!.";
        QTest::addRow("%s: a dash", voice) << QString::fromLatin1(voice) << QStringLiteral("—");
        QTest::addRow("%s: a blank", voice) << QString::fromLatin1(voice) << " ";
    }
}

void TestSpeech::silenceWritesNothing()
{
    QFETCH(QString, voice);
    QFETCH(QString, word);
    try {
        speakToFile(word, voice, QStringLiteral("data/sounds"));
        QFAIL("silence was written");
    } catch (const Exception &e) {
        QCOMPARE(e.message(), QStringLiteral("The voice says nothing for this text."));
    }
    QVERIFY(QDir(QStringLiteral("data/sounds")).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

void TestSpeech::recordingPlays_data()
{
    QTest::addColumn<QString>("voice");
    QTest::newRow("espeak-ng") << "gmw/en";
    for (const char *voice : {"flite/rms", "flite/kal16", "flite/awb", "flite/slt"})
        QTest::newRow(voice) << QString::fromLatin1(voice);
}

void TestSpeech::recordingPlays()
{
    QFETCH(QString, voice);
    const QString written = speakToFile(QStringLiteral("elephant"), voice, QStringLiteral("data/sounds"));
    QFile file(written);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray mp3 = file.readAll();
    // The player's decoder reads it back as a word: under a second or two, as loud as the others.
    constexpr int kRate = 22050;
    QCOMPARE(SDL_InitSubSystem(SDL_INIT_AUDIO), 0);
    QCOMPARE(Mix_OpenAudio(kRate, AUDIO_S16SYS, 1, 512), 0);
    Mix_Chunk *chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(mp3.constData(), int(mp3.size())), 1);
    QVERIFY2(chunk, SDL_GetError());
    const auto *samples = reinterpret_cast<const qint16 *>(chunk->abuf);
    const int count = int(chunk->alen / 2);
    int peak = 0;
    for (int i = 0; i < count; ++i)
        peak = std::max(peak, std::abs(int(samples[i])));
    Mix_FreeChunk(chunk);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    const int ms = count * 1000 / kRate;
    QVERIFY2(ms > 300 && ms < 2000, qPrintable(QString::number(ms)));
    // Normalised to about -1 dBFS (29,200) before encoding.
    QVERIFY2(peak > 24000, qPrintable(QString::number(peak)));
    // Trimmed: the raw voice holds more silence than the recording keeps.
    const Pcm raw = Synthesizer::instance().speak(QStringLiteral("elephant"), voice);
    QVERIFY2(ms < raw.durationMs() + 100,
             qPrintable(QStringLiteral("%1 of %2").arg(ms).arg(raw.durationMs())));
}

QTEST_GUILESS_MAIN(TestSpeech)
#include "tst_speech.moc"
