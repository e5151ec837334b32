// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Dataset.h"

#include "Exceptions.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QThread>
#include <QUrl>

namespace {

constexpr auto kDriver = "QSQLITE";
constexpr auto kServerDriver = "QPSQL";

QString uniqueConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("ADOConn-%1").arg(counter.fetchAndAddRelaxed(1));
}

QString readWriteUri(const QString &path)
{
    // Without the "file:" form SQLite would create a missing file.
    return QStringLiteral("file:") + QString::fromLatin1(QUrl::toPercentEncoding(path, "/")) +
           QStringLiteral("?mode=rw");
}

[[noreturn]] void raise(const QSqlError &error)
{
    raiseDatabaseError(error);
}

// SQLite's result codes, of which the low byte is the primary code.
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqliteReadOnly = 8;

// The server's SQLSTATE codes that make a difference to the program.
bool isServerCode(const QString &code)
{
    // SQLite's codes are numbers below 10000; the server's are five characters.
    return code.size() == 5;
}

bool connectionLost(const QSqlError &error)
{
    const QString code = error.nativeErrorCode();
    // libpq reports a connection that broke under a statement without a code; a server shutting
    // down ends its sessions with class 57P, a failed connection is class 08.
    if (error.type() == QSqlError::ConnectionError || code.isEmpty())
        return true;
    return code.startsWith(QLatin1String("08")) || code.startsWith(QLatin1String("57P"));
}

EDatabaseError::Cause causeOf(const QSqlError &error)
{
    const QString state = error.nativeErrorCode();
    if (isServerCode(state)) {
        if (state == QLatin1String("40001") || state == QLatin1String("40P01"))
            return EDatabaseError::Cause::Conflict;
        if (state == QLatin1String("55P03")) // lock_not_available: the lock wait ran out
            return EDatabaseError::Cause::Busy;
        if (state == QLatin1String("25006")) // read_only_sql_transaction
            return EDatabaseError::Cause::ReadOnly;
        return EDatabaseError::Cause::Other;
    }
    bool number = false;
    const int code = state.toInt(&number) & 0xFF;
    if (!number)
        return EDatabaseError::Cause::Other;
    if (code == kSqliteBusy || code == kSqliteLocked)
        return EDatabaseError::Cause::Busy;
    if (code == kSqliteReadOnly)
        return EDatabaseError::Cause::ReadOnly;
    return EDatabaseError::Cause::Other;
}

QString quotedIdentifier(const QString &name)
{
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

} // namespace

QString providerText(const QSqlError &error)
{
    QString text = error.databaseText();
    if (text.isEmpty())
        return error.text();
    // The server's driver gives "ERROR:  the text\nLINE 1: the statement...\n(SQLSTATE)": the first line
    // is what a user reads.
    static const QRegularExpression serverForm(QStringLiteral("^(?:ERROR|FATAL):\\s+([^\\n]*)"));
    if (const QRegularExpressionMatch match = serverForm.match(text); match.hasMatch())
        text = match.captured(1);
    return text.trimmed();
}

void raiseDatabaseError(const QSqlError &error)
{
    throw EDatabaseError(providerText(error), causeOf(error));
}

// ---------------------------------------------------------------------------------------------

Connection::Connection() : m_name(uniqueConnectionName()) {}

Connection::~Connection()
{
    close();
    QSqlDatabase::removeDatabase(m_name);
}

void Connection::setDatabasePath(const QString &path)
{
    m_path = path;
}

void Connection::setServer(const ServerAddress &server)
{
    close();
    // The driver of a name is fixed when it is added: a new one for the server.
    if (QSqlDatabase::contains(m_name))
        QSqlDatabase::removeDatabase(m_name);
    m_server = server;
    m_onServer = true;
}

void Connection::setBusyTimeout(int milliseconds)
{
    m_busyTimeout = milliseconds;
    if (!m_connected)
        return;
    // The server waits for another's lock as the file waits for another program's.
    // (The server's driver prepares every statement, and "set" cannot be prepared.)
    if (m_onServer)
        run(QStringLiteral("select set_config('lock_timeout', ?, false)"), {QString::number(milliseconds)})
            .finish();
    else
        run(QStringLiteral("pragma busy_timeout = %1").arg(milliseconds)).finish();
}

