// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Speech synthesis: words spoken by the engines' voices, the list of voices, and the voice chosen for a
// locale.
#include "Encoder.h"
#include "Exceptions.h"
#include "Synthesizer.h"

#include <QSet>
#include <QTest>

#include <cstdlib>

class TestSynthesizer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void speaksAWord();
    void fliteSpeaksAWord_data();
    void fliteSpeaksAWord();
    void voiceList();
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

void TestSynthesizer::fliteSpeaksAWord_data()
{
    QTest::addColumn<QString>("voice");
    for (const char *voice : {"flite/rms", "flite/kal16", "flite/awb", "flite/slt"})
        QTest::newRow(voice) << QString::fromLatin1(voice);
}

void TestSynthesizer::fliteSpeaksAWord()
{
    QFETCH(QString, voice);
    const Pcm pcm = Synthesizer::instance().speak(QStringLiteral("apple"), voice);
    // Flite's voices speak at 16 kHz.
    QCOMPARE(pcm.rate, 16000);
    QVERIFY2(pcm.durationMs() > 200 && pcm.durationMs() < 2000,
             qPrintable(QString::number(pcm.durationMs())));
    QVERIFY2(pcm.peak() > 4000, qPrintable(QString::number(pcm.peak())));
    // A longer text takes longer, once the pauses around each are cut as a recording's are.
    const Pcm sentence = Synthesizer::instance().speak(QStringLiteral("apples and pears and plums"), voice);
    QVERIFY(Encoder::trimSilence(sentence)->durationMs() > Encoder::trimSilence(pcm)->durationMs() * 2);
    // The pauses around the word are silence, as the other engine's are, not the voice's hiss.
    QCOMPARE(pcm.samples.front(), qint16(0));
    QCOMPARE(pcm.samples.back(), qint16(0));
    // Punctuation alone says nothing at all.
    QCOMPARE(Synthesizer::instance().speak(QStringLiteral("?!."), voice).peak(), 0);
}

void TestSynthesizer::voiceList()
{
    const QList<Voice> voices = Synthesizer::instance().voices();
    QVERIFY(voices.size() > 100);
    // English from Flite, the most intelligible first, each with a name a teacher reads.
    const QStringList flite{"flite/rms\tEnglish (America), clear, male",
                            "flite/kal16\tEnglish (America), steady, male",
                            "flite/awb\tEnglish (Scotland), male", "flite/slt\tEnglish (America), female"};
    QStringList first;
    for (const Voice &voice : voices.first(4))
        first << voice.name + QLatin1Char('\t') + voice.label();
    QCOMPARE(first, flite);
    // Then espeak-ng's, by readable name, English no more: each language once from one engine.
    QSet<QString> names;
    QSet<QString> labels;
    for (qsizetype i = 0; i < voices.size(); ++i) {
        const Voice &voice = voices.at(i);
        names.insert(voice.name);
        labels.insert(voice.label());
        if (i < 4)
            continue;
        QVERIFY2(!voice.name.startsWith(QStringLiteral("flite/")), qPrintable(voice.name));
        QVERIFY2(!voice.language.startsWith(QStringLiteral("en")), qPrintable(voice.name));
        QVERIFY(voice.description.isEmpty());
        QCOMPARE(voice.label(), voice.languageName);
        if (i > 4)
            QVERIFY(QString::localeAwareCompare(voices.at(i - 1).languageName, voice.languageName) <= 0);
    }
    QCOMPARE(names.size(), voices.size());
    QCOMPARE(labels.size(), voices.size());
    QVERIFY(names.contains(QStringLiteral("gmw/de")));
    QVERIFY(!names.contains(QStringLiteral("gmw/en")));
    // A voice stored before still speaks, and so does an English one of espeak-ng named by a user.
    QVERIFY(Synthesizer::instance().hasVoice(QStringLiteral("gmw/en")));
    QVERIFY(Synthesizer::instance().hasVoice(QStringLiteral("flite/awb")));
    QVERIFY(!Synthesizer::instance().hasVoice(QStringLiteral("flite/kal")));
    QVERIFY(!Synthesizer::instance().hasVoice(QStringLiteral("no/such-voice")));
    QCOMPARE(Synthesizer::instance().englishUnavailableReason(), QString());
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
}

void TestSynthesizer::defaultVoice_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("voice");
    QTest::newRow("German") << "de_DE"
                            << "gmw/de";
    QTest::newRow("French") << "fr_FR"
                            << "roa/fr";
    QTest::newRow("American English: the clearest voice") << "en_US"
                                                          << "flite/rms";
    QTest::newRow("British English: the clearest voice") << "en_GB"
                                                         << "flite/rms";
    QTest::newRow("Australian English") << "en_AU"
                                        << "flite/rms";
    QTest::newRow("Brazilian Portuguese") << "pt_BR"
                                          << "roa/pt-BR";
    QTest::newRow("Mexican Spanish: the Latin American voice") << "es_MX"
                                                               << "roa/es-419";
    QTest::newRow("Spanish of Spain: by language") << "es_ES"
                                                   << "roa/es";
    QTest::newRow("Japanese") << "ja_JP"
                              << "jpx/ja";
    QTest::newRow("C locale: the clearest English voice") << "C"
                                                          << "flite/rms";
    QTest::newRow("a language without a voice: English") << "yo_NG"
                                                         << "flite/rms";
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
    try {
        Synthesizer::instance().speak(QStringLiteral("apple"), QStringLiteral("flite/kal"));
        QFAIL("a voice left out spoke");
    } catch (const Exception &e) {
        QCOMPARE(e.message(), QStringLiteral("The voice \"flite/kal\" is not available."));
    }
}

QTEST_GUILESS_MAIN(TestSynthesizer)
#include "tst_synthesizer.moc"
