// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ListEntries.h"

#include <QHelpEvent>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QToolTip>

namespace {

class FixedRowDelegate : public QStyledItemDelegate
{
public:
    FixedRowDelegate(int height, EntryMarked marked, QIcon mark, QString tip, QObject *parent)
        : QStyledItemDelegate(parent), m_height(height), m_marked(std::move(marked)), m_mark(std::move(mark)),
          m_tip(std::move(tip))
    {
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), m_height};
    }

    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override
    {
        if (event->type() == QEvent::ToolTip && isMarked(index)) {
            QToolTip::showText(event->globalPos(), m_tip, view);
            return true;
        }
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (isMarked(index)) {
            option->icon = m_mark;
            option->features |= QStyleOptionViewItem::HasDecoration;
            option->decorationSize = QSize(m_height - 2, m_height - 2);
        }
    }

private:
    bool isMarked(const QModelIndex &index) const
    {
        const void *record = index.data(Qt::UserRole).value<void *>();
        return m_marked && record && m_marked(record);
    }

    int m_height;
    EntryMarked m_marked;
    QIcon m_mark;
    QString m_tip;
};

} // namespace

void appendEntries(QListWidget *list, const QStringList &texts, const QList<void *> &records)
{
    const int first = list->count();
    list->addItems(texts);
    // What an entry refers to is not shown: telling the view about it would only cost time.
    const QSignalBlocker unseen(list->model());
    for (qsizetype i = 0; i < records.size() && first + i < list->count(); ++i)
        setEntryRecord(list->item(int(first + i)), records.at(i));
}

void setRowHeight(QListWidget *list, int height, EntryMarked marked, const QIcon &mark, const QString &tip)
{
    list->setItemDelegate(new FixedRowDelegate(height, std::move(marked), mark, tip, list));
}
