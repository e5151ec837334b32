// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SchemaCommands.h"

#include "DatabaseOptions.h"
#include "Dataset.h"
#include "Exceptions.h"
#include "Schema.h"
#include "ServerSettings.h"

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
const QString kInit = QStringLiteral("init");

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

// The server a settings file names made ready: its tables made or brought to the newest version, and
// the roles of teachers and learners granted what they may do.
int initServer(const QString &settingsFile)
{
    const ServerSettings settings = ServerSettings::read(settingsFile);
    if (!settings.server)
        throw Exception(tr("%1 names no server (its driver is sqlite).").arg(settingsFile));
    Connection connection;
    connection.setServer(serverAddress(settings));
    QSqlDatabase db = connection.database();
    const int before = Schema::version(db);
    if (before > Schema::kVersion)
        throw Exception(
            tr("The server's database is version %1, made by a newer Spelldeck; this one knows up "
               "to version %2 and leaves it as it is.")
                .arg(before)
                .arg(Schema::kVersion));
    if (before == 0)
        Schema::create(db);
    else
        Schema::upgrade(db);
    Schema::grantRoles(db);
    QTextStream out(stdout);
    if (before == 0)
        out << tr("Made the word lists' tables on the server (version %1).").arg(Schema::kVersion);
    else if (before < Schema::kVersion)
        out << tr("Upgraded the server's database from version %1 to version %2.")
                   .arg(before)
                   .arg(Schema::kVersion);
    else
        out << tr("The server's database is at version %1 already.").arg(before);
    out << ' '
        << tr("Teachers get the role %1, learners %2.")
               .arg(QString::fromLatin1(Schema::kTeacherRole), QString::fromLatin1(Schema::kLearnerRole))
        << '\n';
    return 0;
}

} // namespace

bool isCommand(const QString &argument)
{
    return argument == kVersion || argument == kUpgrade || argument == kInit;
}

int run(const QStringList &arguments)
{
    const QString command = arguments.constFirst();
    QCommandLineParser parser;
    parser.setApplicationDescription(
        command == kVersion ? tr("Tells the version of a database's structure.")
        : command == kInit
            ? tr("Makes a PostgreSQL server ready for a school: the tables of the word lists and results "
                 "(or brings them to the newest version), and the roles spelldeck_teacher and "
                 "spelldeck_learner with what each may do. The settings file is the one deployed to the "
                 "computers (spelldeck/database.conf); run it as a login that may make tables and roles.")
            : tr("Brings a database made by an older Spelldeck to the newest version, one step at a time. "
                 "Spelldeck does this itself when it first keeps a result."));
    const DatabaseOptions options(parser);
    const QCommandLineOption &help = options.help;
    const QCommandLineOption &database = options.database;
    const QCommandLineOption &server = options.server;
    parser.addPositionalArgument(command, tr("The command."));
    if (!parser.parse(QStringList{QStringLiteral("spelldeck-db")} + arguments))
        return usage(command, parser.errorText());
    if (parser.isSet(help)) {
        QTextStream(stdout) << parser.helpText();
        return 0;
    }
    if (parser.positionalArguments().size() != 1)
        return usage(command, tr("%1 takes no file; name the database with --database.").arg(command));
    if ((command == kInit) != parser.isSet(server))
        return usage(command, command == kInit
                                  ? tr("init takes the server's settings file: --server FILE.")
                                  : tr("%1 works on a file; --server is for init.").arg(command));
    const QString path = parser.value(database);
    try {
        if (command == kInit)
            return initServer(parser.value(server));
        if (!QFileInfo(path).isFile())
            throw Exception(tr("The database \"%1\" does not exist.").arg(QDir::toNativeSeparators(path)));
        return command == kVersion ? versionOf(path) : upgrade(path);
    } catch (const Exception &e) {
        QTextStream(stderr) << "spelldeck-db: " << e.message() << '\n';
        return 1;
    }
}

} // namespace SchemaCommands
