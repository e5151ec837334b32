// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ZipLibrary.h"

#include <QCoreApplication>

namespace Exchange {
namespace {

#define SPELLDECK_RESOLVE(name) api.name = library.resolve<decltype(api.name)>(#name)

ZipApi resolved()
{
    static LazyLibrary library(
        QStringLiteral("zip"), 4,
        QCoreApplication::translate("Exchange", "Reading and writing Spelldeck packages (libzip)"));
    ZipApi api;
    SPELLDECK_RESOLVE(zip_open);
    SPELLDECK_RESOLVE(zip_close);
    SPELLDECK_RESOLVE(zip_discard);
    SPELLDECK_RESOLVE(zip_strerror);
    SPELLDECK_RESOLVE(zip_error_init_with_code);
    SPELLDECK_RESOLVE(zip_error_strerror);
    SPELLDECK_RESOLVE(zip_error_fini);
    SPELLDECK_RESOLVE(zip_get_num_entries);
    SPELLDECK_RESOLVE(zip_get_name);
    SPELLDECK_RESOLVE(zip_stat_index);
    SPELLDECK_RESOLVE(zip_file_get_external_attributes);
    SPELLDECK_RESOLVE(zip_fopen_index);
    SPELLDECK_RESOLVE(zip_fread);
    SPELLDECK_RESOLVE(zip_fclose);
    SPELLDECK_RESOLVE(zip_file_strerror);
    SPELLDECK_RESOLVE(zip_source_buffer);
    SPELLDECK_RESOLVE(zip_source_file);
    SPELLDECK_RESOLVE(zip_source_free);
    SPELLDECK_RESOLVE(zip_file_add);
    SPELLDECK_RESOLVE(zip_set_file_compression);
    SPELLDECK_RESOLVE(zip_file_set_external_attributes);
    SPELLDECK_RESOLVE(zip_register_progress_callback_with_state);
    SPELLDECK_RESOLVE(zip_register_cancel_callback_with_state);
    return api;
}

#undef SPELLDECK_RESOLVE

} // namespace

const ZipApi &zipLibrary()
{
    // A failed first call leaves the static unset, so a later call tries again.
    static const ZipApi api = resolved();
    return api;
}

QString zipErrorText(const ZipApi &api, int code)
{
    zip_error_t error;
    api.zip_error_init_with_code(&error, code);
    const QString text = QString::fromUtf8(api.zip_error_strerror(&error));
    api.zip_error_fini(&error);
    return text;
}

} // namespace Exchange
