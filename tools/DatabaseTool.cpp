// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DatabaseTool.h"

#include "Exceptions.h"
#include "Schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <QUuid>

namespace DatabaseTool {
namespace {

[[noreturn]] void fail(const QString &what, const QSqlError &error)
{
    throw Exception(what + (error.databaseText().isEmpty() ? error.text() : error.databaseText()));
}

void addDemoList(QSqlDatabase &db, const QString &soundFolderForPaths)
{
    if (!db.transaction())
        fail(QStringLiteral("Cannot add the demo list: "), db.lastError());
    QSqlQuery query(db);
    query.prepare(QStringLiteral("insert into d_type(type_name) values(?)"));
    query.addBindValue(QString::fromLatin1(kDemoListName));
    if (!query.exec())
        fail(QStringLiteral("Cannot add the demo list: "), query.lastError());
    const qint64 typeId = query.lastInsertId().toLongLong();
    query.prepare(
        QStringLiteral("insert into d_word(word_name, word_sound, type_id, word_order) values(?, ?, ?, ?)"));
    int order = 0;
    for (const QString &word : demoWords()) {
        query.addBindValue(word);
        query.addBindValue(soundFolderForPaths + QLatin1Char('/') + word + QStringLiteral(".mp3"));
        query.addBindValue(typeId);
        query.addBindValue(++order);
        if (!query.exec())
            fail(QStringLiteral("Cannot add the demo list: "), query.lastError());
    }
    query.finish();
    // The file is still under its temporary name: a failure here leaves nothing where the program looks.
    if (!db.commit())
        fail(QStringLiteral("Cannot add the demo list: "), db.lastError());
}

// A connection of its own, removed however the work on it ends.
class ScratchConnection
{
public:
    ScratchConnection()
        : m_name(QStringLiteral("spelldeck-db-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
    {
    }
    ~ScratchConnection() { QSqlDatabase::removeDatabase(m_name); }
    ScratchConnection(const ScratchConnection &) = delete;
    ScratchConnection &operator=(const ScratchConnection &) = delete;

    const QString &name() const { return m_name; }

private:
    QString m_name;
};

void fillDatabase(const QString &file, const QString &soundFolderForPaths, bool demo)
{
    const ScratchConnection connection;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection.name());
    db.setDatabaseName(file);
    if (!db.open())
        fail(QStringLiteral("Cannot create the database: "), db.lastError());
    Schema::create(db);
    if (demo)
        addDemoList(db, soundFolderForPaths);
    db.close();
}

void copyDemoSounds(const QDir &soundDir)
{
    if (!soundDir.mkpath(QStringLiteral(".")))
        throw Exception(QStringLiteral("Cannot create the folder \"%1\".").arg(soundDir.path()));
    for (const QString &word : demoWords()) {
        const QString target = soundDir.filePath(word + QStringLiteral(".mp3"));
        if (QFileInfo::exists(target))
            continue; // a recording of the user's own is kept
        QFile source(QStringLiteral(":/sounds/") + word + QStringLiteral(".mp3"));
        if (!source.copy(target))
            throw Exception(
                QStringLiteral("Cannot copy the recording \"%1\": %2").arg(target, source.errorString()));
        QFile::setPermissions(target,
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
}

} // namespace

QStringList demoWords()
{
    return {QStringLiteral("apple"), QStringLiteral("house"),  QStringLiteral("green"),
            QStringLiteral("water"), QStringLiteral("school"), QStringLiteral("friend"),
            QStringLiteral("happy"), QStringLiteral("little")};
}

void createDatabase(const QString &path, bool demo)
{
    const QFileInfo info(path);
    if (info.exists() || info.isSymLink())
        throw Exception(QStringLiteral("\"%1\" already exists; it was left unchanged.").arg(path));
    QDir folder = info.absoluteDir();
    if (!folder.mkpath(QStringLiteral(".")))
        throw Exception(QStringLiteral("Cannot create the folder \"%1\".").arg(folder.path()));

    // Build the file under a temporary name and move it into place only when it is complete, so a
    // failure never leaves a half-made database where the program looks for one.
    QTemporaryFile temporary(folder.filePath(QStringLiteral(".data-XXXXXX.db")));
    if (!temporary.open())
        throw Exception(
            QStringLiteral("Cannot create a file in \"%1\": %2").arg(folder.path(), temporary.errorString()));
    temporary.close();

    // Sound paths are relative to the folder that holds the database's folder, where the program runs.
    const QString soundFolder = folder.dirName() + QStringLiteral("/sounds");
    fillDatabase(temporary.fileName(), soundFolder, demo);
    if (demo)
        copyDemoSounds(QDir(folder.filePath(QStringLiteral("sounds"))));
    // rename() never replaces an existing file.
    if (!temporary.rename(info.absoluteFilePath()))
        throw Exception(QStringLiteral("Cannot create \"%1\": %2").arg(path, temporary.errorString()));
    temporary.setAutoRemove(false);
    QFile::setPermissions(info.absoluteFilePath(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
}

} // namespace DatabaseTool
