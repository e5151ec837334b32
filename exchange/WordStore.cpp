// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WordStore.h"

#include "Catalogue.h"
#include "Dataset.h"
#include "Exceptions.h"
#include "Recordings.h"
#include "Sentences.h"
#include "SharedLists.h"

#include <QCoreApplication>

namespace Exchange {
namespace {

bool isIdentifier(const QString &text)
{
    return !text.isEmpty() && std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
}

// Inserts the words after the list's last one, in the caller's transaction.
QStringList insertWords(Connection &connection, const QString &typeId, const QList<TData> &words,
                        const Progress &progress)
{
    Query query(connection);
    query.setSQL(Catalogue::ListWords(typeId));
    query.open();
    // The editor numbers a list's words by their place when it loads them and gives an added word the
    // count plus one, whatever positions are stored: imported words follow the same rule (on a server
    // with the list locked, as another computer may add to it at the same moment).
    const qint32 count = SharedLists::nextPosition(connection, typeId, query.recordCount()) - 1;
    query.close();

    QStringList ids;
    ids.reserve(words.size());
    progress.step(0, words.size());
    for (qsizetype i = 0; i < words.size(); ++i) {
        const TData &word = words.at(i);
        query.setSQL(Catalogue::InsertWord(word.Name, Recordings::stored(connection, word.Sound), typeId,
                                           count + qint32(i) + 1));
        query.execSQL();
        const qint64 id = query.lastInsertId();
        if (id <= 0)
            throw EDatabaseError(
                QCoreApplication::translate("Exchange", "The new word's identifier could not be read back"));
        ids.append(QString::number(id));
        // A new word has no sentence to remove.
        if (!word.Sentence.isEmpty())
            Sentences::store(connection, ids.constLast(), word.Sentence);
        progress.step(i + 1, words.size());
    }
    return ids;
}

} // namespace

TTypeData findList(Connection &connection, const QString &idOrName)
{
    Query query(connection);
    query.setSQL(Catalogue::ListLists());
    query.open();
    QList<TTypeData> named;
    for (; !query.eof(); query.next()) {
        const TTypeData list = typeDataFromRow(query);
        if (isIdentifier(idOrName) && list.ID == idOrName)
            return list;
        if (list.Name == idOrName)
            named.append(list);
    }
    if (named.isEmpty())
        throw Exception(QCoreApplication::translate("Exchange", "There is no list \"%1\".").arg(idOrName));
    if (named.size() > 1)
        throw Exception(
            QCoreApplication::translate("Exchange", "%1 lists are named \"%2\"; give the id of one instead.")
                .arg(named.size())
                .arg(idOrName));
    return named.constFirst();
}

QList<TData> listWords(Connection &connection, const QString &typeId)
{
    Query query(connection);
    query.setSQL(Catalogue::ListWords(typeId));
    query.open();
    QList<TData> words;
    words.reserve(query.recordCount());
    for (; !query.eof(); query.next())
        words.append(dataFromRow(query));
    Sentences::fill(connection, typeId, words);
    return words;
}

QString createList(Connection &connection, const QString &name)
{
    Table table(connection);
    return Catalogue::AppendList(table, name);
}

QStringList appendWords(Connection &connection, const QString &typeId, const QList<TData> &words,
                        const Progress &progress)
{
    Sentences::prepareFor(connection, words);
    QStringList ids;
    retryingConflicts([&] {
        Transaction transaction(connection);
        ids = insertWords(connection, typeId, words, progress);
        transaction.commit();
    });
    return ids;
}

StoredList storeNewList(Connection &connection, const QString &name, const QList<TData> &words,
                        const Progress &progress)
{
    Sentences::prepareFor(connection, words);
    StoredList stored;
    retryingConflicts([&] {
        Transaction transaction(connection);
        stored.typeId = createList(connection, name);
        stored.wordIds = insertWords(connection, stored.typeId, words, progress);
        transaction.commit();
    });
    return stored;
}

} // namespace Exchange
