#include "DatabaseTool.h"

#include "Exceptions.h"

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

const char *const kSchema[] = {
    "create table d_type ("
    " type_id integer primary key autoincrement,"
    " type_name text default '')",
    "create table d_word ("
    " word_id integer primary key autoincrement,"
    " word_name text default '',"
    " word_sound text default '',"
    " type_id integer not null,"
    " word_order integer not null default 0)",
    "create index d_word_list_order on d_word(type_id, word_order)",
    // A removed list takes its words with it, whether or not foreign keys are switched on.
    "create trigger d_type_delete_words after delete on d_type"
    " begin delete from d_word where type_id = old.type_id; end",
};

void exec(QSqlQuery &query, const QString &sql)
{
    if (!query.exec(sql))
        throw Exception(QStringLiteral("Cannot create the database: ") + query.lastError().databaseText());
}

void fillDatabase(const QString &file, const QString &soundFolderForPaths, bool demo)
{
    const QString name = QStringLiteral("spelldeck-db-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        if (!db.open())
            throw Exception(QStringLiteral("Cannot create the database: ") + db.lastError().text());
        QSqlQuery query(db);
        exec(query, QStringLiteral("begin"));
        for (const char *statement : kSchema)
            exec(query, QString::fromLatin1(statement));
        if (demo) {
            query.prepare(QStringLiteral("insert into d_type(type_name) values(?)"));
            query.addBindValue(QString::fromLatin1(kDemoListName));
            if (!query.exec())
                throw Exception(QStringLiteral("Cannot add the demo list: ") + query.lastError().databaseText());
            const qint64 typeId = query.lastInsertId().toLongLong();
            int order = 0;
            for (const QString &word : demoWords()) {
                query.prepare(QStringLiteral(
                    "insert into d_word(word_name, word_sound, type_id, word_order) values(?, ?, ?, ?)"));
                query.addBindValue(word);
                query.addBindValue(soundFolderForPaths + QLatin1Char('/') + word + QStringLiteral(".mp3"));
                query.addBindValue(typeId);
                query.addBindValue(++order);
                if (!query.exec())
                    throw Exception(QStringLiteral("Cannot add the demo list: ") +
                                    query.lastError().databaseText());
            }
        }
        exec(query, QStringLiteral("pragma user_version = %1").arg(kSchemaVersion));
        exec(query, QStringLiteral("commit"));
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
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
            throw Exception(QStringLiteral("Cannot copy the recording \"%1\": %2").arg(target, source.errorString()));
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
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
        throw Exception(QStringLiteral("Cannot create a file in \"%1\": %2").arg(folder.path(), temporary.errorString()));
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
