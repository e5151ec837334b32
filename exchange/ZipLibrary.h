// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LazyLibrary.h"

#include <zip.h>

namespace Exchange {

// The functions of libzip that packages are read and written with, resolved when a package is first
// read or written: start-up never loads the library (nor the TLS library it pulls in).
struct ZipApi
{
    SPELLDECK_LAZY_FUNCTION(zip_open);
    SPELLDECK_LAZY_FUNCTION(zip_close);
    SPELLDECK_LAZY_FUNCTION(zip_discard);
    SPELLDECK_LAZY_FUNCTION(zip_strerror);
    SPELLDECK_LAZY_FUNCTION(zip_error_init_with_code);
    SPELLDECK_LAZY_FUNCTION(zip_error_strerror);
    SPELLDECK_LAZY_FUNCTION(zip_error_fini);
    SPELLDECK_LAZY_FUNCTION(zip_get_num_entries);
    SPELLDECK_LAZY_FUNCTION(zip_get_name);
    SPELLDECK_LAZY_FUNCTION(zip_stat_index);
    SPELLDECK_LAZY_FUNCTION(zip_file_get_external_attributes);
    SPELLDECK_LAZY_FUNCTION(zip_fopen_index);
    SPELLDECK_LAZY_FUNCTION(zip_fread);
    SPELLDECK_LAZY_FUNCTION(zip_fclose);
    SPELLDECK_LAZY_FUNCTION(zip_file_strerror);
    SPELLDECK_LAZY_FUNCTION(zip_source_buffer);
    SPELLDECK_LAZY_FUNCTION(zip_source_file);
    SPELLDECK_LAZY_FUNCTION(zip_source_free);
    SPELLDECK_LAZY_FUNCTION(zip_file_add);
    SPELLDECK_LAZY_FUNCTION(zip_set_file_compression);
    SPELLDECK_LAZY_FUNCTION(zip_file_set_external_attributes);
    SPELLDECK_LAZY_FUNCTION(zip_register_progress_callback_with_state);
    SPELLDECK_LAZY_FUNCTION(zip_register_cancel_callback_with_state);
};

// libzip.so.4, opened on the first call. Raises Exception naming what is missing.
const ZipApi &zipLibrary();

// libzip's text for one of its error codes.
QString zipErrorText(const ZipApi &api, int code);

} // namespace Exchange
