#pragma once

#include <QListWidgetItem>
#include <QVariant>

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

// Every row of `list` is `height` pixels high, whatever the font's own line height.
void setRowHeight(QListWidget *list, int height);
