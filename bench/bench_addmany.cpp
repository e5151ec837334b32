// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Add many words: 1,000 pasted words stored through the window, spoken or not, and how long the
// program goes without answering meanwhile (the longest gap between two turns of its event loop).
#include "Bench.h"

#include "QuietToolkit.h"
#include "WordStore.h"
#include "uAddMany.h"
#include "uDM.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTextStream>
#include <QTimer>

namespace {

// The longest wait between two turns of the event loop while it lives.
class Answering : public QObject
{
public:
    Answering()
    {
        m_sinceLast.start();
        m_timer.setInterval(1);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            m_longest = std::max(m_longest, m_sinceLast.nsecsElapsed() / 1000000.0);
            m_sinceLast.restart();
        });
        m_timer.start();
    }
    // Counting the wait since the last turn, which may be the longest.
    double longest() const { return std::max(m_longest, m_sinceLast.nsecsElapsed() / 1000000.0); }

private:
    QTimer m_timer;
    QElapsedTimer m_sinceLast;
    double m_longest = 0;
};

} // namespace

int main(int argc, char **argv)
{
    useHeadlessDevices();
    QApplication app(argc, argv);
    QuietToolkit toolkit;
    Toolkit::setInstance(&toolkit);
    BenchDatabase data;
    TDM dm;

    QStringList lines;
    for (int i = 1; i <= 1000; ++i)
        lines << QStringLiteral("word number %1").arg(i);
    const QString pasted = lines.join(QLatin1Char('\n'));

    for (const bool speak : {false, true}) {
        double longest = 0;
        std::unique_ptr<TfrmAddMany> window;
        measure(
            speak ? QStringLiteral("1,000 pasted words spoken and stored")
                  : QStringLiteral("1,000 pasted words stored"),
            speak ? 3 : 10,
            [&] {
                const Answering answering;
                window->btnAddClick();
                longest = std::max(longest, answering.longest());
            },
            [&] {
                window = std::make_unique<TfrmAddMany>(
                    nullptr, Exchange::createList(DM->ADOConn, QStringLiteral("Pasted")),
                    QStringLiteral("gmw/en"));
                window->show();
                window->findChild<QPlainTextEdit *>(QStringLiteral("txtWords"))->setPlainText(pasted);
                window->findChild<QCheckBox *>(QStringLiteral("chkSpeak"))->setChecked(speak);
                QApplication::processEvents();
            });
        QTextStream(stdout) << "    longest time without answering: " << QString::number(longest, 'f', 1)
                            << " ms\n";
    }
    QTextStream(stdout) << "    recordings written: " << QDir(QStringLiteral("data/sounds")).count() - 2
                        << "\n";
    return 0;
}
