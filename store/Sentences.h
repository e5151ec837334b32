// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "uGlobal.h"

#include <QHash>
#include <QList>
#include <QString>

class Connection;

// The sentences of words (TData::Sentence), kept in a table of their own that a database gains the
// first time one is stored: a file nobody has written a sentence into stays as it was.
namespace Sentences {

// Whether the database has the sentences' table.
bool kept(Connection &connection);

// The sentences of a list's words, by word id; none when the database keeps none.
QHash<QString, QString> ofList(Connection &connection, const QString &typeId);
// The words with their sentences filled in.
void fill(Connection &connection, const QString &typeId, QList<TData> &words);

// Brings an older database to the version with sentences when one of `words` has a sentence. Runs
// before the transaction that stores them: a schema step is a transaction of its own. Raises
// EDatabaseError with the provider's text.
void prepareFor(Connection &connection, const QList<TData> &words);

// The word's sentence stored, or removed when empty, in the caller's transaction. A sentence in a
// database not prepared for it raises EDatabaseError (no such table).
void store(Connection &connection, const QString &wordId, const QString &sentence);

} // namespace Sentences
