#include "ListEntries.h"

#include <QListWidget>
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

void setRowHeight(QListWidget *list, int height)
{
    list->setItemDelegate(new FixedRowDelegate(height, list));
}
