// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Without its data espeak-ng is reported as unavailable, with the reason, and nothing crashes: the
// engine itself would end the process. Flite's English voices still speak.
#include "Exceptions.h"
#include "Synthesizer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestSynthesizerMissing : public QObject
{
    Q_OBJECT

private slots:
    void missingDataIsAReason();
};

void TestSynthesizerMissing::missingDataIsAReason()
{
    // The engine looks for its data in $ESPEAK_DATA_PATH/espeak-ng-data first, on first use: an empty
    // folder there stands for data that is missing.
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("espeak-ng-data")));
    qputenv("ESPEAK_DATA_PATH", QFile::encodeName(dir.path()));
    Synthesizer &synthesizer = Synthesizer::instance();
    QVERIFY(synthesizer.available());
    QStringList names;
    for (const Voice &voice : synthesizer.voices())
        names << voice.name;
    QCOMPARE(names, (QStringList{"flite/rms", "flite/kal16", "flite/awb", "flite/slt"}));
    QCOMPARE(synthesizer.defaultVoice(QLocale(QStringLiteral("de_DE"))), QStringLiteral("flite/rms"));
    QVERIFY(!synthesizer.hasVoice(QStringLiteral("gmw/de")));
    try {
        synthesizer.speak(QStringLiteral("apple"), QStringLiteral("gmw/de"));
        QFAIL("espeak-ng spoke without its data");
    } catch (const Exception &e) {
        QVERIFY2(e.message().contains(QStringLiteral("espeak-ng-data")), qPrintable(e.message()));
    }
    QVERIFY(synthesizer.speak(QStringLiteral("apple"), QStringLiteral("flite/rms")).peak() > 4000);
}

QTEST_GUILESS_MAIN(TestSynthesizerMissing)
#include "tst_synthesizer_missing.moc"
