// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A word dictated with its sentence: the word, a pause, the sentence, a pause, the word, as one sound;
// the word alone when there is no sentence to hear.
#include "Dictation.h"
#include "Synthesizer.h"

#include <QTest>

#include <cmath>

namespace {

constexpr int kRate = 16000;

// `ms` of a loud tone (or of silence when `loud` is false).
std::vector<qint16> part(int ms, bool loud)
{
    std::vector<qint16> samples(std::size_t(kRate) * std::size_t(ms) / 1000, 0);
    if (loud) {
        for (std::size_t i = 0; i < samples.size(); ++i)
            samples[i] = qint16(std::lround(12000 * std::sin(double(i) * 0.3)));
    }
    return samples;
}

Pcm sound(std::initializer_list<std::pair<int, bool>> parts, int rate = kRate)
{
    Pcm pcm{{}, rate};
    for (const auto &[ms, loud] : parts) {
        const std::vector<qint16> samples = part(ms, loud);
        pcm.samples.insert(pcm.samples.end(), samples.cbegin(), samples.cend());
    }
    return pcm;
}

// One character for every 100 ms: "x" where something is heard, "." for silence.
QString profile(const Pcm &pcm, int blockMs = 100)
{
    const std::size_t block = std::size_t(pcm.rate) * std::size_t(blockMs) / 1000;
    QString result;
    for (std::size_t from = 0; from < pcm.samples.size(); from += block) {
        int peak = 0;
        for (std::size_t i = from; i < std::min(from + block, pcm.samples.size()); ++i)
            peak = std::max(peak, std::abs(int(pcm.samples[i])));
        result += peak > 1000 ? QLatin1Char('x') : QLatin1Char('.');
    }
    return result;
}

// The runs of sound longer than `minMs`, separated by silences of at least `pauseMs`.
int heardParts(const Pcm &pcm, int pauseMs)
{
    const QString blocks = profile(pcm, 50);
    const int pauseBlocks = pauseMs / 50;
    int parts = 0;
    int quiet = pauseBlocks;
    for (const QChar c : blocks) {
        if (c == QLatin1Char('x')) {
            if (quiet >= pauseBlocks)
                ++parts;
            quiet = 0;
        } else {
            ++quiet;
        }
    }
    return parts;
}

} // namespace

class TestDictation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void compose_data();
    void compose();
    void spokenByTheVoices_data();
    void spokenByTheVoices();
};

void TestDictation::compose_data()
{
    QTest::addColumn<Pcm>("word");
    QTest::addColumn<Pcm>("sentence");
    QTest::addColumn<QString>("heard"); // "none" for nothing
    // Each part keeps 50 ms of its own silence on either side: a word of 300 ms is 400 ms long.
    QTest::newRow("word, pause, sentence, pause, word")
        << sound({{100, false}, {300, true}, {100, false}}) << sound({{800, true}})
        << "xxxx.......xxxxxxxx.......xxxx";
    QTest::newRow("the sentence's own silence goes")
        << sound({{300, true}}) << sound({{900, false}, {400, true}, {900, false}})
        << "xxx.......xxxxx.......xxx";
    QTest::newRow("a sentence of silence: the word alone")
        << sound({{100, false}, {300, true}, {100, false}}) << sound({{500, false}}) << "xxxx";
    QTest::newRow("a sentence of nothing: the word alone") << sound({{300, true}}) << Pcm{{}, kRate} << "xxx";
    QTest::newRow("a sentence at another rate: the word alone")
        << sound({{300, true}}) << sound({{800, true}}, 22050) << "xxx";
    QTest::newRow("a word of silence: nothing") << sound({{300, false}}) << sound({{800, true}}) << "none";
}

void TestDictation::compose()
{
    QFETCH(Pcm, word);
    QFETCH(Pcm, sentence);
    QFETCH(QString, heard);
    const std::optional<Pcm> joined = Dictation::compose(word, sentence);
    QCOMPARE(joined ? profile(*joined) : QStringLiteral("none"), heard);
    if (joined)
        QCOMPARE(joined->rate, kRate);
}

void TestDictation::spokenByTheVoices_data()
{
    QTest::addColumn<QString>("voice");
    QTest::newRow("Flite") << "flite/rms";
    QTest::newRow("espeak-ng") << "gmw/en";
    QTest::newRow("espeak-ng, German") << "gmw/de";
}

void TestDictation::spokenByTheVoices()
{
    QFETCH(QString, voice);
    Synthesizer &synthesizer = Synthesizer::instance();
    if (!synthesizer.available())
        QSKIP(qPrintable(synthesizer.unavailableReason()));
    const Pcm alone = synthesizer.speak(QStringLiteral("their"), voice);
    // Without a sentence, what the voice says for the word.
    const Pcm plain = Dictation::speak(QStringLiteral("their"), QString(), voice);
    QCOMPARE(heardParts(plain, 600), 1);
    QVERIFY(std::abs(plain.durationMs() - alone.durationMs()) < 50);

    const Pcm dictated =
        Dictation::speak(QStringLiteral("their"), QStringLiteral("They took their coats."), voice);
    QCOMPARE(dictated.rate, alone.rate);
    // The word, the sentence and the word again, apart from each other by the pauses.
    QCOMPARE(heardParts(dictated, 600), 3);
    QVERIFY2(dictated.durationMs() > 2 * Dictation::kPauseMs + 500,
             qPrintable(QString::number(dictated.durationMs())));
}

QTEST_GUILESS_MAIN(TestDictation)
#include "tst_dictation.moc"
