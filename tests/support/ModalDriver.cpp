// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ModalDriver.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

namespace {

constexpr int kPollMs = 5;

} // namespace

ModalDriver::ModalDriver(QList<Step> steps, int patienceMs) : m_steps(std::move(steps))
{
    m_responder = [this](QWidget *modal) { return takeStep(modal); };
    start(patienceMs);
}

ModalDriver::ModalDriver(Responder responder, int patienceMs) : m_responder(std::move(responder))
{
    start(patienceMs);
}

void ModalDriver::start(int patienceMs)
{
    m_patienceMs = patienceMs;
    scheduleNextPoll();
}

void ModalDriver::scheduleNextPoll()
{
    // A fresh timer each time: a timer whose handler still runs (a step inside a modal loop it opened)
    // is not fired again, so one repeating timer would stop answering nested windows.
    QTimer::singleShot(kPollMs, this, [this] { poll(); });
}

void ModalDriver::closeModalWindows()
{
    // A window whose close is refused is hidden, which ends its modal loop just the same.
    for (int guard = 0; guard < 100; ++guard) {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (!modal->close())
            modal->hide();
    }
}

bool ModalDriver::takeStep(QWidget *modal)
{
    // A window that comes back on top when one opened over it closes is not opening again.
    m_handled.removeAll(nullptr);
    if (m_handled.contains(modal))
        return false;
    m_handled << modal;
    m_seen << QString::fromLatin1(modal->metaObject()->className());
    if (m_steps.isEmpty()) {
        modal->close();
        return true;
    }
    const Step step = m_steps.takeFirst();
    step(modal);
    return true;
}

void ModalDriver::poll()
{
    scheduleNextPoll();
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal) {
        m_waiting.invalidate();
        return;
    }
    if (QTest::currentTestFailed()) {
        closeModalWindows();
        return;
    }
    // A step may open further modal windows, whose loops run this poll again inside it.
    const QString name = QString::fromLatin1(modal->metaObject()->className());
    bool acted = true;
    try {
        acted = m_responder(modal);
    } catch (const std::exception &e) {
        // A missing control has recorded its failure already; anything else is the step's own fault.
        if (!QTest::currentTestFailed())
            QTest::qFail(
                qPrintable(QStringLiteral("a step on %1 raised: %2").arg(name, QString::fromUtf8(e.what()))),
                __FILE__, __LINE__);
    }
    if (QTest::currentTestFailed()) {
        closeModalWindows();
        return;
    }
    if (acted) {
        m_waiting.invalidate();
        return;
    }
    if (!m_waiting.isValid())
        m_waiting.start();
    if (m_waiting.elapsed() > m_patienceMs) {
        QTest::qFail(
            qPrintable(
                QStringLiteral("%1 waited %2 ms and nothing answered it").arg(name).arg(m_waiting.elapsed())),
            __FILE__, __LINE__);
        closeModalWindows();
    }
}
