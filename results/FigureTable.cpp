// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FigureTable.h"

#include <QLocale>

#include <algorithm>

FigureTable::FigureTable(QStringList headers, QObject *parent)
    : QAbstractTableModel(parent), m_headers(std::move(headers))
{
}

void FigureTable::setRows(QList<Row> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int FigureTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int FigureTable::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_headers.size());
}

QVariant FigureTable::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size() || index.column() >= m_rows.at(index.row()).size())
        return {};
    Cell &cell = m_rows[index.row()][index.column()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole:
        if (cell.format) {
            cell.text = cell.format(cell.order.toLongLong());
            cell.format = nullptr;
        }
        return cell.text;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(cell.alignment);
    default:
        return {};
    }
}

QVariant FigureTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && (role == Qt::DisplayRole || role == Qt::AccessibleTextRole))
        return m_headers.value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

void FigureTable::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= m_headers.size())
        return;
    const auto key = [column](const Row &row) {
        const Cell &cell = row.at(column);
        return cell.order.isValid() ? cell.order : QVariant(cell.text);
    };
    emit layoutAboutToBeChanged();
    std::stable_sort(m_rows.begin(), m_rows.end(), [&](const Row &a, const Row &b) {
        const QVariant left = key(a);
        const QVariant right = key(b);
        const QPartialOrdering ordering = QVariant::compare(left, right);
        const bool less = left.typeId() == QMetaType::QString
                              ? QString::localeAwareCompare(left.toString(), right.toString()) < 0
                              : ordering == QPartialOrdering::Less;
        const bool greater = left.typeId() == QMetaType::QString
                                 ? QString::localeAwareCompare(left.toString(), right.toString()) > 0
                                 : ordering == QPartialOrdering::Greater;
        return order == Qt::AscendingOrder ? less : greater;
    });
    emit layoutChanged();
}

FigureTable::Cell FigureTable::number(qint64 value, const QString &text)
{
    return {text.isEmpty() ? QLocale().toString(value) : text, value, Qt::AlignRight | Qt::AlignVCenter};
}

FigureTable::Cell FigureTable::moment(qint64 ms, const QString &text)
{
    return {text, ms, Qt::AlignLeft | Qt::AlignVCenter};
}

FigureTable::Cell FigureTable::moment(qint64 ms, QString (*format)(qint64))
{
    return {{}, ms, Qt::AlignLeft | Qt::AlignVCenter, format};
}
