// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ErrorGuard.h"

#include <QStringList>

// Collects the error reports shown while it lives, in tests without the application object (which
// installs the report that shows them).
class ReportCollector
{
public:
    ReportCollector()
    {
        setErrorReporter([this](const QString &text) { m_reports << text; });
    }
    ~ReportCollector() { setErrorReporter({}); }
    ReportCollector(const ReportCollector &) = delete;
    ReportCollector &operator=(const ReportCollector &) = delete;

    const QStringList &reports() const { return m_reports; }

private:
    QStringList m_reports;
};
