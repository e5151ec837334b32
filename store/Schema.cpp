// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Schema.h"

#include "Dataset.h"
#include "Exceptions.h"

#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace Schema {
namespace {

// Each version's statements, applied in order to the version before it. A step is never changed once
// released: files of every earlier version rely on it; a change comes as a new version. The statements
// are plain SQL for both backends but for "{id}", a column of ids the database numbers, and the
// removal rules, declared as cascades and written in each backend's own form.
struct Cascade
{
    const char *name;   // the trigger's
    const char *parent; // a row removed here...
    const char *child;  // ...takes the rows here...
    const char *key;    // ...whose column of this name holds its value
};

struct Step
{
    int version;
    std::initializer_list<const char *> statements;
    std::initializer_list<Cascade> cascades = {};
};

const Step kSteps[] = {
    {1,
     {
         "create table d_type ("
         " type_id {id},"
         " type_name text default '')",
         "create table d_word ("
         " word_id {id},"
         " word_name text default '',"
         " word_sound text default '',"
         " type_id integer not null,"
         " word_order integer not null default 0)",
         // A list's words are always read in their order.
         "create index d_word_list_order on d_word(type_id, word_order)",
     },
     // A removed list takes its words with it, whether or not foreign keys are switched on.
     {{"d_type_delete_words", "d_type", "d_word", "type_id"}}},
    // Results are kept as rows that are only ever added: a test's start, its end, and each answer
    // carry the texts of the list and the word as asked, so a list or word removed later leaves its
    // history readable. Times are milliseconds since 1970 in UTC; ids of tests and answers are made
    // by the program, so an answer stored twice after a failed commit is still one answer.
    {2,
     {
         "create table d_learner ("
         " learner_id {id},"
         " learner_name text not null,"
         " learner_account text)",
         // The learner who stands for a computer account is found by its login name.
         "create unique index d_learner_account on d_learner(learner_account)",
         "create table d_test ("
         " test_id text primary key,"
         " learner_id integer not null,"
         " type_id integer,"
         " type_name text not null,"
         " practice integer not null,"
         " started_at integer not null)",
         "create index d_test_learner on d_test(learner_id, started_at)",
         "create table d_test_end ("
         " test_id text primary key,"
         " ended_at integer not null,"
         " outcome text not null,"
         " passes integer not null)",
         "create table d_answer ("
         " answer_id text primary key,"
         " test_id text not null,"
         " learner_id integer not null,"
         " type_id integer not null,"
         " type_name text not null,"
         " word_id integer not null,"
         " word_name text not null,"
         " typed text not null,"
         " correct integer not null,"
         " pass integer not null,"
         " answered_at integer not null,"
         " think_ms integer not null,"
         " plays integer not null)",
         "create index d_answer_learner_time on d_answer(learner_id, answered_at)",
         "create index d_answer_learner_word on d_answer(learner_id, word_id, pass)",
         // The Results window's figures read from these alone: each test's answers, each word's, and
         // the misses with what was typed instead.
         "create index d_answer_test on d_answer(test_id, pass, correct, answered_at)",
         "create index d_answer_word on d_answer(word_name, pass, correct, answered_at, learner_id, type_id)",
         "create index d_answer_miss on d_answer(word_name, typed, answered_at, learner_id, type_id)"
         " where correct = 0",
     }},
    // A word's sentence, spoken between the word said twice, is kept apart from the word's row, so the
    // words' own statements and results read exactly what they read before.
    {3,
     {
         "create table d_sentence ("
         " word_id integer primary key,"
         " sentence text not null)",
     },
     // A removed word takes its sentence, and so does every word of a removed list.
     {{"d_word_delete_sentence", "d_word", "d_sentence", "word_id"}}},
    // On a server every computer plays the same recordings: they are kept in the database, once each
    // by the SHA-256 of their bytes, and a word's sound names one ("recording:" and the hash). Rows are
    // only ever added, so a recording another word or another computer's cache refers to stays. The
    // file keeps its recordings as files beside it and leaves this table empty.
    {4,
     {
         "create table d_recording ("
         " recording_hash text primary key,"
         " recording_data blob not null)",
     }},
};

// Rolls back unless committed. It takes the write lock at once, so two programs upgrading the same
// file at the same moment wait for each other instead of failing halfway.
bool onServer(const QSqlDatabase &db)
{
    return db.driverName() == QLatin1String("QPSQL");
}

class SchemaTransaction
{
public:
    explicit SchemaTransaction(QSqlDatabase &db) : m_db(db)
    {
        exec(onServer(db) ? "begin" : "begin immediate");
        // On a server, programs upgrading at the same moment queue on a lock of the schema's own.
        if (onServer(db))
            exec("select pg_advisory_xact_lock(7317)");
    }
    ~SchemaTransaction()
    {
        if (!m_committed)
            QSqlQuery(m_db).exec(QStringLiteral("rollback"));
    }
    SchemaTransaction(const SchemaTransaction &) = delete;
    SchemaTransaction &operator=(const SchemaTransaction &) = delete;

    void commit()
    {
        exec("commit");
        m_committed = true;
    }

private:
    void exec(const char *statement)
    {
        QSqlQuery query(m_db);
        if (!query.exec(QString::fromLatin1(statement)))
            raiseDatabaseError(query.lastError());
    }

