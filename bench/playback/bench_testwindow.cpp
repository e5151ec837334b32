// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Opening the test window on a list of 10,000 words: from ShowSpelldeck to the window on screen, the
// words loaded and the first one playing.
#include "Bench.h"

#include "uDM.h"
#include "uTest.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <vector>

int main(int argc, char **argv)
{
    useHeadlessDevices();
    QApplication app(argc, argv);
    BenchDatabase data;
    // The first word has its recording, so opening includes starting to play it.
    QDir().mkpath(QStringLiteral("data/sounds"));
    QFile::copy(QStringLiteral(SPELLDECK_FIXTURES "/cat.mp3"), QStringLiteral("data/sounds/word1.mp3"));
    TDM dm;

    // Timed until the window's own loop runs, that is, once it is shown; closing and destroying it
    // are left out.
    std::vector<double> opened;
    for (int run = 0; run < 20; ++run) {
        QElapsedTimer timer;
        timer.start();
        QTimer::singleShot(0, [&] {
            opened.push_back(double(timer.nsecsElapsed()) / 1e6);
            if (QWidget *window = QApplication::activeModalWidget())
                window->close();
        });
        ShowSpelldeck(data.bigListId, QStringLiteral("Big list"), 100, 100);
    }
    std::sort(opened.begin(), opened.end());
    QTextStream out(stdout);
    out << qSetFieldWidth(52) << Qt::left << "ShowSpelldeck on 10,000 words, until shown" << qSetFieldWidth(0)
        << " median " << QString::number(opened[opened.size() / 2], 'f', 2) << " ms   worst "
        << QString::number(opened.back(), 'f', 2) << " ms   (" << opened.size() << " runs)" << Qt::endl;

    // Where the time goes.
    std::unique_ptr<TfrmTest> form;
    measure(
        QStringLiteral("  TfrmTest created"), 20, [&] { form = std::make_unique<TfrmTest>(); },
        [&] { form.reset(); });
    measure(
        QStringLiteral("  LoadData (10,000 words)"), 20, [&] { form->LoadData(data.bigListId); },
        [&] { form = std::make_unique<TfrmTest>(); });
    measure(QStringLiteral("  ShowWord (first word, playing)"), 20, [&] { form->ShowWord(); });
    measure(
        QStringLiteral("  shown (polish, layout, first paint)"), 20,
        [&] {
            form->show();
            QApplication::processEvents();
        },
        [&] { form = std::make_unique<TfrmTest>(); });
    form.reset();
    return 0;
}
