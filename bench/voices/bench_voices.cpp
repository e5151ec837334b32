// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Speaks a word list with every English voice and writes, for a speech recogniser to judge, each word
// as 16 kHz raw sound between short silences: as Speak has it before encoding (trimmed, normalised)
// and as the MP3 Speak stores decodes again, both with a faint noise floor, and the first once more in
// digital silence. Prints the time a word takes (synthesis, trimming, normalising and MP3 encoding),
// warm.
//
//     bench_voices WORDS OUTPUT
//
// writes OUTPUT/VOICE/NNN.raw, OUTPUT/VOICE.mp3/NNN.raw and OUTPUT/VOICE.clean/NNN.raw, with words.ctl
// (the files, for pocketsphinx_batch) and expected (the words in the same order) in each folder, and
// one line "VOICE MS" per voice on standard output. bench/voices/run.sh runs it and the recogniser.
#include "Encoder.h"
#include "Synthesizer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

#include <lame/lame.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <random>

namespace {

constexpr int kRate = 16000;

// Band-limited resampling (a Hann-windowed sinc, cut off below the lower of the two Nyquist rates), so
// that nothing above 8 kHz of a 22 kHz voice folds back into what the recogniser hears.
std::vector<qint16> toRate(const std::vector<qint16> &samples, int rate)
{
    if (rate == kRate)
        return samples;
    constexpr int kTaps = 24;
    const double step = double(rate) / kRate;
    const double cutoff = std::min(1.0, 1.0 / step) * 0.95;
    std::vector<qint16> out(std::size_t(double(samples.size()) / step));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double at = double(i) * step;
        const auto centre = qint64(std::floor(at));
        double sum = 0;
        for (qint64 k = centre - kTaps + 1; k <= centre + kTaps; ++k) {
            if (k < 0 || k >= qint64(samples.size()))
                continue;
            const double x = (at - double(k)) * cutoff;
            const double sinc = x == 0 ? 1.0 : std::sin(std::numbers::pi * x) / (std::numbers::pi * x);
            const double window = 0.5 + 0.5 * std::cos(std::numbers::pi * (at - double(k)) / kTaps);
            sum += samples[std::size_t(k)] * cutoff * sinc * std::max(0.0, window);
        }
        out[i] = qint16(std::clamp(std::lround(sum), -32768L, 32767L));
    }
    return out;
}

// The MP3 decoded by LAME's own decoder: what a player hears of it, mono at its own rate.
Pcm decoded(const QByteArray &mp3)
{
    Pcm pcm;
    hip_t decoder = hip_decode_init();
    if (!decoder)
        return pcm;
    std::vector<short> left(1152 * 4), right(1152 * 4);
    mp3data_struct header{};
    QByteArray input = mp3;
    auto *bytes = reinterpret_cast<unsigned char *>(input.data());
    // The first call takes the whole file and may only read its headers; each later one, given no more
    // bytes, gives the next frame, until none is left.
    int count =
        hip_decode1_headers(decoder, bytes, std::size_t(input.size()), left.data(), right.data(), &header);
    for (int frames = 0; count >= 0 && frames < 100000; ++frames) {
        pcm.samples.insert(pcm.samples.end(), left.cbegin(), left.cbegin() + count);
        const int next = hip_decode1_headers(decoder, bytes, 0, left.data(), right.data(), &header);
        if (next <= 0 && count == 0 && frames > 0)
            break;
        count = next;
    }
    pcm.rate = header.samplerate;
    hip_decode_exit(decoder);
    return pcm;
}

class Output
{
public:
    // With `noise`, a floor of it over the whole sound; else digital silence around the word.
    Output(const QDir &root, const QString &folder, std::mt19937 *noise)
        : m_root(root), m_folder(folder), m_noise(noise)
    {
        m_root.mkpath(folder);
        m_ctl.setFileName(root.filePath(folder + QStringLiteral("/words.ctl")));
        m_expected.setFileName(root.filePath(folder + QStringLiteral("/expected")));
        m_ok = m_ctl.open(QIODevice::WriteOnly) && m_expected.open(QIODevice::WriteOnly);
    }
    bool ok() const { return m_ok; }

    // The word between 0.3 s of silence on each side.
    bool write(qsizetype index, const QString &word, const std::optional<Pcm> &heard)
    {
        std::vector<qint16> samples(kRate * 3 / 10, 0);
        if (heard && heard->rate > 0) {
            const std::vector<qint16> resampled = toRate(heard->samples, heard->rate);
            samples.insert(samples.end(), resampled.cbegin(), resampled.cend());
        }
        samples.insert(samples.end(), kRate * 3 / 10, 0);
        if (m_noise) {
            // About -60 dBFS, as a quiet room through a microphone.
            std::normal_distribution<double> floor(0.0, 30.0);
            for (qint16 &sample : samples)
                sample = qint16(std::clamp(std::lround(sample + floor(*m_noise)), -32768L, 32767L));
        }
        const QString name = QStringLiteral("%1").arg(index, 3, 10, QLatin1Char('0'));
        QFile raw(m_root.filePath(m_folder + QLatin1Char('/') + name + QStringLiteral(".raw")));
        if (!raw.open(QIODevice::WriteOnly))
            return false;
        raw.write(reinterpret_cast<const char *>(samples.data()), qint64(samples.size() * 2));
        m_ctl.write(QStringLiteral("%1/%2\n").arg(m_folder, name).toUtf8());
        m_expected.write(word.toLower().toUtf8() + '\n');
        return true;
    }

private:
    QDir m_root;
    QString m_folder;
    QFile m_ctl;
    QFile m_expected;
    std::mt19937 *m_noise;
    bool m_ok = false;
};

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

    // The recogniser misjudges digital silence: espeak-ng's words, which hold stretches of exact zeros,
    // are heard half as often without the noise floor. Flite's, which hold none, are heard a little
    // better without it: the table gives both.
    std::mt19937 random(12345);
    for (const QString &voice : std::as_const(voices)) {
        const QString folder = QString(voice).replace(QLatin1Char('/'), QLatin1Char('_'));
        Output spokenOut(output, folder, &random);
        Output storedOut(output, folder + QStringLiteral(".mp3"), &random);
        Output cleanOut(output, folder + QStringLiteral(".clean"), nullptr);
        if (!spokenOut.ok() || !storedOut.ok() || !cleanOut.ok()) {
            err << "cannot write in " << output.filePath(folder) << '\n';
            return 1;
        }
        // Warm: the engine started and the voice used once.
        Encoder::prepareMp3(synthesizer.speak(QStringLiteral("warm"), voice), Encoder::Source::Voice);
        qint64 nanoseconds = 0;
        for (qsizetype i = 0; i < words.size(); ++i) {
            QElapsedTimer timer;
            timer.start();
            const Pcm spoken = synthesizer.speak(words.at(i), voice);
            std::optional<Pcm> heard = Encoder::trimSilence(spoken);
            QByteArray mp3;
            if (heard) {
                Encoder::normalise(*heard);
                mp3 = Encoder::encodeMp3(*heard);
            }
            nanoseconds += timer.nsecsElapsed();
            const std::optional<Pcm> stored = mp3.isEmpty() ? std::nullopt : std::optional<Pcm>(decoded(mp3));
            if (!spokenOut.write(i, words.at(i), heard) || !storedOut.write(i, words.at(i), stored) ||
                !cleanOut.write(i, words.at(i), heard))
                return 1;
        }
        out << voice << ' ' << QString::number(double(nanoseconds) / 1e6 / double(words.size()), 'f', 1)
            << Qt::endl;
    }
    return 0;
}
