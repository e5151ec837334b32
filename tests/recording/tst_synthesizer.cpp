// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Speech synthesis: words spoken by the engine's voices, and the voice chosen for a locale.
#include "Exceptions.h"
#include "Synthesizer.h"

#include <QTest>

#include <cstdlib>

class TestSynthesizer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void speaksAWord();
    void everyVoiceSpeaks();
    void defaultVoice_data();
    void defaultVoice();
    void unknownVoiceIsNamed();
};

void TestSynthesizer::initTestCase()
{
    QVERIFY2(Synthesizer::instance().available(), qPrintable(Synthesizer::instance().unavailableReason()));
}

void TestSynthesizer::speaksAWord()
{
    const Pcm pcm = Synthesizer::instance().speak(QStringLiteral("apple"), QStringLiteral("gmw/en"));
    QCOMPARE(pcm.rate, 22050);
    // An ordinary word: a fraction of a second, clearly audible, quiet at its very ends.
    QVERIFY2(pcm.durationMs() > 200 && pcm.durationMs() < 2000,
             qPrintable(QString::number(pcm.durationMs())));
    QVERIFY(pcm.peak() > 4000);
    QVERIFY(std::abs(int(pcm.samples.front())) < 500);
    QVERIFY(std::abs(int(pcm.samples.back())) < 500);
    // A longer text takes longer.
    const Pcm sentence =
        Synthesizer::instance().speak(QStringLiteral("apples and pears and plums"), QStringLiteral("gmw/en"));
    QVERIFY(sentence.durationMs() > pcm.durationMs() * 2);
}

void TestSynthesizer::everyVoiceSpeaks()
{
    const QList<Voice> voices = Synthesizer::instance().voices();
    QVERIFY2(voices.size() > 100, qPrintable(QString::number(voices.size())));
    QStringList silent;
    QSet<QString> names;
    for (const Voice &voice : voices) {
        QVERIFY(!voice.languageName.isEmpty());
        QVERIFY(!voice.language.isEmpty());
        names.insert(voice.name);
        // A syllable every voice reads, whatever its script (some read no digits).
        const Pcm pcm = Synthesizer::instance().speak(QStringLiteral("ma"), voice.name);
        if (pcm.peak() < 1000)
            silent << voice.name +
                          QStringLiteral(" (%1 samples, peak %2)").arg(pcm.samples.size()).arg(pcm.peak());
    }
    QVERIFY2(silent.isEmpty(), qPrintable(silent.join(QStringLiteral(", "))));
    QCOMPARE(names.size(), voices.size());
    // Sorted by what the user reads.
    for (qsizetype i = 1; i < voices.size(); ++i)
        QVERIFY(QString::localeAwareCompare(voices.at(i - 1).languageName, voices.at(i).languageName) <= 0);
}

void TestSynthesizer::defaultVoice_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("voice");
    QTest::newRow("German") << "de_DE"
                            << "gmw/de";
    QTest::newRow("French") << "fr_FR"
                            << "roa/fr";
    QTest::newRow("American English") << "en_US"
                                      << "gmw/en-US";
    QTest::newRow("British English") << "en_GB"
                                     << "gmw/en";
    QTest::newRow("Brazilian Portuguese") << "pt_BR"
                                          << "roa/pt-BR";
    QTest::newRow("Mexican Spanish: the Latin American voice") << "es_MX"
                                                               << "roa/es-419";
    QTest::newRow("Spanish of Spain: by language") << "es_ES"
                                                   << "roa/es";
    QTest::newRow("Japanese") << "ja_JP"
                              << "jpx/ja";
    QTest::newRow("C locale: English") << "C"
                                       << "gmw/en";
}

void TestSynthesizer::defaultVoice()
{
    QFETCH(QString, locale);
    QFETCH(QString, voice);
    QCOMPARE(Synthesizer::instance().defaultVoice(QLocale(locale)), voice);
}

void TestSynthesizer::unknownVoiceIsNamed()
{
    try {
        Synthesizer::instance().speak(QStringLiteral("apple"), QStringLiteral("no/such-voice"));
        QFAIL("an unknown voice spoke");
    } catch (const Exception &e) {
        QCOMPARE(e.message(), QStringLiteral("The voice \"no/such-voice\" is not available."));
    }
}

QTEST_GUILESS_MAIN(TestSynthesizer)
#include "tst_synthesizer.moc"
