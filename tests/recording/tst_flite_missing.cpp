// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Without Flite, English is spoken by espeak-ng as before, and the reason the clearer voices are
// missing can be told.
#include "Exceptions.h"
#include "LazyLibrary.h"
#include "Synthesizer.h"

#include <QTest>

class TestFliteMissing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void espeakSpeaksEnglish();
    void fliteVoicesAreRefusedWithTheReason();
};

void TestFliteMissing::initTestCase()
{
    // Before the first use: the library is not opened yet.
    LazyLibrary::hideForTesting(QStringLiteral("flite"));
    QVERIFY(Synthesizer::instance().available());
}

void TestFliteMissing::espeakSpeaksEnglish()
{
    Synthesizer &synthesizer = Synthesizer::instance();
    const QString why = synthesizer.englishUnavailableReason();
    QVERIFY2(why.startsWith(QStringLiteral("Flite, the clearer English voices, is not available: ")),
             qPrintable(why));
    QVERIFY2(why.contains(QStringLiteral("libflite")), qPrintable(why));
    QCOMPARE(synthesizer.unavailableReason(), QString());
    QStringList names;
    for (const Voice &voice : synthesizer.voices())
        names << voice.name;
    QVERIFY(names.contains(QStringLiteral("gmw/en")));
    QVERIFY(names.contains(QStringLiteral("gmw/en-US")));
    QVERIFY(!names.contains(QStringLiteral("flite/rms")));
    QCOMPARE(names.filter(QStringLiteral("flite/")), QStringList());
    QCOMPARE(synthesizer.defaultVoice(QLocale::c()), QStringLiteral("gmw/en"));
    QCOMPARE(synthesizer.defaultVoice(QLocale(QStringLiteral("en_US"))), QStringLiteral("gmw/en-US"));
    QVERIFY(!synthesizer.hasVoice(QStringLiteral("flite/rms")));
    QCOMPARE(synthesizer.speak(QStringLiteral("apple"), QStringLiteral("gmw/en")).rate, 22050);
}

void TestFliteMissing::fliteVoicesAreRefusedWithTheReason()
{
    try {
        Synthesizer::instance().speak(QStringLiteral("apple"), QStringLiteral("flite/rms"));
        QFAIL("a Flite voice spoke without Flite");
    } catch (const Exception &e) {
        QCOMPARE(e.message(), Synthesizer::instance().englishUnavailableReason());
    }
}

QTEST_GUILESS_MAIN(TestFliteMissing)
#include "tst_flite_missing.moc"
