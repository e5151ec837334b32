// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Sentences.h"

#include "Catalogue.h"
#include "Dataset.h"
#include "Schema.h"

#include <QSqlDatabase>

#include <algorithm>

namespace Sentences {

bool kept(Connection &connection)
{
    QSqlDatabase db = connection.database();
    return Schema::version(db) >= Schema::kSentenceVersion;
}

QHash<QString, QString> ofList(Connection &connection, const QString &typeId)
{
    QHash<QString, QString> sentences;
    if (!kept(connection))
        return sentences;
    Query query(connection);
    query.setSQL(Catalogue::Sentences::OfList());
    query.setValues({typeId.toLongLong()});
    query.open();
    sentences.reserve(query.recordCount());
    for (; !query.eof(); query.next())
        sentences.insert(query.fieldByName(Schema::kWordId), query.fieldByName(QStringLiteral("sentence")));
    return sentences;
}

void fill(Connection &connection, const QString &typeId, QList<TData> &words)
{
    const QHash<QString, QString> sentences = ofList(connection, typeId);
    if (sentences.isEmpty())
        return;
    for (TData &word : words)
        word.Sentence = sentences.value(word.ID);
}

void prepareFor(Connection &connection, const QList<TData> &words)
{
    const bool any =
        std::any_of(words.cbegin(), words.cend(), [](const TData &word) { return !word.Sentence.isEmpty(); });
    if (!any || kept(connection))
        return;
    QSqlDatabase db = connection.database();
    Schema::upgrade(db);
}

void store(Connection &connection, const QString &wordId, const QString &sentence)
{
    if (sentence.isEmpty() && !kept(connection))
        return;
    // Not prepared, the table is missing and the provider says so.
    Query query(connection);
    query.setSQL(sentence.isEmpty() ? Catalogue::Sentences::Remove() : Catalogue::Sentences::Set());
    query.setValues(sentence.isEmpty() ? QVariantList{wordId.toLongLong()}
                                       : QVariantList{wordId.toLongLong(), sentence});
    query.execSQL();
}

} // namespace Sentences
