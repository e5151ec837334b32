// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Dataset.h"
#include "Exceptions.h"
#include "Schema.h"
#include "SqlRows.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

// The socket folder of the throwaway server the test command starts (scripts/test-server.sh); empty
// without one.
inline QString testServerFolder()
{
    return QString::fromLocal8Bit(qgetenv("SPELLDECK_TEST_SERVER"));
}

inline ServerAddress testServerAddress(const QString &database, const QString &folder = testServerFolder())
{
    return {folder, 0, database, QStringLiteral("spelldeck"), QStringLiteral("connect_timeout=5")};
}

// Runs scripts/test-server.sh with `arguments` (start, halt, resume, stop) and gives what it printed:
// a server of a case's own, for stopping it under the program without stopping every other test's.
inline QString testServerScript(const QStringList &arguments)
{
    QProcess script;
    script.start(QStringLiteral(SPELLDECK_FIXTURES "/../../scripts/test-server.sh"), arguments);
    if (!script.waitForFinished(60000) || script.exitCode() != 0)
        qWarning("test-server.sh %s failed: %s", qPrintable(arguments.join(QLatin1Char(' '))),
                 script.readAllStandardError().constData());
    return QString::fromLocal8Bit(script.readAllStandardOutput()).trimmed();
}

// A database of its own on a test server for one case, removed again after it.
class ServerDatabase
{
public:
    explicit ServerDatabase(const QString &folder = testServerFolder())
        : m_name(QStringLiteral("t%1").arg(QRandomGenerator::global()->generate64())), m_folder(folder)
    {
        m_admin.setServer(testServerAddress(QStringLiteral("postgres"), folder));
        // Not a statement the driver can prepare: run as it stands.
        QSqlQuery create(m_admin.database());
        if (!create.exec(QStringLiteral("create database ") + m_name))
            qFatal("cannot make a database on the test server: %s", qPrintable(create.lastError().text()));
        connection.setServer(address());
    }
    ~ServerDatabase()
    {
        connection.close();
        try {
            QSqlQuery(m_admin.database())
                .exec(QStringLiteral("drop database ") + m_name + QStringLiteral(" with (force)"));
        } catch (const Exception &) {
            // The server went away with the case; the cluster goes with the run.
        }
    }
    ServerDatabase(const ServerDatabase &) = delete;
    ServerDatabase &operator=(const ServerDatabase &) = delete;

    ServerAddress address() const { return testServerAddress(m_name, m_folder); }
    // The newest tables, as init makes them.
    void createSchema()
    {
        QSqlDatabase db = connection.database();
        Schema::create(db);
    }
    QStringList rows(const QString &sql) { return sqlRows(connection, sql); }
    void exec(const QString &sql)
    {
        QSqlQuery query(connection.database());
        if (!query.exec(sql))
            QTest::qFail(qPrintable(query.lastError().text()), __FILE__, __LINE__);
    }
    // Ends every other session on this database, as a server restart would.
    void dropOtherSessions()
    {
        QSqlQuery query(m_admin.database());
        if (!query.exec(
                QStringLiteral("select pg_terminate_backend(pid) from pg_stat_activity where datname = '") +
                m_name + QStringLiteral("'")))
            QTest::qFail(qPrintable(query.lastError().text()), __FILE__, __LINE__);
    }
    const QString &name() const { return m_name; }

    Connection connection;

private:
    QString m_name;
    QString m_folder;
    Connection m_admin;
};
