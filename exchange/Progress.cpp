// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Progress.h"

#include "Exceptions.h"

namespace Exchange {

Progress::Progress(Report report, const std::atomic_bool *cancel)
    : m_report(std::move(report)), m_cancel(cancel)
{
}

void Progress::step(qint64 done, qint64 total) const
{
    if (m_report)
        m_report(done, total);
    check();
}

void Progress::check() const
{
    if (cancelled())
        throw EAbort();
}

Progress Progress::part(qint64 offset, qint64 grandTotal) const
{
    Progress part;
    part.m_cancel = m_cancel;
    if (m_report) {
        part.m_report = [report = m_report, offset, grandTotal](qint64 done, qint64) {
            report(offset + done, grandTotal);
        };
    }
    return part;
}

} // namespace Exchange
