// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

bool installTranslator(const QLocale &locale, const QString &name, const QString &folder)
{
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (!translator->load(locale, name, QStringLiteral("_"), folder))
        return false;
    QCoreApplication::installTranslator(translator.release());
    return true;
}

} // namespace

bool installTranslations(const QLocale &locale, const QString &folder)
{
    // Nothing to look up for the language the program is written in.
    if (locale.language() == QLocale::English || locale.language() == QLocale::C)
        return false;
    if (!installTranslator(locale, QStringLiteral("spelldeck"), folder))
        return false;
    installTranslator(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return true;
}

QString translationsFolder()
{
    const QString installed = QDir(QCoreApplication::applicationDirPath())
                                  .filePath(QStringLiteral(SPELLDECK_TRANSLATIONS_FROM_BINDIR));
    if (QFileInfo(installed).isDir())
        return installed;
    return QStringLiteral(SPELLDECK_TRANSLATIONS_BUILD_DIR);
}
