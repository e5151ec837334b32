// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Word playback: how long from Play word to the first audio buffer that carries the word, and how long
// opening a 1 MB MP3 takes. Runs on SDL's disk driver unless SDL_AUDIODRIVER names another, so that
// buffers are pulled at the pace of a real sound card.
#include "Bench.h"

#include "Catalogue.h"
#include "DatabaseTool.h"
#include "MediaPlayer.h"
#include "Schema.h"
#include "Toolkit.h"
#include "uDM.h"
#include "uTest.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtEndian>

#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Set on the audio thread: when the first buffer holding the word's stream was mixed, and when the
// first buffer with an audible sample was.
std::atomic<bool> g_armed{false};
std::atomic<Clock::rep> g_firstBuffer{0};
std::atomic<Clock::rep> g_firstAudible{0};

void SDLCALL postMix(void *, Uint8 *stream, int length)
{
    if (!g_armed.load() || !Mix_PlayingMusic())
        return;
    const Clock::rep now = Clock::now().time_since_epoch().count();
    Clock::rep none = 0;
    g_firstBuffer.compare_exchange_strong(none, now);
    const auto *samples = reinterpret_cast<const Sint16 *>(stream);
    for (int i = 0; i < length / 2; ++i) {
        if (std::abs(samples[i]) > 64) {
            none = 0;
            g_firstAudible.compare_exchange_strong(none, now);
            break;
        }
    }
}

double millisecondsSince(Clock::time_point start, Clock::rep end)
{
    return std::chrono::duration<double, std::milli>(Clock::duration(end) - start.time_since_epoch()).count();
}

// Milliseconds of near-silence the recording itself starts with.
double leadIn(const QString &file)
{
    Mix_Chunk *chunk = Mix_LoadWAV(QFile::encodeName(file).constData());
    if (!chunk)
        return 0;
    const auto *samples = reinterpret_cast<const Sint16 *>(chunk->abuf);
    Uint32 i = 0;
    while (i < chunk->alen / 2 && std::abs(samples[i]) <= 64)
        ++i;
    Mix_FreeChunk(chunk);
    return i / 2 / 44.1;
}

void report(const QString &name, std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    QTextStream out(stdout);
    out << qSetFieldWidth(52) << Qt::left << name << qSetFieldWidth(0) << " median "
        << QString::number(values[values.size() / 2], 'f', 2) << " ms   worst "
        << QString::number(values.back(), 'f', 2) << " ms   (" << values.size() << " runs)" << Qt::endl;
}

// About 1 MB of MP3: 66 s of a gliding tone at 128 kbit/s, encoded with lame.
QString makeLargeMp3(const QTemporaryDir &dir)
{
    const int rate = 44100;
    const int seconds = 66;
    QByteArray wav;
    const qint32 dataBytes = rate * seconds * 2;
    auto put32 = [&](quint32 v) { wav.append(reinterpret_cast<const char *>(&v), 4); };
    auto put16 = [&](quint16 v) { wav.append(reinterpret_cast<const char *>(&v), 2); };
    wav.append("RIFF");
    put32(36 + dataBytes);
    wav.append("WAVEfmt ");
    put32(16);
    put16(1);
    put16(1);
    put32(rate);
    put32(rate * 2);
    put16(2);
    put16(16);
    wav.append("data");
    put32(dataBytes);
    double phase = 0;
    for (int i = 0; i < rate * seconds; ++i) {
        phase += 2 * std::numbers::pi * (300 + 200 * std::sin(i / double(rate))) / rate;
        put16(quint16(qint16(8000 * std::sin(phase))));
    }
    const QString wavFile = dir.filePath(QStringLiteral("large.wav"));
    const QString mp3File = dir.filePath(QStringLiteral("large.mp3"));
    QFile out(wavFile);
    if (!out.open(QIODevice::WriteOnly) || out.write(wav) != wav.size())
        return {};
    out.close();
    if (QProcess::execute(QStringLiteral("lame"), {QStringLiteral("--quiet"), QStringLiteral("-b"),
                                                   QStringLiteral("128"), wavFile, mp3File}) != 0)
        return {};
    return mp3File;
}

void processUntil(const std::function<bool()> &done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
}

} // namespace

int main(int argc, char **argv)
{
    useHeadlessDevices();
    QApplication app(argc, argv);
    QTextStream out(stdout);

    const QString word = QStringLiteral(SPELLDECK_FIXTURES "/cat.mp3");
    // A list of one word, loaded as a test loads it.
    QTemporaryDir folder;
    DatabaseTool::createDatabase(folder.filePath(QString::fromLatin1(Schema::kDatabasePath)), false);
    QDir::setCurrent(folder.path());
    TDM dm;
    Table tblType(dm.ADOConn);
    const QString listId = Catalogue::AppendList(tblType, QStringLiteral("bench"));
    dm.qry.setSQL(Catalogue::InsertWord(QStringLiteral("cat"), word, listId, 1));
    dm.qry.execSQL();
    TfrmTest form;
    form.LoadData(listId);
    auto *btnPlay = form.findChild<QPushButton *>(QStringLiteral("btnPlay"));

    // The first play also opens the sound device.
    auto playOnce = [&] {
        g_firstBuffer = 0;
        g_firstAudible = 0;
        g_armed = true;
        const Clock::time_point start = Clock::now();
        form.btnPlayClick();
        processUntil([&] { return g_firstAudible.load() != 0; });
        const std::pair<double, double> result{millisecondsSince(start, g_firstBuffer),
                                               millisecondsSince(start, g_firstAudible)};
        processUntil([&] { return btnPlay->isEnabled(); });
        g_armed = false;
        return result;
    };
    QElapsedTimer cold;
    cold.start();
    form.btnPlayClick();
    const double coldOpen = double(cold.nsecsElapsed()) / 1e6;
    processUntil([&] { return btnPlay->isEnabled(); });
    Mix_SetPostMix(postMix, nullptr);

    std::vector<double> toBuffer;
    std::vector<double> toAudible;
    for (int i = 0; i < 30; ++i) {
        const auto [buffer, audible] = playOnce();
        toBuffer.push_back(buffer);
        toAudible.push_back(audible);
    }
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    Mix_QuerySpec(&frequency, &format, &channels);
    out << "audio driver " << SDL_GetCurrentAudioDriver() << ", " << frequency << " Hz, " << channels
        << " channels" << Qt::endl;
    out << qSetFieldWidth(52) << Qt::left << "first btnPlayClick (opens the sound device)"
        << qSetFieldWidth(0) << " " << QString::number(coldOpen, 'f', 2) << " ms" << Qt::endl;
    report(QStringLiteral("btnPlayClick to first buffer of the word"), toBuffer);
    report(QStringLiteral("btnPlayClick to first audible buffer"), toAudible);
    out << "  (the recording itself starts with " << QString::number(leadIn(word), 'f', 1)
        << " ms of near-silence)" << Qt::endl;
    Mix_SetPostMix(nullptr, nullptr);

    QTemporaryDir dir;
    const QString large = makeLargeMp3(dir);
    if (large.isEmpty()) {
        out << "lame not found: the 1 MB open is not measured\n";
        return 0;
    }
    TMediaPlayer player;
    player.setFileName(large);
    out << "large MP3: " << QFile(large).size() << " bytes" << Qt::endl;
    measure(QStringLiteral("Open a 1 MB MP3"), 20, [&] { player.Open(); });
    out << "  its length: " << player.Length() << " ms" << Qt::endl;
    return 0;
}
