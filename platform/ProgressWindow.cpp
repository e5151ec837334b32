// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProgressWindow.h"

#include <QApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>

#include <algorithm>
#include <exception>
#include <mutex>
#include <thread>

namespace {

// Work that ends within this long never shows the window.
constexpr int kShowAfterMs = 400;
// The bar counts in steps of a thousandth, whatever the work counts in.
constexpr int kScale = 1000;

class ProgressWindow
{
public:
    ProgressWindow(QWidget *owner, const QString &label)
        : m_dialog(label, QProgressDialog::tr("Cancel"), 0, kScale, owner)
    {
        m_dialog.setWindowModality(Qt::ApplicationModal);
        m_dialog.setWindowTitle(label);
        m_dialog.setMinimumDuration(kShowAfterMs);
        m_dialog.setAutoClose(false);
        m_dialog.setAutoReset(false);
        m_dialog.setValue(0);
        QObject::connect(&m_dialog, &QProgressDialog::canceled, [this] { m_cancelled = true; });
    }

    void show(qint64 done, qint64 total)
    {
        m_dialog.setValue(total > 0 ? int(std::clamp<qint64>(done * kScale / total, 0, kScale - 1)) : 0);
    }

    std::atomic_bool &cancelled() { return m_cancelled; }
    bool shown() const { return m_dialog.isVisible(); }

private:
    QProgressDialog m_dialog;
    std::atomic_bool m_cancelled = false;
};

} // namespace

void runInBackground(QWidget *owner, const QString &label, const ProgressWork &work)
{
    ProgressWindow window(owner, label);
    std::mutex mutex;
    qint64 done = 0;
    qint64 total = 0;
    std::atomic_bool finished = false;
    std::exception_ptr failure;
    std::thread worker([&] {
        try {
            work(
                [&](qint64 stepsDone, qint64 steps) {
                    const std::lock_guard lock(mutex);
                    done = stepsDone;
                    total = steps;
                },
                window.cancelled());
        } catch (...) {
            failure = std::current_exception();
        }
        finished = true;
    });
    // The window follows the work until it ends; input goes to the window, whose Cancel asks the
    // work to stop. Until the window shows, and so takes the input, clicks and keys wait: they must not
    // start the same work again beneath it.
    while (!finished) {
        QApplication::processEvents(
            window.shown() ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents, 30);
        QThread::msleep(10);
        const std::lock_guard lock(mutex);
        window.show(done, total);
    }
    worker.join();
    if (failure)
        std::rethrow_exception(failure);
}

void runInForeground(QWidget *owner, const QString &label, const ProgressWork &work)
{
    ProgressWindow window(owner, label);
    work([&window](qint64 done, qint64 total) { window.show(done, total); }, window.cancelled());
}
