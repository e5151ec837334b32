// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Report.h"

#include <functional>

class ResultStore;

namespace ResultsCsv {

// The names of the columns, in the file's first record.
QStringList header();

// Writes one record per answer the filter covers, oldest first, after the header, to `path` (a
// temporary file renamed into place, so an old file stays whole until the new one is). The file is
// UTF-8 with a byte-order mark, which spreadsheet programs need to read it as UTF-8. `report(done,
// total)` is called as rows are written and may raise EAbort to stop. Returns the number of answers.
qsizetype write(ResultStore &store, const Report::Filter &filter, const QString &path,
                const std::function<void(qint64, qint64)> &report = {});

} // namespace ResultsCsv
