// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Without its data the speech engine is reported as unavailable, with the reason, and nothing crashes:
// the engine itself would end the process.
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
    QVERIFY(!synthesizer.available());
    QVERIFY2(synthesizer.unavailableReason().contains(QStringLiteral("espeak-ng-data")),
             qPrintable(synthesizer.unavailableReason()));
    QVERIFY(synthesizer.voices().isEmpty());
    QVERIFY(synthesizer.defaultVoice(QLocale(QStringLiteral("de_DE"))).isEmpty());
    QVERIFY_THROWS_EXCEPTION(Exception, synthesizer.speak(QStringLiteral("apple"), QStringLiteral("gmw/en")));
}

QTEST_GUILESS_MAIN(TestSynthesizerMissing)
#include "tst_synthesizer_missing.moc"
