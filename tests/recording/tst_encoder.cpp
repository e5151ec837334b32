// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The encoder: silence trimmed at both ends, the peak brought to -1 dBFS, and MP3 that decodes to
// the length it was given.
#include "Encoder.h"
#include "Exceptions.h"
#include "Pcm.h"

#include <QMetaType>
#include <QTest>

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>

namespace {

constexpr int kRate = 22050;

// Silence, then a square tone of the given amplitude, then silence; lengths in samples.
Pcm toneBetween(int before, int tone, int after, qint16 amplitude = 8000)
{
    Pcm pcm{std::vector<qint16>(std::size_t(before + tone + after), 0), kRate};
    for (int i = 0; i < tone; ++i)
        pcm.samples[std::size_t(before + i)] = (i / 25) % 2 == 0 ? amplitude : qint16(-amplitude);
    return pcm;
}

} // namespace

Q_DECLARE_METATYPE(Pcm)

class TestEncoder : public QObject
{
    Q_OBJECT

private slots:
    void trimSilence_data();
    void trimSilence();
    void normalise_data();
    void normalise();
    void mp3DecodesToItsLength();
    void silenceIsNamedBySource_data();
    void silenceIsNamedBySource();
};

void TestEncoder::trimSilence_data()
{
    // 50 ms kept on each side: 1102 samples at 22,050 Hz.
    QTest::addColumn<Pcm>("pcm");
    QTest::addColumn<int>("length");    // samples left; -1 when nothing is left
    QTest::addColumn<int>("firstLoud"); // where the first loud sample is in what is left
    QTest::newRow("silence, tone, silence") << toneBetween(6615, 11025, 6615) << 13229 << 1102;
    QTest::newRow("tone touching both ends") << toneBetween(0, 11025, 0) << 11025 << 0;
    QTest::newRow("tone at the start") << toneBetween(0, 8820, 6615) << 9922 << 0;
    QTest::newRow("less silence than is kept") << toneBetween(500, 8820, 700) << 10020 << 500;
    QTest::newRow("all silence") << toneBetween(22050, 0, 0) << -1 << -1;
    QTest::newRow("a tone below -50 dBFS") << toneBetween(4410, 11025, 4410, 90) << -1 << -1;
    QTest::newRow("a tone just above it") << toneBetween(4410, 11025, 4410, 120) << 13229 << 1102;
    QTest::newRow("one loud click") << toneBetween(5000, 1, 5000, 20000) << 2205 << 1102;
    QTest::newRow("nothing at all") << Pcm{{}, kRate} << -1 << -1;
}

void TestEncoder::trimSilence()
{
    QFETCH(Pcm, pcm);
    QFETCH(int, length);
    QFETCH(int, firstLoud);
    const std::optional<Pcm> trimmed = Encoder::trimSilence(pcm);
    if (length < 0) {
        QVERIFY(!trimmed);
        return;
    }
    QVERIFY(trimmed);
    QCOMPARE(trimmed->rate, kRate);
    QCOMPARE(int(trimmed->samples.size()), length);
    const auto loud = std::find_if(trimmed->samples.cbegin(), trimmed->samples.cend(),
                                   [](qint16 s) { return std::abs(int(s)) > 104; });
    QCOMPARE(int(loud - trimmed->samples.cbegin()), firstLoud);
}

void TestEncoder::normalise_data()
{
    QTest::addColumn<qint16>("amplitude");
    QTest::addColumn<int>("peak");
    // -1 dBFS is 32767 x 0.8913 = 29204.
    QTest::newRow("quiet, brought up") << qint16(1000) << 29204;
    QTest::newRow("full scale, brought down") << qint16(32767) << 29204;
    QTest::newRow("silence stays silence") << qint16(0) << 0;
}

void TestEncoder::normalise()
{
    QFETCH(qint16, amplitude);
    QFETCH(int, peak);
    Pcm pcm = toneBetween(100, 1000, 100, amplitude);
    Encoder::normalise(pcm);
    QCOMPARE(pcm.peak(), peak);
    QCOMPARE(pcm.samples.front(), qint16(0));
}

void TestEncoder::mp3DecodesToItsLength()
{
    const QByteArray mp3 = Encoder::encodeMp3(toneBetween(0, kRate, 0)); // one second
    QVERIFY(mp3.size() > 1000);
    QVERIFY(mp3.startsWith("ID3") || (quint8(mp3.at(0)) == 0xFF && (quint8(mp3.at(1)) & 0xE0) == 0xE0));
    // The variable bit rate header sits in the first frame.
    QVERIFY(mp3.left(400).contains("Xing") || mp3.left(400).contains("Info"));

    QCOMPARE(SDL_InitSubSystem(SDL_INIT_AUDIO), 0);
    QCOMPARE(Mix_OpenAudio(kRate, AUDIO_S16SYS, 1, 512), 0);
    Mix_Chunk *chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(mp3.constData(), int(mp3.size())), 1);
    const int samples = chunk ? int(chunk->alen / 2) : -1;
    Mix_FreeChunk(chunk);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    // Within the encoder's delay and padding of the second it was given.
    QVERIFY2(std::abs(samples - kRate) < kRate / 20, qPrintable(QString::number(samples)));
}

void TestEncoder::silenceIsNamedBySource_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<QString>("message");
    QTest::newRow("microphone") << int(Encoder::Source::Microphone)
                                << "Nothing was heard. Check the microphone.";
    QTest::newRow("voice") << int(Encoder::Source::Voice) << "The voice says nothing for this text.";
}

void TestEncoder::silenceIsNamedBySource()
{
    QFETCH(int, source);
    QFETCH(QString, message);
    try {
        Encoder::prepareMp3(toneBetween(22050, 0, 0), Encoder::Source(source));
        QFAIL("silence was encoded");
    } catch (const Exception &e) {
        QCOMPARE(e.message(), message);
    }
    // Anything audible is prepared.
    QVERIFY(!Encoder::prepareMp3(toneBetween(2205, 4410, 2205, 500), Encoder::Source(source)).isEmpty());
}

QTEST_GUILESS_MAIN(TestEncoder)
#include "tst_encoder.moc"
