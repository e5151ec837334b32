// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>

#include <atomic>
#include <functional>

class QWidget;

// Long work shown in a modal progress window with Cancel, the program answering throughout.
//
// The work reports how far it got through `report(done, total)` and reads `cancelled` before each
// step; it is expected to stop with an EAbort once cancelled. Whatever it raises is raised again by
// these functions after the window has closed.
using ProgressReport = std::function<void(qint64 done, qint64 total)>;
using ProgressWork = std::function<void(const ProgressReport &report, const std::atomic_bool &cancelled)>;

// Runs `work` on a thread of its own; the window shows its progress until it ends.
void runInBackground(QWidget *owner, const QString &label, const ProgressWork &work);

// Runs `work` on this thread; each report updates the window and lets the program answer (Cancel
// included). For work that must stay on this thread, as the database's does.
void runInForeground(QWidget *owner, const QString &label, const ProgressWork &work);
