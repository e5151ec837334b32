// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TestDatabase.h"

#include "DatabaseTool.h"
#include "Dataset.h"
#include "Exceptions.h"
#include "Schema.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

#include <unistd.h>

namespace {

QSqlQuery run(Connection &connection, const QString &sql, const QVariantList &values)
{
    QSqlQuery query(connection.database());
    if (!query.prepare(sql))
        qFatal("prepare failed: %s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        qFatal("exec failed: %s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
    return query;
}

} // namespace

TestDatabase::TestDatabase(Content content) : m_previousDir(QDir::currentPath())
{
    if (!m_dir.isValid())
        qFatal("cannot make a temporary folder");
    try {
        DatabaseTool::createDatabase(databaseFile(), content == Demo);
    } catch (const Exception &e) {
        qFatal("cannot make the test database: %s", qPrintable(e.message()));
    }
    QDir::setCurrent(m_dir.path());
    m_connection = std::make_unique<Connection>();
    m_connection->setDatabasePath(databaseFile());
}

TestDatabase::~TestDatabase()
{
    m_connection.reset();
    if (m_readOnly)
        setReadOnly(false);
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
        result << query.value(0).toString();
    return result;
}

QStringList TestDatabase::rows(const QString &sql, const QVariantList &values)
{
    QSqlQuery query = run(*m_connection, sql, values);
    QStringList result;
    while (query.next()) {
        QStringList row;
        for (int i = 0; i < query.record().count(); ++i)
            row << query.value(i).toString();
        result << row.join(QLatin1Char('|'));
    }
    return result;
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
    QSqlQuery query = run(*m_connection, QStringLiteral("insert into d_type(type_name) values(?)"), {name});
    return query.lastInsertId().toString();
}

QString TestDatabase::addWord(const QString &typeId, const QString &name, const QString &sound, int order)
{
    QSqlQuery query = run(*m_connection,
                          QStringLiteral("insert into d_word(word_name, word_sound, type_id, word_order) "
                                         "values(?, ?, ?, ?)"),
                          {name, sound, typeId.toLongLong(), order});
    return query.lastInsertId().toString();
}

bool TestDatabase::setReadOnly(bool readOnly)
{
    const QString file = databaseFile();
    m_readOnly = readOnly;
    m_readOnlyProblem.clear();
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
