// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LazyLibrary.h"

#include "Exceptions.h"

#include <QCoreApplication>
#include <QSet>

namespace {

std::mutex hiddenMutex;

QSet<QString> &hidden()
{
    static QSet<QString> names;
    return names;
}

bool isHidden(const QString &fileName)
{
    const std::lock_guard lock(hiddenMutex);
    return hidden().contains(fileName);
}

} // namespace

void LazyLibrary::hideForTesting(const QString &fileName)
{
    const std::lock_guard lock(hiddenMutex);
    hidden().insert(fileName);
}

LazyLibrary::LazyLibrary(QString fileName, int version, QString purpose)
    : m_library(fileName, version), m_fileName(std::move(fileName)), m_purpose(std::move(purpose))
{
}

void LazyLibrary::load()
{
    const std::lock_guard lock(m_mutex);
    // Before anything else: the process may hold the library already, through another user of it.
    if (isHidden(m_fileName))
        throw Exception(QCoreApplication::translate("LazyLibrary", "%1 is not available: %2")
                            .arg(m_purpose, QStringLiteral("lib%1 is hidden for a test").arg(m_fileName)));
    if (m_library.isLoaded())
        return;
    if (!m_library.load())
        throw Exception(QCoreApplication::translate("LazyLibrary", "%1 is not available: %2")
                            .arg(m_purpose, m_library.errorString()));
}

bool LazyLibrary::isLoaded() const
{
    return !isHidden(m_fileName) && m_library.isLoaded();
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
