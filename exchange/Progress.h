// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

#include <atomic>
#include <functional>

namespace Exchange {

// How long work reports how far it got and learns that it is to stop. Cancellation raises EAbort, the
// silent abort: a handler run through guarded() then shows no error, and everything the work had done
// is undone by the objects that own it.
class Progress
{
public:
    // Called with the steps done so far and the steps in all; may be empty.
    using Report = std::function<void(qint64 done, qint64 total)>;

    Progress() = default;
    // `cancel` is read before every step: set it from another thread, or from `report`.
    explicit Progress(Report report, const std::atomic_bool *cancel = nullptr);

    // Reports `done` of `total`, then raises EAbort when cancelling was asked for.
    void step(qint64 done, qint64 total) const;
    // Raises EAbort when cancelling was asked for.
    void check() const;
    bool cancelled() const { return m_cancel && m_cancel->load(); }

    // The same progress for a part of the work: its steps are counted after `offset` steps of
    // `grandTotal`, whatever total the part itself gives.
    Progress part(qint64 offset, qint64 grandTotal) const;

private:
    Report m_report;
    const std::atomic_bool *m_cancel = nullptr;
};

} // namespace Exchange
