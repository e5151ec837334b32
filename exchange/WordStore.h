// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Progress.h"
#include "uGlobal.h"

#include <QList>
#include <QStringList>

class Connection;

// Lists and words as imports and exports read and store them, through the catalogue's statements on a
// connection: the program's own (DM->ADOConn) or another.
namespace Exchange {

// The list whose id is `idOrName` (decimal digits), else the one named exactly `idOrName`. Raises when
// there is none, or when several lists have that name.
TTypeData findList(Connection &connection, const QString &idOrName);

// The list's words in their order, each with its Order as the editor numbers it (1..n) and its sentence.
QList<TData> listWords(Connection &connection, const QString &typeId);

// Stores a new, empty list named `name` (Catalogue::AppendList) and returns its id.
QString createList(Connection &connection, const QString &name);

// Appends `words` (each its Name, Sound and Sentence) after the list's last word in one transaction:
// positions continue from the list's word count, as the editor's own Add numbers them. Returns the new
// words' ids in order. Either every word is stored or none: a failure, or a cancel (EAbort), rolls back.
QStringList appendWords(Connection &connection, const QString &typeId, const QList<TData> &words,
                        const Progress &progress = {});

struct StoredList
{
    QString typeId;
    QStringList wordIds;
};

// A new list named `name` holding `words`, stored in one transaction: a failure or a cancel leaves no
// list behind.
StoredList storeNewList(Connection &connection, const QString &name, const QList<TData> &words,
                        const Progress &progress = {});

} // namespace Exchange
