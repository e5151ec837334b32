// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <vector>

// Times `body` `runs` times (after `prepare`, untimed, before each run) and prints the median and
// the fastest run in milliseconds.
inline void measure(const QString &name, int runs, const std::function<void()> &body,
                    const std::function<void()> &prepare = {})
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (prepare)
            prepare();
        QElapsedTimer timer;
        timer.start();
        body();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    QTextStream out(stdout);
    out << qSetFieldWidth(52) << Qt::left << name << qSetFieldWidth(0) << " median "
        << QString::number(times[times.size() / 2], 'f', 2) << " ms   fastest "
        << QString::number(times.front(), 'f', 2) << " ms   (" << runs << " runs)\n";
}

// Windows drawn off screen and sound written nowhere, unless the caller's environment says otherwise.
inline void useHeadlessDevices()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) {
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", "/dev/null");
    }
}

// A folder with data/data.db holding 10,000 lists and one list of 10,000 words, made current.
struct BenchDatabase
{
    BenchDatabase();
    ~BenchDatabase();
    QString bigListId;
    QString folder;
    QString previous;
};
