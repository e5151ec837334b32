// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// spelldeck-db: makes the database file the program opens, and exports and imports word lists.
#include "CopyCommands.h"
#include "DatabaseTool.h"
#include "Exceptions.h"
#include "ExchangeCommands.h"
#include "Schema.h"
#include "SchemaCommands.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("spelldeck-db"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SPELLDECK_VERSION));
    // A command comes first; anything else is the database to create, as it always was.
    if (argc > 1 && ExchangeCommands::isCommand(QString::fromLocal8Bit(argv[1])))
        return ExchangeCommands::run(QCoreApplication::arguments().mid(1));
    if (argc > 1 && SchemaCommands::isCommand(QString::fromLocal8Bit(argv[1])))
        return SchemaCommands::run(QCoreApplication::arguments().mid(1));
    if (argc > 1 && CopyCommands::isCommand(QString::fromLocal8Bit(argv[1])))
        return CopyCommands::run(QCoreApplication::arguments().mid(1));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral(
            "Creates an empty Spelldeck database (by default %1 under the current folder).\n"
            "Other commands: spelldeck-db export LIST FILE,\n"
            "spelldeck-db import FILE [--name NAME] [--speak [--voice NAME]], spelldeck-db voices,\n"
            "spelldeck-db version, spelldeck-db upgrade, spelldeck-db init --server FILE,\n"
            "spelldeck-db copy --server FILE [--from-server] [--database PATH];\n"
            "\"spelldeck-db COMMAND --help\" tells more.")
            .arg(QString::fromLatin1(Schema::kDatabasePath)));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption demo(QStringLiteral("demo"),
                                  QStringLiteral("Also add a demo list with recordings of its words."));
    parser.addOption(demo);
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The database file to create."),
                                 QStringLiteral("[file]"));
    parser.process(app);

    QTextStream err(stderr);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        err << "spelldeck-db: give at most one file\n";
        return 2;
    }
    const QString path = files.isEmpty() ? QString::fromLatin1(Schema::kDatabasePath) : files.constFirst();
    try {
        DatabaseTool::createDatabase(path, parser.isSet(demo));
    } catch (const Exception &e) {
        err << "spelldeck-db: " << e.message() << '\n';
        return 1;
    }
    QTextStream(stdout) << "Created " << path << (parser.isSet(demo) ? " with the demo list" : "") << '\n';
    return 0;
}
