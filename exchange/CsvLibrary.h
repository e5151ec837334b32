// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LazyLibrary.h"

#include <csv.h>

namespace Exchange {

// The functions of libcsv the readers and writers call, resolved when a CSV or tab-separated file is
// first read or written: start-up never loads the library.
struct CsvApi
{
    SPELLDECK_LAZY_FUNCTION(csv_init);
    SPELLDECK_LAZY_FUNCTION(csv_set_delim);
    SPELLDECK_LAZY_FUNCTION(csv_parse);
    SPELLDECK_LAZY_FUNCTION(csv_fini);
    SPELLDECK_LAZY_FUNCTION(csv_free);
    SPELLDECK_LAZY_FUNCTION(csv_error);
    SPELLDECK_LAZY_FUNCTION(csv_strerror);
    SPELLDECK_LAZY_FUNCTION(csv_write);
};

// libcsv.so.3, opened on the first call. Raises Exception naming what is missing.
const CsvApi &csvLibrary();

} // namespace Exchange
