// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Speak, from the click to the file: the speech engine, the encoder and the write, for an ordinary
// word; and what the very first use costs (the libraries loaded, the engine started).
#include "Bench.h"

#include "Encoder.h"
#include "Speech.h"
#include "Synthesizer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QString voice = QStringLiteral("gmw/en");

    QElapsedTimer first;
    first.start();
    const bool available = Synthesizer::instance().available();
    out << "first use (library loaded, engine started, voices listed): "
        << QString::number(double(first.nsecsElapsed()) / 1e6, 'f', 2) << " ms\n";
    if (!available) {
        out << Synthesizer::instance().unavailableReason() << '\n';
        return 1;
    }
    first.restart();
    Encoder::encodeMp3(Synthesizer::instance().speak(QStringLiteral("a"), voice));
    out << "first encoding (library loaded): " << QString::number(double(first.nsecsElapsed()) / 1e6, 'f', 2)
        << " ms" << Qt::endl;

    QTemporaryDir dir;
    // espeak-ng, then Flite's clearest English voice (the default for English).
    for (const QString &engineVoice : {voice, QStringLiteral("flite/rms")}) {
        Pcm pcm;
        measure(QStringLiteral("%1: synthesis of \"school\"").arg(engineVoice), 50,
                [&] { pcm = Synthesizer::instance().speak(QStringLiteral("school"), engineVoice); });
        measure(QStringLiteral("%1: trim, normalise and encode it").arg(engineVoice), 50,
                [&] { Encoder::prepareMp3(pcm, Encoder::Source::Voice); });
        measure(QStringLiteral("%1: Speak, synthesis to the file written").arg(engineVoice), 50, [&] {
            speakToFile(QStringLiteral("school"), engineVoice, dir.filePath(QStringLiteral("sounds")));
        });
    }
    return 0;
}
