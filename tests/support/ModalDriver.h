// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <functional>

// Drives program-modal windows from inside their modal loops, for tests that use the real windows.
//
// It polls for the active modal window. With steps, each window that opens is handed to the next
// step, in order (once: not again when it comes back on top); a window that opens when no step is
// left is recorded and closed. With a responder,
// every poll hands it the active modal window, and it says whether it acted.
//
// A failing check inside a step must not leave its window waiting for a click that never comes: once
// the current test has failed, every modal window is closed at once, so the test fails instead of
// hanging. A window that waits longer than the patience without being handled fails the test and is
// closed the same way.
class ModalDriver : public QObject
{
public:
    using Step = std::function<void(QWidget *)>;
    using Responder = std::function<bool(QWidget *)>;

    static constexpr int kPatienceMs = 5000;

    explicit ModalDriver(QList<Step> steps, int patienceMs = kPatienceMs);
    explicit ModalDriver(Responder responder, int patienceMs = kPatienceMs);

    // Class names of the windows seen, in the order they first became the active modal window.
    const QStringList &seen() const { return m_seen; }
    int stepsLeft() const { return int(m_steps.size()); }

    // Closes every modal window of the program, innermost first.
    static void closeModalWindows();

private:
    void start(int patienceMs);
    void scheduleNextPoll();
    void poll();
    bool takeStep(QWidget *modal);

    QList<Step> m_steps;
    Responder m_responder;
    QList<QPointer<QWidget>> m_handled;
    QStringList m_seen;
    int m_patienceMs = kPatienceMs;
    QElapsedTimer m_waiting; // since the active window last went unanswered
};
