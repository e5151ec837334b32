// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SchemaCommands.h"

#include "Dataset.h"
#include "Exceptions.h"
#include "Schema.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QTextStream>

namespace SchemaCommands {
namespace {

const QString kVersion = QStringLiteral("version");
const QString kUpgrade = QStringLiteral("upgrade");

QString tr(const char *text)
{
    return QCoreApplication::translate("spelldeck-db", text);
}

int usage(const QString &command, const QString &problem)
{
    QTextStream(stderr) << "spelldeck-db: " << problem << '\n'
                        << tr("Try \"spelldeck-db %1 --help\".").arg(command) << '\n';
    return 2;
}

int versionOf(const QString &path)
{
    Connection connection;
    connection.setDatabasePath(path);
    QSqlDatabase db = connection.database();
    const int version = Schema::version(db);
    QTextStream out(stdout);
    if (version == Schema::kVersion)
        out << tr("%1: version %2, the newest this Spelldeck knows.").arg(path).arg(version);
    else if (version < Schema::kVersion)
        out << tr("%1: version %2; \"spelldeck-db upgrade\" brings it to version %3.")
                   .arg(path)
                   .arg(version)
                   .arg(Schema::kVersion);
    else
        out << tr("%1: version %2, made by a newer Spelldeck (this one knows up to version %3).")
                   .arg(path)
                   .arg(version)
                   .arg(Schema::kVersion);
    out << '\n';
    return 0;
}

int upgrade(const QString &path)
{
    Connection connection;
    connection.setDatabasePath(path);
    QSqlDatabase db = connection.database();
    const int before = Schema::version(db);
    if (before > Schema::kVersion)
        throw Exception(tr("%1 is version %2, made by a newer Spelldeck; this one knows up to version %3 and "
                           "leaves it as it is.")
                            .arg(path)
                            .arg(before)
                            .arg(Schema::kVersion));
    if (before == 0)
        throw Exception(tr("%1 holds no Spelldeck word lists.").arg(path));
    Schema::upgrade(db);
    QTextStream out(stdout);
    if (before == Schema::kVersion)
        out << tr("%1 is at version %2 already.").arg(path).arg(before);
    else
        out << tr("Upgraded %1 from version %2 to version %3.").arg(path).arg(before).arg(Schema::kVersion);
    out << '\n';
    return 0;
}

} // namespace

bool isCommand(const QString &argument)
{
    return argument == kVersion || argument == kUpgrade;
}

int run(const QStringList &arguments)
{
    const QString command = arguments.constFirst();
    QCommandLineParser parser;
    parser.setApplicationDescription(
        command == kVersion
            ? tr("Tells the version of a database's structure.")
            : tr("Brings a database made by an older Spelldeck to the newest version, one step at a time. "
                 "Spelldeck does this itself when it first keeps a result."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, tr("Shows this help."));
    parser.addOption(help);
    const QCommandLineOption database(QStringLiteral("database"),
                                      tr("The database file (default: %1 under the current folder).")
                                          .arg(QString::fromLatin1(Schema::kDatabasePath)),
                                      tr("path"), QString::fromLatin1(Schema::kDatabasePath));
    parser.addOption(database);
    parser.addPositionalArgument(command, tr("The command."));
    if (!parser.parse(QStringList{QStringLiteral("spelldeck-db")} + arguments))
        return usage(command, parser.errorText());
    if (parser.isSet(help)) {
        QTextStream(stdout) << parser.helpText();
        return 0;
    }
    if (parser.positionalArguments().size() != 1)
        return usage(command, tr("%1 takes no file; name the database with --database.").arg(command));
    const QString path = parser.value(database);
    try {
        if (!QFileInfo(path).isFile())
            throw Exception(tr("The database \"%1\" does not exist.").arg(QDir::toNativeSeparators(path)));
        return command == kVersion ? versionOf(path) : upgrade(path);
    } catch (const Exception &e) {
        QTextStream(stderr) << "spelldeck-db: " << e.message() << '\n';
        return 1;
    }
}

} // namespace SchemaCommands
