// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QListWidgetItem>
#include <QStringList>
#include <QVariant>

#include <functional>

class QListWidget;

// A list entry refers to the record it shows; it does not own it.
template <typename T> void setEntryRecord(QListWidgetItem *item, T *record)
{
    item->setData(Qt::UserRole, QVariant::fromValue(static_cast<void *>(record)));
}

template <typename T> T *entryRecord(const QListWidgetItem *item)
{
    return item ? static_cast<T *>(item->data(Qt::UserRole).value<void *>()) : nullptr;
}

// Appends one entry per text, each referring to the record at the same place, in one insertion: a
// list of thousands of words fills in one step rather than one row at a time.
void appendEntries(QListWidget *list, const QStringList &texts, const QList<void *> &records);

template <typename T>
void appendEntries(QListWidget *list, const QStringList &texts, const QList<T *> &records)
{
    appendEntries(list, texts, QList<void *>(records.cbegin(), records.cend()));
}

// Every row of `list` is `height` pixels high, whatever the font's own line height. When `marked`
// says so for an entry's record, the entry shows `mark` before its text and `tip` as its tooltip;
// it is asked as rows are drawn, so a list of thousands costs nothing more to fill.
using EntryMarked = std::function<bool(const void *record)>;
void setRowHeight(QListWidget *list, int height, EntryMarked marked = {}, const QIcon &mark = {},
                  const QString &tip = {});