    QSqlDatabase &m_db;
    bool m_committed = false;
};

// What differs between the backends, all of it.
QStringList statementsOf(const QSqlDatabase &db, const Step &step)
{
    const bool server = onServer(db);
    QStringList statements;
    for (const char *statement : step.statements) {
        QString text = QString::fromLatin1(statement);
        if (server) {
            // SQLite's integers are 64 bits wide, the server's "integer" 32: times in milliseconds need
            // more.
            static const QRegularExpression integer(QStringLiteral("\\binteger\\b"));
            text.replace(integer, QStringLiteral("bigint"));
            text.replace(QLatin1String(" blob "), QLatin1String(" bytea "));
        }
        statements << text.replace(QLatin1String("{id}"),
                                   server
                                       ? QLatin1String("bigint generated by default as identity primary key")
                                       : QLatin1String("integer primary key autoincrement"));
    }
    for (const Cascade &cascade : step.cascades) {
        const QString name = QString::fromLatin1(cascade.name);
        const QString removal =
            QStringLiteral("delete from %1 where %2 = old.%2;")
                .arg(QString::fromLatin1(cascade.child), QString::fromLatin1(cascade.key));
        if (server) {
            statements << QStringLiteral("create function %1() returns trigger language plpgsql as "
                                         "$$ begin %2 return old; end $$")
                              .arg(name, removal);
            statements << QStringLiteral(
                              "create trigger %1 after delete on %2 for each row execute function %1()")
                              .arg(name, QString::fromLatin1(cascade.parent));
        } else {
            statements << QStringLiteral("create trigger %1 after delete on %2 begin %3 end")
                              .arg(name, QString::fromLatin1(cascade.parent), removal);
        }
    }
    // The version: SQLite keeps it in the file's header, the server in a table of one row.
    if (server && step.version == 1)
        statements << QStringLiteral("create table d_schema (version integer not null)")
                   << QStringLiteral("insert into d_schema values (1)");
    else if (server)
        statements << QStringLiteral("update d_schema set version = %1").arg(step.version);
    else
        statements << QStringLiteral("pragma user_version = %1").arg(step.version);
    return statements;
}

void runStep(QSqlDatabase &db, const Step &step)
{
    QSqlQuery query(db);
    for (const QString &statement : statementsOf(db, step)) {
        if (!query.exec(statement))
            raiseDatabaseError(query.lastError());
    }
}

int storedVersion(QSqlDatabase &db)
{
    QSqlQuery query(db);
    if (onServer(db)) {
        if (!query.exec(QStringLiteral("select to_regclass('d_schema') is not null, "
                                       "to_regclass('d_type') is not null")) ||
            !query.next())
            raiseDatabaseError(query.lastError());
        const bool versioned = query.value(0).toBool();
        const bool lists = query.value(1).toBool();
        query.finish();
        if (!versioned)
            return lists ? 1 : 0;
        if (!query.exec(QStringLiteral("select version from d_schema")) || !query.next())
            raiseDatabaseError(query.lastError());
        return query.value(0).toInt();
    }
    if (!query.exec(QStringLiteral("pragma user_version")) || !query.next())
        raiseDatabaseError(query.lastError());
    const int stored = query.value(0).toInt();
    if (stored != 0)
        return stored;
    // A file made by hand, or before versions were stored, that holds the word lists is version 1.
    query.finish();
    if (!query.exec(
            QStringLiteral("select count(*) from sqlite_master where type = 'table' and name = 'd_type'")) ||
        !query.next())
        raiseDatabaseError(query.lastError());
    return query.value(0).toInt() > 0 ? 1 : 0;
}

} // namespace

void create(QSqlDatabase &db)
{
    try {
        SchemaTransaction transaction(db);
        for (const Step &step : kSteps)
            runStep(db, step);
        transaction.commit();
    } catch (const EDatabaseError &e) {
        throw Exception(QStringLiteral("Cannot create the database: ") + e.message());
    }
}

int version(QSqlDatabase &db)
{
    return storedVersion(db);
}

int upgrade(QSqlDatabase &db)
{
    const int from = storedVersion(db);
    for (const Step &step : kSteps) {
        if (step.version <= from)
            continue;
        SchemaTransaction transaction(db);
        // Another program may have upgraded the file since it was read: never run a step twice.
        if (storedVersion(db) >= step.version)
            continue;
        runStep(db, step);
        transaction.commit();
    }
    return from;
}

void grantRoles(QSqlDatabase &db)
{
    const QString teacher = QString::fromLatin1(kTeacherRole);
    const QString learner = QString::fromLatin1(kLearnerRole);
    const QString lists = QStringLiteral("d_type, d_word, d_sentence, d_recording, d_schema");
    const QString results = QStringLiteral("d_learner, d_test, d_test_end, d_answer");
    SchemaTransaction transaction(db);
    QSqlQuery query(db);
    // Roles belong to the whole server, and another database's init may be making them at the same
    // moment: one that exists, or comes into being meanwhile, is taken as it is.
    for (const QString &role : {teacher, learner}) {
        if (!query.exec(
                QStringLiteral("do $$ begin create role %1 nologin; "
                               "exception when duplicate_object or unique_violation then null; end $$")
                    .arg(role)))
            raiseDatabaseError(query.lastError());
    }
    const QStringList grants{
        QStringLiteral("grant select, insert, update, delete on %1, %2 to %3").arg(lists, results, teacher),
        QStringLiteral("grant select on %1, %2 to %3").arg(lists, results, learner),
        QStringLiteral("grant insert on %1 to %2").arg(results, learner),
        // New ids come from the identity columns' sequences; a teacher who copies a file database up
        // sets them past the copied ids.
        QStringLiteral("grant usage, select on all sequences in schema public to %1, %2")
            .arg(teacher, learner),
        QStringLiteral("grant update on all sequences in schema public to %1").arg(teacher),
    };
    for (const QString &grant : grants) {
        if (!query.exec(grant))
            raiseDatabaseError(query.lastError());
    }
    transaction.commit();
}

} // namespace Schema
