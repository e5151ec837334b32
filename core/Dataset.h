// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Exceptions.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

class QSqlDatabase;
class QSqlError;
class QSqlQuery;

// A PostgreSQL server to connect to instead of the file, as Qt's driver takes it.
struct ServerAddress
{
    QString host; // a host name, or the folder of a Unix socket; empty for libpq's default
    int port = 0; // 0 for libpq's default
    QString name; // the database
    QString user;
    QString options; // further libpq options, "key=value;key=value"
};

// The database connection shared by every statement component. Opening never creates the file:
// a missing file, or one that is not a database, fails with the provider's text. On a server, a
// failure to connect fails with the driver's text.
class Connection
{
public:
    Connection();
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // The database file, relative paths taken against the current directory when connecting.
    void setDatabasePath(const QString &path);
    const QString &databasePath() const { return m_path; }
    // A server in place of the file, from the next opening on.
    void setServer(const ServerAddress &server);
    bool onServer() const { return m_onServer; }
    // How long a statement waits for another process's lock; applies at once when connected.
    void setBusyTimeout(int milliseconds);
    int busyTimeout() const { return m_busyTimeout; }

    void open();
    void close();
    bool connected() const { return m_connected; }

    // The open connection; opens it first when it is closed (after a failed open, or after the
    // server was lost).
    QSqlDatabase database();

    // Prepares and runs a statement with its values bound, forward only.
    QSqlQuery run(const QString &sql, const QVariantList &values = {});
    // Raises the failure as the program's error. A failure that lost the server closes the
    // connection, so the next statement connects again instead of failing the same way.
    [[noreturn]] void fail(const QSqlError &error);

private:
    bool lost(const QSqlError &error);

    QString m_name;
    QString m_path;
    ServerAddress m_server;
    bool m_onServer = false;
    int m_busyTimeout = 5000;
    bool m_connected = false;
};

// Runs a set of statements as one commit; rolls back when left without commit().
class Transaction
{
public:
    explicit Transaction(Connection &connection);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    void commit();

private:
    Connection &m_connection;
    bool m_done = false;
};

// A result held in memory: opening a select fetches every row, so no read lock outlives the call.
class DataSet
{
public:
    explicit DataSet(Connection &connection) : m_connection(connection) {}
    virtual ~DataSet() = default;
    DataSet(const DataSet &) = delete;
    DataSet &operator=(const DataSet &) = delete;

    virtual void close();
    bool active() const { return m_active; }

    bool eof() const { return m_position >= recordCount(); }
    void next();
    void last();
    // 1-based number of the current row in the result; 0 when there is none.
    int recNo() const;
    int recordCount() const { return m_columns.isEmpty() ? 0 : int(m_values.size() / m_columns.size()); }

    // The current row's column as text: integers as decimal digits, NULL as empty text.
    // A column the result does not have raises an error that names it.
    QString fieldByName(const QString &name) const;

protected:
    // Runs a select and keeps all its rows; the first row becomes current.
    void load(const QString &sql, const QVariantList &values = {});
    qsizetype columnIndex(const QString &name) const;

    Connection &m_connection;
    QStringList m_columns;
    QList<QVariant> m_values; // row after row, one value per column

    qsizetype m_position = 0;
    bool m_active = false;
};

// A statement component: a select opened with open(), anything else run with execSQL().
class Query : public DataSet
{
public:
    using DataSet::DataSet;

    // A new text drops the values bound to the previous one.
    void setSQL(const QString &sql)
    {
        m_sql = sql;
        m_values.clear();
    }
    const QString &sql() const { return m_sql; }
    // Values for the text's "?" places, in order; they travel apart from the text.
    void setValues(QVariantList values) { m_values = std::move(values); }

    void open();
    // Runs the statement and commits it; a statement that matches no row is not an error.
    void execSQL();
    // The id the last insert run by execSQL() created: the rowid on the file, the first column of the
    // row it returned on a server.
    qint64 lastInsertId() const { return m_lastInsertId; }

private:
    QString m_sql;
    QVariantList m_values;
    qint64 m_lastInsertId = 0;
};

// A table component: all rows and columns of one table; new rows are appended with
// append(), setFieldValue() and post().
class Table : public DataSet
{
public:
    using DataSet::DataSet;

    void setTableName(const QString &name) { m_tableName = name; }
    const QString &tableName() const { return m_tableName; }

    void open();
    // Also discards a row that was appended but not posted.
    void close() override;

    void append();
    void setFieldValue(const QString &name, const QString &value);
    // Stores the appended row; it then is the table's last row, with the values the database assigned.
    // On failure the row stays pending.
    void post();
    bool inserting() const { return m_inserting; }

private:
    QString m_tableName;
    bool m_inserting = false;
    QStringList m_pendingNames;
    QStringList m_pendingValues;
};

// Runs `work`, which opens its own Transaction, again when the server gave it up for another's
// (a serialization failure or a deadlock: the other computer's change went through), at most
// kConflictAttempts times in all; then the failure goes to the caller as any other.
constexpr int kConflictAttempts = 4;
template <typename Work> void retryingConflicts(Work &&work);

// The provider's own text for a failure.
QString providerText(const QSqlError &error);
// The failure as the program's error, with its cause.
[[noreturn]] void raiseDatabaseError(const QSqlError &error);

void pauseBeforeRetry(int attempt);

template <typename Work> void retryingConflicts(Work &&work)
{
    for (int attempt = 1;; ++attempt) {
        try {
            work();
            return;
        } catch (const EDatabaseError &e) {
            if (e.cause() != EDatabaseError::Cause::Conflict || attempt == kConflictAttempts)
                throw;
        }
        pauseBeforeRetry(attempt);
    }
}
