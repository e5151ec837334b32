#include "ListEntries.h"

#include <QListWidget>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

namespace {

class FixedRowDelegate : public QStyledItemDelegate
{
public:
    FixedRowDelegate(int height, QObject *parent) : QStyledItemDelegate(parent), m_height(height) {}

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), m_height};
    }

private:
    int m_height;
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

void setRowHeight(QListWidget *list, int height)
{
    list->setItemDelegate(new FixedRowDelegate(height, list));
}
