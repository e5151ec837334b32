// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>
#include <QVariant>

// A table of figures as the Results window shows them: a text for each cell, read out by a screen
// reader as shown, and a value to sort it by, so dates and percentages sort as what they are.
class FigureTable : public QAbstractTableModel
{
public:
    struct Cell
    {
        QString text;
        QVariant order; // by default the text
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    };
    using Row = QList<Cell>;

    explicit FigureTable(QStringList headers, QObject *parent = nullptr);

    void setRows(QList<Row> rows);
    const QList<Row> &rows() const { return m_rows; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

    // A number, right-aligned and sorted as a number.
    static Cell number(qint64 value, const QString &text = {});
    // A moment, shown as a local time and sorted in time.
    static Cell moment(qint64 ms, const QString &text);

private:
    QStringList m_headers;
    QList<Row> m_rows;
};
