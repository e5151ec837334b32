// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LazyLibrary.h"

#include "Exceptions.h"

#include <QCoreApplication>

LazyLibrary::LazyLibrary(QString fileName, int version, QString purpose)
    : m_library(fileName, version), m_purpose(std::move(purpose))
{
}

void LazyLibrary::load()
{
    const std::lock_guard lock(m_mutex);
    if (m_library.isLoaded())
        return;
    if (!m_library.load())
        throw Exception(QCoreApplication::translate("LazyLibrary", "%1 is not available: %2")
                            .arg(m_purpose, m_library.errorString()));
}

QFunctionPointer LazyLibrary::address(const char *name)
{
    load();
    const QFunctionPointer function = m_library.resolve(name);
    if (!function)
        throw Exception(
            QCoreApplication::translate("LazyLibrary", "%1 is not available: %2 has no function %3")
                .arg(m_purpose, m_library.fileName(), QString::fromLatin1(name)));
    return function;
}
