// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DueWords.h"

#include "Catalogue.h"
#include "ResultStore.h"
#include "Schema.h"

#include <limits>

namespace {

void open(Query &query, const Catalogue::Results::Bound &statement)
{
    query.setSQL(statement.text);
    query.setValues(statement.values);
    query.open();
}

struct Due
{
    QList<Schedule::WordState> words;
    QHash<qint64, qint64> listOf; // word id -> list id
};

Due dueOf(ResultStore &store, qint64 learnerId, qint64 typeId, const QDate &today, int limit)
{
    Due result;
    if (!store.hasResults())
        return result;
    Query query(store.connection());
    open(query, Catalogue::Results::FirstTriesOf(learnerId, typeId));
    QList<Schedule::FirstTry> tries;
    tries.reserve(query.recordCount());
    for (; !query.eof(); query.next()) {
        const qint64 wordId = query.fieldByName(QStringLiteral("word_id")).toLongLong();
        tries << Schedule::FirstTry{wordId,
                                    query.fieldByName(QStringLiteral("correct")) == QLatin1String("1"),
                                    query.fieldByName(QStringLiteral("answered_at")).toLongLong()};
        result.listOf.insert(wordId, query.fieldByName(Schema::kTypeId).toLongLong());
    }
    result.words = Schedule::due(Schedule::states(tries), today, limit);
    return result;
}

} // namespace

DueWords dueWords(ResultStore &store, qint64 learnerId, qint64 typeId, const QDate &today, int limit)
{
    const Due due = dueOf(store, learnerId, typeId, today, std::numeric_limits<int>::max());
    DueWords result;
    result.dueInAll = int(due.words.size());
    QList<qint64> ids;
    for (qsizetype i = 0; i < due.words.size() && i < limit; ++i)
        ids << due.words.at(i).wordId;
    if (ids.isEmpty())
        return result;
    Query query(store.connection());
    open(query, Catalogue::Results::WordsWithIds(ids));
    QHash<qint64, TData> found;
    for (; !query.eof(); query.next()) {
        TData word = dataFromRow(query);
        // As the test window reads words: their place in the list is not theirs to keep.
        word.Order = 0;
        const qint64 id = word.ID.toLongLong();
        result.lists.insert(id, {query.fieldByName(Schema::kTypeId).toLongLong(),
                                 query.fieldByName(QStringLiteral("type_name"))});
        found.insert(id, word);
    }
    for (const qint64 id : std::as_const(ids)) {
        const auto word = found.constFind(id);
        if (word != found.cend())
            result.words << *word;
    }
    return result;
}

QHash<qint64, int> dueCounts(ResultStore &store, qint64 learnerId, const QDate &today)
{
    const Due due = dueOf(store, learnerId, 0, today, std::numeric_limits<int>::max());
    QHash<qint64, int> counts;
    for (const Schedule::WordState &word : due.words)
        ++counts[due.listOf.value(word.wordId)];
    return counts;
}
