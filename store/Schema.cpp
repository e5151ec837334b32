// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Schema.h"

#include "Exceptions.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace Schema {
namespace {

const char *const kStatements[] = {
    "create table d_type ("
    " type_id integer primary key autoincrement,"
    " type_name text default '')",
    "create table d_word ("
    " word_id integer primary key autoincrement,"
    " word_name text default '',"
    " word_sound text default '',"
    " type_id integer not null,"
    " word_order integer not null default 0)",
    // A list's words are always read in their order.
    "create index d_word_list_order on d_word(type_id, word_order)",
    // A removed list takes its words with it, whether or not foreign keys are switched on.
    "create trigger d_type_delete_words after delete on d_type"
    " begin delete from d_word where type_id = old.type_id; end",
};

[[noreturn]] void fail(const QSqlError &error)
{
    throw Exception(QStringLiteral("Cannot create the database: ") +
                    (error.databaseText().isEmpty() ? error.text() : error.databaseText()));
}

// Rolls back unless committed.
class SchemaTransaction
{
public:
    explicit SchemaTransaction(QSqlDatabase &db) : m_db(db)
    {
        if (!m_db.transaction())
            fail(m_db.lastError());
    }
    ~SchemaTransaction()
    {
        if (!m_committed)
            m_db.rollback();
    }
    SchemaTransaction(const SchemaTransaction &) = delete;
    SchemaTransaction &operator=(const SchemaTransaction &) = delete;

    void commit()
    {
        if (!m_db.commit())
            fail(m_db.lastError());
        m_committed = true;
    }

private:
    QSqlDatabase &m_db;
    bool m_committed = false;
};

} // namespace

void create(QSqlDatabase &db)
{
    SchemaTransaction transaction(db);
    {
        QSqlQuery query(db);
        for (const char *statement : kStatements) {
            if (!query.exec(QString::fromLatin1(statement)))
                fail(query.lastError());
        }
        if (!query.exec(QStringLiteral("pragma user_version = %1").arg(kVersion)))
            fail(query.lastError());
    }
    transaction.commit();
}

} // namespace Schema
