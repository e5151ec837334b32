// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CsvLibrary.h"

#include <QCoreApplication>

namespace Exchange {
namespace {

CsvApi resolved()
{
    static LazyLibrary library(
        QStringLiteral("csv"), 3,
        QCoreApplication::translate("Exchange", "Reading and writing CSV files (libcsv)"));
    CsvApi api;
    api.csv_init = library.resolve<decltype(api.csv_init)>("csv_init");
    api.csv_set_delim = library.resolve<decltype(api.csv_set_delim)>("csv_set_delim");
    api.csv_parse = library.resolve<decltype(api.csv_parse)>("csv_parse");
    api.csv_fini = library.resolve<decltype(api.csv_fini)>("csv_fini");
    api.csv_free = library.resolve<decltype(api.csv_free)>("csv_free");
    api.csv_error = library.resolve<decltype(api.csv_error)>("csv_error");
    api.csv_strerror = library.resolve<decltype(api.csv_strerror)>("csv_strerror");
    api.csv_write = library.resolve<decltype(api.csv_write)>("csv_write");
    return api;
}

} // namespace

const CsvApi &csvLibrary()
{
    // A failed first call leaves the static unset, so a later call tries again.
    static const CsvApi api = resolved();
    return api;
}

} // namespace Exchange
