// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CopyCommands.h"

#include "DatabaseOptions.h"
#include "DatabaseTool.h"
#include "Dataset.h"
#include "Exceptions.h"
#include "Recordings.h"
#include "Schema.h"
#include "ServerSettings.h"
#include "SoundPath.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTextStream>

namespace CopyCommands {
namespace {

const QString kCopy = QStringLiteral("copy");

QString tr(const char *text)
{
    return QCoreApplication::translate("spelldeck-db", text);
}

int usage(const QString &problem)
{
    QTextStream(stderr) << "spelldeck-db: " << problem << '\n'
                        << tr("Try \"spelldeck-db copy --help\".") << '\n';
    return 2;
}

// The tables copied, parents before the rows that name them; the ids go with the rows, so results
// still name their learners, lists and words.
const char *const kTables[] = {"d_type", "d_word",     "d_sentence", "d_learner",
                               "d_test", "d_test_end", "d_answer"};
// The columns the database numbers, whose next number follows the copied rows on a server.
const std::pair<const char *, const char *> kNumbered[] = {
    {"d_type", "type_id"}, {"d_word", "word_id"}, {"d_learner", "learner_id"}};

struct Counts
{
    qint64 lists = 0;
    qint64 words = 0;
    qint64 recordings = 0;
    qint64 missing = 0; // words whose recording was not found
    qint64 learners = 0;
    qint64 tests = 0;
    qint64 answers = 0;
};

// A word's sound as the copy stores it.
using SoundRule = std::function<QString(const QString &sound)>;

// Copies every row of `table`, ordered by its first column, in the target's transaction under way.
qint64 copyTable(Connection &from, Connection &to, const QString &table, const SoundRule &sound)
{
    QSqlQuery rows = from.run(QStringLiteral("select * from ") + table + QStringLiteral(" order by 1"));
    const QSqlRecord record = rows.record();
    QStringList columns;
    for (int i = 0; i < record.count(); ++i)
        columns << record.fieldName(i);
    const int soundColumn = int(columns.indexOf(Schema::kWordSound));
    const QString insert = QStringLiteral("insert into %1(%2) values(%3)")
                               .arg(table, columns.join(QLatin1Char(',')),
                                    QStringList(columns.size(), QStringLiteral("?")).join(QLatin1Char(',')));
    // The source's rows are read whole first: a forward-only result would hold its connection.
    QList<QVariantList> values;
    while (rows.next()) {
        QVariantList row;
        for (int i = 0; i < columns.size(); ++i)
            row << rows.value(i);
        values << row;
    }
    rows.finish();
    for (QVariantList &row : values) {
        if (soundColumn >= 0)
            row[soundColumn] = sound(row.at(soundColumn).toString());
        to.run(insert, row).finish();
    }
    return values.size();
}

qint64 count(Connection &connection, const QString &table)
{
    QSqlQuery query = connection.run(QStringLiteral("select count(*) from ") + table);
    return query.next() ? query.value(0).toLongLong() : 0;
}

void copyRows(Connection &from, Connection &to, const SoundRule &sound, Counts &counts)
{
    for (const char *name : kTables) {
        const QString table = QString::fromLatin1(name);
        const qint64 copied = copyTable(from, to, table, sound);
        if (table == QLatin1String("d_type"))
            counts.lists = copied;
        else if (table == QLatin1String("d_word"))
            counts.words = copied;
        else if (table == QLatin1String("d_learner"))
            counts.learners = copied;
        else if (table == QLatin1String("d_test"))
            counts.tests = copied;
        else if (table == QLatin1String("d_answer"))
            counts.answers = copied;
    }
}

ServerAddress serverOf(const QString &settingsFile)
{
    const ServerSettings settings = ServerSettings::read(settingsFile);
    if (!settings.server)
        throw Exception(tr("%1 names no server (its driver is sqlite).").arg(settingsFile));
    return serverAddress(settings);
}

// The server's tables as this version makes them, or the reason they are not.
void checkServerVersion(Connection &server, const QString &settingsFile)
{
    QSqlDatabase db = server.database();
    const int version = Schema::version(db);
    if (version != Schema::kVersion)
        throw Exception(version > Schema::kVersion
                            ? tr("The server's database is version %1, made by a newer Spelldeck; this one "
                                 "knows up to version %2.")
                                  .arg(version)
                                  .arg(Schema::kVersion)
                            : tr("The server's database is not ready for this Spelldeck: run \"spelldeck-db "
                                 "init --server %1\" first.")
                                  .arg(settingsFile));
}

QString summary(const Counts &counts)
{
    return tr("%1 lists with %2 words (%3 recordings), %4 learners, %5 tests and %6 answers")
        .arg(counts.lists)
        .arg(counts.words)
        .arg(counts.recordings)
        .arg(counts.learners)
        .arg(counts.tests)
        .arg(counts.answers);
}

int toServer(const QString &settingsFile, const QString &database)
{
    const QFileInfo file(database);
    if (!file.isFile())
        throw Exception(tr("The database \"%1\" does not exist.").arg(QDir::toNativeSeparators(database)));
    // Relative recordings are found from the folder that holds the database's folder, where the
    // program runs on it.
    QDir runFolder = file.absoluteDir();
    runFolder.cdUp();

    Connection server;
    server.setServer(serverOf(settingsFile));
    checkServerVersion(server, settingsFile);
    for (const char *table : {"d_type", "d_learner", "d_answer"}) {
        if (count(server, QString::fromLatin1(table)) > 0)
            throw Exception(tr("The server already holds word lists or results; copy only into a server "
                               "that holds none. Nothing was copied."));
    }

    // The file is read from a copy brought to the newest version, so an older file stays as it is.
    QTemporaryDir scratch;
    const QString copy = scratch.filePath(QStringLiteral("data.db"));
    if (!scratch.isValid() || !QFile::copy(file.absoluteFilePath(), copy))
        throw Exception(tr("Cannot read \"%1\".").arg(QDir::toNativeSeparators(database)));
    Connection source;
    source.setDatabasePath(copy);
    {
        QSqlDatabase db = source.database();
        if (Schema::version(db) > Schema::kVersion)
            throw Exception(tr("%1 was made by a newer Spelldeck; this one knows up to version %2.")
                                .arg(database)
                                .arg(Schema::kVersion));
        if (Schema::version(db) == 0)
            throw Exception(tr("%1 holds no Spelldeck word lists.").arg(database));
        Schema::upgrade(db);
    }

    if (!QDir::setCurrent(runFolder.path()))
        throw Exception(
            tr("Cannot change to the folder \"%1\".").arg(QDir::toNativeSeparators(runFolder.path())));
    Counts counts;
    retryingConflicts([&] {
        counts = {};
        Transaction transaction(server);
        const SoundRule sound = [&](const QString &stored) {
            if (stored.isEmpty())
                return stored;
            const QString kept = Recordings::stored(server, stored);
            if (SoundPath::isRecording(kept))
                ++counts.recordings;
            else
                ++counts.missing;
            return SoundPath::isRecording(kept) ? kept : stored;
        };
        copyRows(source, server, sound, counts);
        for (const auto &[table, column] : kNumbered)
            server
                .run(QStringLiteral("select setval(pg_get_serial_sequence('%1', '%2'), max(%2)) from %1 "
                                    "having max(%2) is not null")
                         .arg(QString::fromLatin1(table), QString::fromLatin1(column)))
                .finish();
        transaction.commit();
    });
    QTextStream out(stdout);
    out << tr("Copied %1 to the server.").arg(summary(counts));
    if (counts.missing > 0)
        out << ' ' << tr("%1 words' recordings were not found; they keep their paths.").arg(counts.missing);
    out << '\n';
    return 0;
}

int fromServer(const QString &settingsFile, const QString &database)
{
    const QFileInfo file(database);
    if (file.exists() || file.isSymLink())
        throw Exception(tr("\"%1\" already exists; copy from the server only into a new file.")
                            .arg(QDir::toNativeSeparators(database)));
    Connection server;
    server.setServer(serverOf(settingsFile));
    checkServerVersion(server, settingsFile);

    // The new file is made whole beside where it goes, with its recordings, and moved into place last.
    QDir folder = file.absoluteDir();
    if (!folder.mkpath(QStringLiteral(".")))
        throw Exception(tr("Cannot create the folder \"%1\".").arg(QDir::toNativeSeparators(folder.path())));
    QTemporaryDir building(folder.filePath(QStringLiteral(".copy-XXXXXX")));
    if (!building.isValid())
        throw Exception(tr("Cannot create a file in \"%1\".").arg(QDir::toNativeSeparators(folder.path())));
    const QString made = building.filePath(QStringLiteral("data.db"));
    DatabaseTool::createDatabase(made, false);
    // Stored as the program finds them: relative to the folder that holds the database's folder.
    const QString soundFolder = folder.filePath(QStringLiteral("sounds"));
    const QString storedFolder = folder.dirName() + QStringLiteral("/sounds/");
    QStringList written;

    Connection target;
    target.setDatabasePath(made);
    Counts counts;
    {
        Transaction transaction(target);
        const SoundRule sound = [&](const QString &stored) {
            const QString hash = SoundPath::recordingHash(stored);
            if (hash.isEmpty())
                return stored;
            // One recording at a time: they travel escaped, a list of them would be held whole.
            QSqlQuery row = server.run(
                QStringLiteral("select recording_data from d_recording where recording_hash = ?"), {hash});
            if (!row.next()) {
                ++counts.missing;
                return stored;
            }
            const QString name = hash + QStringLiteral(".mp3");
            // A file of that name holds those very bytes: it stays, and stays after a failure too.
            if (!written.contains(name) && !QFileInfo(QDir(soundFolder).filePath(name)).isFile()) {
                QDir().mkpath(soundFolder);
                QSaveFile sound(QDir(soundFolder).filePath(name));
                const QByteArray bytes = row.value(0).toByteArray();
                if (!sound.open(QIODevice::WriteOnly) || sound.write(bytes) != bytes.size() ||
                    !sound.commit())
                    throw Exception(
                        tr("Cannot write the recording \"%1\": %2")
                            .arg(QDir::toNativeSeparators(sound.fileName()), sound.errorString()));
                written << name;
            }
            ++counts.recordings;
            return storedFolder + name;
        };
        try {
            copyRows(server, target, sound, counts);
            transaction.commit();
        } catch (...) {
            for (const QString &name : std::as_const(written))
                QFile::remove(QDir(soundFolder).filePath(name));
            throw;
        }
    }
    target.close();
    if (!QFile::rename(made, file.absoluteFilePath()))
        throw Exception(tr("Cannot create \"%1\".").arg(QDir::toNativeSeparators(database)));
    QTextStream out(stdout);
    out << tr("Copied %1 from the server to %2.").arg(summary(counts), database);
    if (counts.missing > 0)
        out << ' ' << tr("%1 words' recordings were not in the server's database.").arg(counts.missing);
    out << '\n';
    return 0;
}

} // namespace

bool isCommand(const QString &argument)
{
    return argument == kCopy;
}

int run(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Copies a database file's lists, words in their order, sentences, recordings, learners and "
           "results to a server that holds none yet (made ready by \"spelldeck-db init\"), or with "
           "--from-server the server's into a new file, with the recordings in a \"sounds\" folder "
           "beside it. All or nothing: a failure copies nothing. Run it as a teacher's login or the one that "
           "ran "
           "init."));
    const DatabaseOptions options(parser);
    const QCommandLineOption &help = options.help;
    const QCommandLineOption &database = options.database;
    const QCommandLineOption &server = options.server;
    const QCommandLineOption down(QStringLiteral("from-server"),
                                  tr("Copy from the server into a new database file."));
    parser.addOption(down);
    parser.addPositionalArgument(kCopy, tr("The command."));
    if (!parser.parse(QStringList{QStringLiteral("spelldeck-db")} + arguments))
        return usage(parser.errorText());
    if (parser.isSet(help)) {
        QTextStream(stdout) << parser.helpText();
        return 0;
    }
    if (parser.positionalArguments().size() != 1)
        return usage(tr("copy takes no file; name the database with --database."));
    if (!parser.isSet(server))
        return usage(tr("copy takes the server's settings file: --server FILE."));
    if (parser.isSet(down) && !parser.isSet(database))
        return usage(tr("--from-server makes a new file: name it with --database."));
    try {
        return parser.isSet(down) ? fromServer(parser.value(server), parser.value(database))
                                  : toServer(parser.value(server), parser.value(database));
    } catch (const Exception &e) {
        QTextStream(stderr) << "spelldeck-db: " << e.message() << '\n';
        return 1;
    }
}

} // namespace CopyCommands
