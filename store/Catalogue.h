// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class Table;

// Every statement the program sends. Text values are spliced between single quotes with each
// quote doubled; identifiers and positions must be decimal digits, or the statement is refused.
namespace Catalogue {

QString ListLists();
QString DeleteList(const QString &typeId);
QString RenameList(const QString &name, const QString &typeId);
QString ListWords(const QString &typeId);
QString InsertWord(const QString &word, const QString &sound, const QString &typeId, qint32 order);
QString UpdateWord(const QString &word, const QString &sound, const QString &wordId);
QString DeleteWord(const QString &wordId);
QString SetWordOrder(qint32 order, const QString &wordId);

// Stores a list named `name` through the table component on d_type and returns its type_id.
QString AppendList(Table &tblType, const QString &name);

// `value` with every single quote doubled, for a place between single quotes.
QString escaped(const QString &value);

} // namespace Catalogue