void Connection::open()
{
    close();
    QSqlDatabase db =
        QSqlDatabase::contains(m_name)
            ? QSqlDatabase::database(m_name, false)
            : QSqlDatabase::addDatabase(QString::fromLatin1(m_onServer ? kServerDriver : kDriver), m_name);
    if (!db.isValid())
        raise(db.lastError());
    if (m_onServer) {
        db.setHostName(m_server.host);
        if (m_server.port > 0)
            db.setPort(m_server.port);
        db.setDatabaseName(m_server.name);
        db.setUserName(m_server.user);
        // The lock wait comes with the connection: no statement, no round trip.
        QString options = m_server.options;
        if (!options.isEmpty())
            options += QLatin1Char(';');
        db.setConnectOptions(options + QStringLiteral("options='-c lock_timeout=%1'").arg(m_busyTimeout));
        if (!db.open())
            raise(db.lastError());
        m_connected = true;
        return;
    }
    db.setDatabaseName(readWriteUri(m_path));
    // Read-write, never create; wait for another process's lock before giving up.
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(m_busyTimeout));
    if (!db.open())
        raise(db.lastError());
    // SQLite opens any file lazily; reading the schema fails here for a file that is not a database.
    QSqlQuery check(db);
    if (!check.exec(QStringLiteral("select count(*) from sqlite_master"))) {
        const QSqlError error = check.lastError();
        check = QSqlQuery();
        db.close();
        raise(error);
    }
    m_connected = true;
}

void Connection::close()
{
    if (QSqlDatabase::contains(m_name))
        QSqlDatabase::database(m_name, false).close();
    m_connected = false;
}

QSqlDatabase Connection::database()
{
    if (!m_connected)
        open();
    return QSqlDatabase::database(m_name, false);
}

QSqlQuery Connection::run(const QString &sql, const QVariantList &values)
{
    QSqlQuery query(database());
    query.setForwardOnly(true);
    // The server's driver prepares, runs and frees a prepared statement in three round trips: a
    // statement without values goes in one.
    if (m_onServer && values.isEmpty()) {
        if (!query.exec(sql))
            fail(query.lastError());
        return query;
    }
    // A failed prepare left unchecked would surface later as a misleading parameter error.
    if (!query.prepare(sql))
        fail(query.lastError());
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        fail(query.lastError());
    return query;
}

bool Connection::lost(const QSqlError &error)
{
    if (!m_onServer || !m_connected || !connectionLost(error))
        return false;
    if (!error.nativeErrorCode().isEmpty())
        return true;
    // No code: the driver's own failure, or a connection that broke. Only a live connection answers;
    // in a failed transaction it answers with a code of its own.
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    if (!db.isOpen())
        return true;
    QSqlQuery probe(db);
    if (probe.exec(QStringLiteral("select 1")))
        return false;
    return connectionLost(probe.lastError());
}

void Connection::fail(const QSqlError &error)
{
    if (lost(error)) {
        close();
        throw EDatabaseError(
            QCoreApplication::translate("Connection", "The connection to the database server was lost (%1). "
                                                      "The next step connects again.")
                .arg(providerText(error)),
            EDatabaseError::Cause::Lost);
    }
    raiseDatabaseError(error);
}

void pauseBeforeRetry(int attempt)
{
    // The two sides of a conflict would meet again at once: wait a little, longer each time and not
    // the same on every computer.
    QThread::msleep(std::uint32_t(10 * attempt + QRandomGenerator::global()->bounded(20)));
}

// ---------------------------------------------------------------------------------------------

Transaction::Transaction(Connection &connection) : m_connection(connection)
{
    QSqlDatabase db = m_connection.database();
    if (!db.transaction())
        m_connection.fail(db.lastError());
}

Transaction::~Transaction()
{
    if (!m_done && m_connection.connected())
        m_connection.database().rollback();
}

void Transaction::commit()
{
    QSqlDatabase db = m_connection.database();
    if (!db.commit())
        m_connection.fail(db.lastError());
    m_done = true;
}

// ---------------------------------------------------------------------------------------------

void DataSet::close()
{
    m_active = false;
    m_columns.clear();
    m_values.clear();
    m_position = 0;
}

void DataSet::next()
{
    if (!eof())
        ++m_position;
}

void DataSet::last()
{
    m_position = recordCount() == 0 ? 0 : recordCount() - 1;
}

int DataSet::recNo() const
{
    return eof() ? 0 : int(m_position + 1);
}

