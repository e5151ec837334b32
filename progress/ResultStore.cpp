// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ResultStore.h"

#include "Exceptions.h"
#include "Schema.h"
#include "ServerSettings.h"

#include <QCoreApplication>
#include <QSqlDatabase>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ResultStore", text);
}

Learner learnerFromRow(const DataSet &row)
{
    return {row.fieldByName(QStringLiteral("learner_id")).toLongLong(),
            row.fieldByName(QStringLiteral("learner_name")),
            row.fieldByName(QStringLiteral("learner_account"))};
}

QVariant nullWhenZero(qint64 id)
{
    return id == 0 ? QVariant(QMetaType(QMetaType::LongLong)) : QVariant(id);
}

} // namespace

ResultStore::Patience::Patience(Connection &connection) : m_connection(connection)
{
    m_connection.setBusyTimeout(kPatientWaitMs);
}

ResultStore::Patience::~Patience()
{
    try {
        m_connection.setBusyTimeout(kAnswerWaitMs);
    } catch (const Exception &) {
        // The connection has gone; it starts with the short wait when it opens again.
    }
}

ResultStore::ResultStore(const QString &databasePath)
{
    if (databasePath == QLatin1String(Schema::kDatabasePath)) {
        try {
            useProgramsDatabase(m_connection, databasePath);
        } catch (const Exception &e) {
            // Never the local file instead: the start-up report has said why already.
            m_settingsProblem = e.message();
            m_connection.setDatabasePath(QString());
        }
    } else {
        m_connection.setDatabasePath(databasePath);
    }
    m_connection.setBusyTimeout(kAnswerWaitMs);
}

bool ResultStore::hasResults()
{
    QSqlDatabase db = m_connection.database();
    return Schema::version(db) >= Schema::kResultsVersion;
}

std::optional<QString> ResultStore::prepare()
{
    if (!m_settingsProblem.isEmpty())
        return tr("Results are not kept: %1").arg(m_settingsProblem);
    try {
        const Patience patience(m_connection);
        QSqlDatabase db = m_connection.database();
        if (Schema::version(db) > Schema::kVersion)
            return tr("This database was made by a newer version of Spelldeck, so this one keeps no "
                      "results in it. The word lists can be used as always.");
        Schema::upgrade(db);
        // A file that cannot be written opens all the same, and says so only when something is written.
        Transaction probe(m_connection);
        run(QStringLiteral("insert into d_learner(learner_name) select '' where 0 = 1"), {});
    } catch (const EDatabaseError &e) {
        switch (e.cause()) {
        case EDatabaseError::Cause::Busy:
            return tr("Results are not kept for now: another program is using the database (%1).")
                .arg(e.message());
        case EDatabaseError::Cause::ReadOnly:
            return tr("Results are not kept: the database cannot be written (%1). The word lists can be "
                      "used as always.")
                .arg(e.message());
        case EDatabaseError::Cause::Conflict:
        case EDatabaseError::Cause::Lost:
        case EDatabaseError::Cause::Other:
            break;
        }
        return tr("Results are not kept: %1").arg(e.message());
    }
    return std::nullopt;
}

void ResultStore::run(const QString &sql, const QVariantList &values)
{
    Query query(m_connection);
    query.setSQL(sql);
    query.setValues(values);
    query.execSQL();
}

QList<Learner> ResultStore::learners()
{
    QList<Learner> result;
    if (!hasResults())
        return result;
    Query query(m_connection);
    query.setSQL(Catalogue::Results::ListLearners());
    query.open();
    for (; !query.eof(); query.next())
        result << learnerFromRow(query);
    return result;
}

std::optional<Learner> ResultStore::learner(qint64 id)
{
    for (const Learner &learner : learners()) {
        if (learner.id == id)
            return learner;
    }
    return std::nullopt;
}

void ResultStore::checkName(const QString &name, qint64 except)
{
    if (name.trimmed().isEmpty())
        throw Exception(tr("A learner needs a name."));
    for (const Learner &learner : learners()) {
        if (learner.id != except && learner.name == name)
            throw Exception(tr("There is a learner named \"%1\" already.").arg(name));
    }
}

Learner ResultStore::addLearner(const QString &name)
{
    checkName(name, 0);
    Query query(m_connection);
    query.setSQL(Catalogue::Results::AddLearner());
    query.setValues({name, QVariant(QMetaType(QMetaType::QString))});
    query.execSQL();
    return {query.lastInsertId(), name, {}};
}

Learner ResultStore::accountLearner(const QString &login, const QString &name)
{
    Query query(m_connection);
    query.setSQL(Catalogue::Results::FindAccountLearner());
    query.setValues({login});
    query.open();
    if (!query.eof())
        return {query.fieldByName(QStringLiteral("learner_id")).toLongLong(),
                query.fieldByName(QStringLiteral("learner_name")), login};
    query.setSQL(Catalogue::Results::AddLearner());
    query.setValues({name, login});
    query.execSQL();
    return {query.lastInsertId(), name, login};
}

void ResultStore::renameLearner(qint64 id, const QString &name)
{
    checkName(name, id);
    run(Catalogue::Results::RenameLearner(), {name, id});
}

void ResultStore::removeLearner(qint64 id)
{
    const Patience patience(m_connection);
    retryingConflicts([&] {
        Transaction transaction(m_connection);
        for (const QString &statement : Catalogue::Results::RemoveLearner())
            run(statement, {id});
        transaction.commit();
    });
}

void ResultStore::storeAnswer(const AnswerRow &a, const TestRow *t)
{
    retryingConflicts([&] {
        Transaction transaction(m_connection);
        if (t)
            run(Catalogue::Results::InsertTest(), {t->testId, t->learnerId, nullWhenZero(t->typeId),
                                                   t->typeName, int(t->practice), t->startedAt});
        run(Catalogue::Results::InsertAnswer(),
            {a.answerId, a.testId, a.learnerId, a.typeId, a.typeName, a.wordId, a.wordName, a.typed,
             int(a.correct), a.pass, a.answeredAt, a.thinkMs, a.plays});
        transaction.commit();
    });
}

void ResultStore::storeTestEnd(const QString &testId, qint64 endedAt, const QString &outcome, int passes)
{
    retryingConflicts([&] {
        Transaction transaction(m_connection);
        run(Catalogue::Results::InsertTestEnd(), {testId, endedAt, outcome, passes});
        transaction.commit();
    });
}
