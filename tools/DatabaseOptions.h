// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Schema.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

// The options of the database tool's commands on a whole database, added to their parser:
// --help, --database PATH (the file) and --server FILE (the settings that name a server).
struct DatabaseOptions
{
    explicit DatabaseOptions(QCommandLineParser &parser)
    {
        parser.addOption(help);
        parser.addOption(database);
        parser.addOption(server);
    }

    const QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("spelldeck-db", "Shows this help.")};
    const QCommandLineOption database{
        QStringLiteral("database"),
        QCoreApplication::translate("spelldeck-db",
                                    "The database file (default: %1 under the current folder).")
            .arg(QString::fromLatin1(Schema::kDatabasePath)),
        QCoreApplication::translate("spelldeck-db", "path"), QString::fromLatin1(Schema::kDatabasePath)};
    const QCommandLineOption server{
        QStringLiteral("server"),
        QCoreApplication::translate("spelldeck-db", "The settings file that names the server."),
        QCoreApplication::translate("spelldeck-db", "file")};
};
