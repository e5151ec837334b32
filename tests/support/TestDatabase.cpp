// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TestDatabase.h"

#include "DatabaseTool.h"
#include "Dataset.h"
#include "Exceptions.h"
#include "Schema.h"
#include "SqlRows.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

#include <cstdio>
#include <cstdlib>

#include <unistd.h>

namespace {

QSqlQuery run(Connection &connection, const QString &sql, const QVariantList &values)
{
    QSqlQuery query(connection.database());
    // Without values, as it stands: the server's driver cannot prepare a statement that makes things.
    if (values.isEmpty()) {
        if (!query.exec(sql))
            qFatal("exec failed: %s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
        return query;
    }
    if (!query.prepare(sql))
        qFatal("prepare failed: %s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        qFatal("exec failed: %s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
    return query;
}

} // namespace

namespace {

ServerAddress testServer(const QString &database)
{
    return {QString::fromLocal8Bit(qgetenv("SPELLDECK_TEST_SERVER")), 0, database,
            QStringLiteral("spelldeck"), QStringLiteral("connect_timeout=5")};
}

// Statements the server's driver cannot prepare, on its maintenance database.
void administer(const QString &statement)
{
    const QString name = QStringLiteral("test-admin");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        const ServerAddress server = testServer(QStringLiteral("postgres"));
        db.setHostName(server.host);
        db.setDatabaseName(server.name);
        db.setUserName(server.user);
        if (!db.open()) {
            std::fputs("SKIP: the test server cannot be reached\n", stderr);
            std::exit(77);
        }
        QSqlQuery query(db);
        if (!query.exec(statement))
            qFatal("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
    }
    QSqlDatabase::removeDatabase(name);
}

// The file's lists and words, copied to the server with their ids.
void copyRows(Connection &from, Connection &to)
{
    for (const QString &table : {QStringLiteral("d_type"), QStringLiteral("d_word")}) {
        QSqlQuery rows(from.database());
        if (!rows.exec(QStringLiteral("select * from ") + table))
            qFatal("cannot read %s", qPrintable(table));
        while (rows.next()) {
            const QSqlRecord record = rows.record();
            QStringList columns, marks;
            QVariantList values;
            for (int i = 0; i < record.count(); ++i) {
                columns << record.fieldName(i);
                marks << QStringLiteral("?");
                values << rows.value(i);
            }
            run(to,
                QStringLiteral("insert into %1(%2) values(%3)")
                    .arg(table, columns.join(QLatin1Char(',')), marks.join(QLatin1Char(','))),
                values);
        }
        // The identity goes on after the copied ids.
        const QString id =
            table == QLatin1String("d_type") ? QStringLiteral("type_id") : QStringLiteral("word_id");
        run(to,
            QStringLiteral(
                "select setval(pg_get_serial_sequence('%1', '%2'), coalesce(max(%2), 0) + 1, false) from %1")
                .arg(table, id),
            {});
    }
}

} // namespace

bool TestDatabase::onServer()
{
    return qgetenv("SPELLDECK_TEST_BACKEND") == "server";
}

void TestDatabase::refuse(const QString &table, const QString &event, const QString &message,
                          const QString &condition)
{
    const QString quoted = QString(message).replace(QLatin1Char('\''), QStringLiteral("''"));
    if (onServer()) {
        const QString function = QStringLiteral("refuse_") + table;
        exec(QStringLiteral("create function %1() returns trigger language plpgsql as $$ begin if %2 then "
                            "raise exception '%3'; end if; return coalesce(new, old); end $$")
                 .arg(function, condition.isEmpty() ? QStringLiteral("true") : condition, quoted));
        exec(QStringLiteral("create trigger refuse before %1 on %2 for each row execute function %3()")
                 .arg(event, table, function));
        return;
    }
    exec(QStringLiteral("create trigger refuse before %1 on %2 %3 begin select raise(abort, '%4'); end")
             .arg(event, table, condition.isEmpty() ? QString() : QStringLiteral("when ") + condition,
                  quoted));
}

void TestDatabase::allow(const QString &table)
{
    exec(onServer() ? QStringLiteral("drop trigger refuse on ") + table
                    : QStringLiteral("drop trigger refuse"));
}

void TestDatabase::reconnect()
{
    m_connection->close();
}

QString TestDatabase::storedSound(const QString &path)
{
    if (!onServer())
        return path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return path;
    return QStringLiteral("recording:") +
           QString::fromLatin1(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex());
}

TestDatabase::TestDatabase(Content content) : m_previousDir(QDir::currentPath())
{
    if (!m_dir.isValid())
        qFatal("cannot make a temporary folder");
    try {
        // On a server too: the demo's recordings go in the folder, its rows are copied below.
        DatabaseTool::createDatabase(databaseFile(), content == Demo);
    } catch (const Exception &e) {
        qFatal("cannot make the test database: %s", qPrintable(e.message()));
    }
    QDir::setCurrent(m_dir.path());
    m_connection = std::make_unique<Connection>();
    m_connection->setDatabasePath(databaseFile());
    if (!onServer())
        return;
    if (qEnvironmentVariableIsEmpty("SPELLDECK_TEST_SERVER")) {
        std::fputs("SKIP: SPELLDECK_TEST_SERVER names no server (scripts/test-server.sh starts one)\n",
                   stderr);
        std::exit(77);
    }
    m_serverDatabase = QStringLiteral("t%1").arg(QRandomGenerator::global()->generate64());
    administer(QStringLiteral("create database ") + m_serverDatabase);
    Connection file;
    file.setDatabasePath(databaseFile());
    m_connection->setServer(testServer(m_serverDatabase));
    QSqlDatabase db = m_connection->database();
    Schema::create(db);
    copyRows(file, *m_connection);
    file.close();
    // The program signs in as a teacher of the school, not as the server's owner, so that the rights
    // of the roles hold for it: setReadOnly makes it a learner.
    Schema::grantRoles(db);
    m_login = m_serverDatabase + QStringLiteral("_login");
    administer(QStringLiteral("create role %1 login in role %2")
                   .arg(m_login, QString::fromLatin1(Schema::kTeacherRole)));
    QFile::remove(databaseFile());
    // Where the program looks for the settings, before the user's own folder is asked for none.
    const QString config = m_dir.filePath(QStringLiteral("xdg"));
    QDir().mkpath(config + QStringLiteral("/spelldeck"));
    QFile settings(config + QStringLiteral("/spelldeck/database.conf"));
    if (!settings.open(QIODevice::WriteOnly))
        qFatal("cannot write the server's settings");
    settings.write("[database]\ndriver=postgresql\nuser=" + m_login.toUtf8() + "\nhost=" +
                   qgetenv("SPELLDECK_TEST_SERVER") + "\nname=" + m_serverDatabase.toUtf8() + "\n");
    settings.close();
    m_previousConfigDirs = qgetenv("XDG_CONFIG_DIRS");
    qputenv("XDG_CONFIG_DIRS",
            QFile::encodeName(config) +
                (m_previousConfigDirs.isEmpty() ? QByteArray() : ":" + m_previousConfigDirs));
}

TestDatabase::~TestDatabase()
{
    m_connection.reset();
    if (m_readOnly)
        setReadOnly(false);
    if (!m_serverDatabase.isEmpty()) {
        if (m_previousConfigDirs.isEmpty())
            qunsetenv("XDG_CONFIG_DIRS");
        else
            qputenv("XDG_CONFIG_DIRS", m_previousConfigDirs);
        administer(QStringLiteral("drop database ") + m_serverDatabase + QStringLiteral(" with (force)"));
        administer(QStringLiteral("drop role if exists ") + m_login);
    }
    QDir::setCurrent(m_previousDir);
}

QString TestDatabase::databaseFile() const
{
    return m_dir.filePath(QString::fromLatin1(Schema::kDatabasePath));
}

void TestDatabase::exec(const QString &sql, const QVariantList &values)
{
    run(*m_connection, sql, values);
}

QStringList TestDatabase::column(const QString &sql, const QVariantList &values)
{
    QSqlQuery query = run(*m_connection, sql, values);
    QStringList result;
    while (query.next())
        result << (query.value(0).isNull() ? QString() : query.value(0).toString());
    return result;
}

QStringList TestDatabase::rows(const QString &sql, const QVariantList &values)
{
    QSqlQuery query = run(*m_connection, sql, values);
    return joinedRows(query);
}

QString TestDatabase::scalar(const QString &sql, const QVariantList &values)
{
    const QStringList result = column(sql, values);
    return result.isEmpty() ? QString() : result.constFirst();
}

void TestDatabase::replaceWith(const QString &file)
{
    m_connection->close();
    const QString target = databaseFile();
    if (!QFile::remove(target) || !QFile::copy(file, target) ||
        !QFile::setPermissions(target,
                               QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther))
        qFatal("cannot put %s in place of the test database", qPrintable(file));
}

QString TestDatabase::addList(const QString &name)
{
    if (onServer())
        return scalar(QStringLiteral("insert into d_type(type_name) values(?) returning type_id"), {name});
    QSqlQuery query = run(*m_connection, QStringLiteral("insert into d_type(type_name) values(?)"), {name});
    return query.lastInsertId().toString();
}

QString TestDatabase::addWord(const QString &typeId, const QString &name, const QString &sound, int order)
{
    const QString insert = QStringLiteral("insert into d_word(word_name, word_sound, type_id, word_order) "
                                          "values(?, ?, ?, ?)");
    if (onServer())
        return scalar(insert + QStringLiteral(" returning word_id"),
                      {name, sound, typeId.toLongLong(), order});
    QSqlQuery query = run(*m_connection, insert, {name, sound, typeId.toLongLong(), order});
    return query.lastInsertId().toString();
}

bool TestDatabase::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    m_readOnlyProblem.clear();
    if (onServer()) {
        // A learner's login: the lists cannot be changed, results can be added. It holds at once for
        // the program's open connection too.
        if (!m_connection)
            return true;
        const QString teacher = QString::fromLatin1(Schema::kTeacherRole);
        const QString learner = QString::fromLatin1(Schema::kLearnerRole);
        exec(QStringLiteral("revoke %1 from %2").arg(readOnly ? teacher : learner, m_login));
        exec(QStringLiteral("grant %1 to %2").arg(readOnly ? learner : teacher, m_login));
        return true;
    }
    const QString file = databaseFile();
    QFile::setPermissions(file, readOnly ? QFile::ReadOwner : (QFile::ReadOwner | QFile::WriteOwner));
    // Permissions do not stop root: mark the file immutable as well where the file system allows it.
    QString chattr;
    if (::geteuid() == 0) {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QStringLiteral("chattr"),
                      {readOnly ? QStringLiteral("+i") : QStringLiteral("-i"), file});
        if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit)
            chattr = QStringLiteral("chattr could not be run (%1)").arg(process.errorString());
        else if (process.exitCode() != 0)
            chattr =
                QStringLiteral("chattr failed: %1").arg(QString::fromLocal8Bit(process.readAll()).trimmed());
    }
    QFile probe(file);
    const bool writable = probe.open(QIODevice::ReadWrite);
    if (readOnly == writable) {
        m_readOnlyProblem = readOnly ? QStringLiteral("the database file stays writable for this process")
                                     : QStringLiteral("the database file stays read-only for this process");
        if (!chattr.isEmpty())
            m_readOnlyProblem += QStringLiteral(": ") + chattr;
    }
    return readOnly != writable;
}
