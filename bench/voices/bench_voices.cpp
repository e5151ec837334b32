// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Speaks a word list with every English voice and writes what Speak would store (trimmed,
// normalised) as 16 kHz raw sound with a little noise, for a speech recogniser to judge; prints the
// time a word takes (synthesis, trimming, normalising and MP3 encoding), warm.
//
//     bench_voices WORDS OUTPUT
//
// writes OUTPUT/VOICE/NNN.raw, OUTPUT/VOICE/words.ctl (the files, for pocketsphinx_batch) and
// OUTPUT/VOICE/expected (the words in the same order), and one line "VOICE MS" per voice on
// standard output. bench/voices/run.sh runs it and the recogniser.
#include "Encoder.h"
#include "Synthesizer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <optional>
#include <random>

namespace {

constexpr int kRate = 16000;

// Linear interpolation is enough for a recogniser that listens below 8 kHz.
std::vector<qint16> toRate(const Pcm &pcm)
{
    if (pcm.rate == kRate)
        return pcm.samples;
    std::vector<qint16> out(std::size_t(double(pcm.samples.size()) * kRate / pcm.rate));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double at = double(i) * pcm.rate / kRate;
        const std::size_t left = std::min(std::size_t(at), pcm.samples.size() - 1);
        const std::size_t right = std::min(left + 1, pcm.samples.size() - 1);
        const double part = at - double(left);
        out[i] = qint16(std::lround(pcm.samples[left] * (1 - part) + pcm.samples[right] * part));
    }
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (argc != 3) {
        err << "usage: bench_voices WORDS OUTPUT\n";
        return 2;
    }
    QFile list(QString::fromLocal8Bit(argv[1]));
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text)) {
        err << "cannot read " << list.fileName() << '\n';
        return 1;
    }
    QStringList words;
    for (const QString &line : QString::fromUtf8(list.readAll()).split(QLatin1Char('\n')))
        if (!line.trimmed().isEmpty())
            words << line.trimmed();
    const QDir output(QString::fromLocal8Bit(argv[2]));

    Synthesizer &synthesizer = Synthesizer::instance();
    if (!synthesizer.available()) {
        err << synthesizer.unavailableReason() << '\n';
        return 1;
    }
    if (!synthesizer.englishUnavailableReason().isEmpty())
        err << synthesizer.englishUnavailableReason() << '\n';
    QStringList voices;
    for (const Voice &voice : synthesizer.voices())
        if (voice.language.startsWith(QLatin1String("en")))
            voices << voice.name;
    // espeak-ng's English beside them, as the program spoke it before.
    voices << QStringLiteral("gmw/en-US") << QStringLiteral("gmw/en");

    // Faint noise (about -60 dBFS) and some of it around each word, as a microphone would hear:
    // digital silence upsets the recogniser's estimate of the background.
    std::mt19937 random(12345);
    std::normal_distribution<double> noise(0.0, 30.0);
    for (const QString &voice : std::as_const(voices)) {
        const QString folder = QString(voice).replace(QLatin1Char('/'), QLatin1Char('_'));
        if (!output.mkpath(folder)) {
            err << "cannot make " << output.filePath(folder) << '\n';
            return 1;
        }
        // Warm: the engine started and the voice used once.
        Encoder::prepareMp3(synthesizer.speak(QStringLiteral("warm"), voice), Encoder::Source::Voice);
        QFile ctl(output.filePath(folder + QStringLiteral("/words.ctl")));
        QFile expected(output.filePath(folder + QStringLiteral("/expected")));
        if (!ctl.open(QIODevice::WriteOnly) || !expected.open(QIODevice::WriteOnly))
            return 1;
        qint64 nanoseconds = 0;
        for (qsizetype i = 0; i < words.size(); ++i) {
            QElapsedTimer timer;
            timer.start();
            const Pcm spoken = synthesizer.speak(words.at(i), voice);
            std::optional<Pcm> heard = Encoder::trimSilence(spoken);
            if (heard) {
                Encoder::normalise(*heard);
                Encoder::encodeMp3(*heard);
            }
            nanoseconds += timer.nsecsElapsed();
            std::vector<qint16> samples(kRate * 3 / 10, 0);
            if (heard) {
                const std::vector<qint16> word = toRate(*heard);
                samples.insert(samples.end(), word.cbegin(), word.cend());
            }
            samples.insert(samples.end(), kRate * 3 / 10, 0);
            for (qint16 &sample : samples)
                sample = qint16(std::clamp(std::lround(sample + noise(random)), -32768L, 32767L));
            const QString name = QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0'));
            QFile raw(output.filePath(folder + QLatin1Char('/') + name + QStringLiteral(".raw")));
            if (!raw.open(QIODevice::WriteOnly))
                return 1;
            raw.write(reinterpret_cast<const char *>(samples.data()), qint64(samples.size() * 2));
            ctl.write(QStringLiteral("%1/%2\n").arg(folder, name).toUtf8());
            expected.write(words.at(i).toLower().toUtf8() + '\n');
        }
        out << voice << ' ' << QString::number(double(nanoseconds) / 1e6 / double(words.size()), 'f', 1)
            << Qt::endl;
    }
    return 0;
}