qsizetype DataSet::columnIndex(const QString &name) const
{
    // Names are matched regardless of case, but callers nearly always spell them as stored, and the
    // exact test is far cheaper in a walk over thousands of rows.
    if (const qsizetype exact = m_columns.indexOf(name); exact >= 0)
        return exact;
    for (qsizetype i = 0; i < m_columns.size(); ++i) {
        if (m_columns.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    throw EDatabaseError(QCoreApplication::translate("DataSet", "Field '%1' not found").arg(name));
}

QString DataSet::fieldByName(const QString &name) const
{
    const qsizetype column = columnIndex(name);
    if (eof())
        return QString();
    // The server's driver gives a NULL number as a null of its type, whose text would be "0".
    const QVariant &value = m_values.at(m_position * m_columns.size() + column);
    return value.isNull() ? QString() : value.toString();
}

void DataSet::load(const QString &sql, const QVariantList &values)
{
    close();
    QSqlQuery query = m_connection.run(sql, values);
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i)
        m_columns << record.fieldName(i);
    const int columns = int(m_columns.size());
    while (query.next()) {
        for (int i = 0; i < columns; ++i)
            m_values.append(query.value(i));
    }
    if (query.lastError().isValid())
        m_connection.fail(query.lastError());
    m_active = true;
}

// ---------------------------------------------------------------------------------------------

void Query::open()
{
    load(m_sql, m_values);
}

void Query::execSQL()
{
    close();
    // The server's driver reads a new id with lastval(), wrong when a trigger inserts too: the insert
    // returns its row instead, whose first column is the id.
    const bool returning =
        m_connection.onServer() && m_sql.trimmed().startsWith(QLatin1String("insert"), Qt::CaseInsensitive);
    QSqlQuery query = m_connection.run(returning ? m_sql + QStringLiteral(" returning *") : m_sql, m_values);
    if (returning)
        m_lastInsertId = query.next() ? query.value(0).toLongLong() : 0;
    else if (m_connection.onServer())
        // Asking the server's driver would run lastval(), whose error ends the transaction under way.
        m_lastInsertId = 0;
    else
        m_lastInsertId = query.lastInsertId().toLongLong();
}

// ---------------------------------------------------------------------------------------------

void Table::open()
{
    load(QStringLiteral("select * from ") + quotedIdentifier(m_tableName), {});
}

void Table::close()
{
    m_inserting = false;
    m_pendingNames.clear();
    m_pendingValues.clear();
    DataSet::close();
}

void Table::append()
{
    if (!m_active)
        throw EDatabaseError(
            QCoreApplication::translate("DataSet", "Cannot perform this operation on a closed dataset"));
    m_inserting = true;
    m_pendingNames.clear();
    m_pendingValues.clear();
}

void Table::setFieldValue(const QString &name, const QString &value)
{
    const QString column = m_columns.at(columnIndex(name));
    if (!m_inserting)
        throw EDatabaseError(QCoreApplication::translate("DataSet", "Dataset not in edit or insert mode"));
    const qsizetype existing = m_pendingNames.indexOf(column);
    if (existing >= 0) {
        m_pendingValues[existing] = value;
    } else {
        m_pendingNames << column;
        m_pendingValues << value;
    }
}

void Table::post()
{
    if (!m_inserting)
        throw EDatabaseError(QCoreApplication::translate("DataSet", "Dataset not in edit or insert mode"));
    QSqlDatabase db = m_connection.database();
    const QString table = quotedIdentifier(m_tableName);
    QString sql;
    if (m_pendingNames.isEmpty()) {
        sql = QStringLiteral("insert into ") + table + QStringLiteral(" default values");
    } else {
        QStringList columns;
        for (const QString &name : std::as_const(m_pendingNames))
            columns << quotedIdentifier(name);
        QStringList marks(m_pendingNames.size(), QStringLiteral("?"));
        sql = QStringLiteral("insert into ") + table + QLatin1Char('(') + columns.join(QLatin1Char(',')) +
              QStringLiteral(") values(") + marks.join(QLatin1Char(',')) + QLatin1Char(')');
    }
    // The stored row, with the identifier the database assigned, becomes the table's last row: on a
    // server the insert returns it, on the file it is read back by its rowid.
    const bool server = m_connection.onServer();
    if (server)
        sql += QStringLiteral(" returning *");
    QSqlQuery insert(db);
    insert.setForwardOnly(true);
    if (!insert.prepare(sql))
        m_connection.fail(insert.lastError());
    // Values travel as bound text, an empty text as an empty text (never NULL).
    for (const QString &value : std::as_const(m_pendingValues))
        insert.addBindValue(value.isNull() ? QStringLiteral("") : value);
    if (!insert.exec())
        m_connection.fail(insert.lastError());
    QSqlQuery stored(db);
    if (server) {
        stored = std::move(insert);
    } else {
        const QVariant rowId = insert.lastInsertId();
        insert.finish();
        stored.setForwardOnly(true);
        if (!stored.prepare(QStringLiteral("select * from ") + table + QStringLiteral(" where rowid = ?")))
            m_connection.fail(stored.lastError());
        stored.addBindValue(rowId);
        if (!stored.exec())
            m_connection.fail(stored.lastError());
    }
    if (stored.next()) {
        const QSqlRecord record = stored.record();
        for (const QString &column : std::as_const(m_columns)) {
            const int index = record.indexOf(column);
            m_values.append(index >= 0 ? stored.value(index) : QVariant());
        }
    }
    m_inserting = false;
    m_pendingNames.clear();
    m_pendingValues.clear();
    m_position = recordCount() - 1;
}
