// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The microphone, through SDL's disk driver, which reads what it "hears" from a file in real time.
#include "Encoder.h"
#include "Exceptions.h"
#include "Microphone.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

constexpr int kRate = 22050;

// Raw 16-bit mono samples at 22,050 Hz: silence, then a square tone, then silence; lengths in samples.
QByteArray heard(int before, int tone, int after)
{
    std::vector<qint16> samples(std::size_t(before + tone + after), 0);
    for (int i = 0; i < tone; ++i)
        samples[std::size_t(before + i)] = (i / 25) % 2 == 0 ? 8000 : -8000;
    return {reinterpret_cast<const char *>(samples.data()), qsizetype(samples.size() * 2)};
}

// The first and last index of a sample above -50 dBFS; -1 when none.
std::pair<int, int> loudSpan(const Pcm &pcm)
{
    const auto loud = [](qint16 s) { return std::abs(int(s)) > 104; };
    const auto first = std::find_if(pcm.samples.cbegin(), pcm.samples.cend(), loud);
    if (first == pcm.samples.cend())
        return {-1, -1};
    const auto last = std::find_if(pcm.samples.crbegin(), pcm.samples.crend(), loud);
    return {int(first - pcm.samples.cbegin()), int(pcm.samples.crend() - last - 1)};
}

} // namespace

class TestMicrophone : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void recordsWhatIsHeard();
    void silenceIsNothingHeard();
    void stopsAtTheLongestDuration();
    void noMicrophone();

private:
    // Makes the disk driver hear `sound`.
    void willHear(const QByteArray &sound);

    QTemporaryDir m_dir;
};

void TestMicrophone::init()
{
    qputenv("SDL_AUDIODRIVER", "disk");
    // The driver writes what is played here and needs a place even when only recording.
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(m_dir.filePath(QStringLiteral("played.raw"))));
}

void TestMicrophone::cleanup()
{
    qunsetenv("SDL_DISKAUDIOFILEIN");
}

void TestMicrophone::willHear(const QByteArray &sound)
{
    const QString file = m_dir.filePath(QStringLiteral("heard.raw"));
    QFile raw(file);
    QVERIFY(raw.open(QIODevice::WriteOnly));
    raw.write(sound);
    raw.close();
    qputenv("SDL_DISKAUDIOFILEIN", QFile::encodeName(file));
}

void TestMicrophone::recordsWhatIsHeard()
{
    // 0.3 s of silence, the word for 0.5 s, then silence.
    willHear(heard(6615, 11025, 6615));
    Microphone microphone;
    QSignalSpy levels(&microphone, &Microphone::levelChanged);
    microphone.start();
    QVERIFY(microphone.isRecording());
    // The driver reads the file as fast as a microphone would hear it.
    QTRY_VERIFY_WITH_TIMEOUT(microphone.elapsed() >= 1300, 10000);
    const Pcm pcm = microphone.stop();
    QVERIFY(!microphone.isRecording());
    QCOMPARE(pcm.rate, kRate);

    const auto [first, last] = loudSpan(pcm);
    QCOMPARE(first, 6615);
    QCOMPARE(last, 6615 + 11025 - 1);
    // The level followed: some stretch was heard at the tone's peak of 8000 / 32768.
    QVERIFY(!levels.isEmpty());
    double loudest = 0;
    for (const QList<QVariant> &level : std::as_const(levels))
        loudest = std::max(loudest, level.at(0).toDouble());
    QVERIFY2(loudest > 0.24 && loudest < 0.25, qPrintable(QString::number(loudest)));

    // Prepared for storing: 50 ms kept on each side of the word.
    const std::optional<Pcm> trimmed = Encoder::trimSilence(pcm);
    QVERIFY(trimmed);
    QCOMPARE(int(trimmed->samples.size()), 11025 + 2 * 1102);
    QVERIFY(!Encoder::prepareMp3(pcm, Encoder::Source::Microphone).isEmpty());
}

void TestMicrophone::silenceIsNothingHeard()
{
    willHear(heard(22050, 0, 0));
    Microphone microphone;
    microphone.start();
    QTRY_VERIFY_WITH_TIMEOUT(microphone.elapsed() >= 500, 10000);
    const Pcm pcm = microphone.stop();
    try {
        Encoder::prepareMp3(pcm, Encoder::Source::Microphone);
        QFAIL("silence was kept");
    } catch (const Exception &e) {
        QCOMPARE(e.message(), QStringLiteral("Nothing was heard. Check the microphone."));
    }
}

void TestMicrophone::stopsAtTheLongestDuration()
{
    willHear(heard(0, 22050, 0));
    Microphone microphone;
    microphone.setMaximumDuration(300);
    QSignalSpy limit(&microphone, &Microphone::limitReached);
    microphone.start();
    QTRY_COMPARE_WITH_TIMEOUT(limit.size(), 1, 10000);
    const Pcm pcm = microphone.stop();
    // Exactly the longest duration, whatever came after it.
    QCOMPARE(int(pcm.samples.size()), 6615);
    QTest::qWait(100);
    QCOMPARE(limit.size(), 1);
}

void TestMicrophone::noMicrophone()
{
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    Microphone microphone;
    try {
        microphone.start();
        QFAIL("a microphone was found");
    } catch (const Exception &e) {
        QCOMPARE(e.message(), QStringLiteral("No microphone was found."));
    }
    QVERIFY(!microphone.isRecording());
    QCOMPARE(microphone.stop().samples.size(), std::size_t(0));
}

QTEST_GUILESS_MAIN(TestMicrophone)
#include "tst_microphone.moc"
