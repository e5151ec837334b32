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
        // Makes the text from the order value the first time the cell is shown: of a year's thousands
        // of tests only those on screen are ever written out.
        QString (*format)(qint64) = nullptr;
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
    // A moment, sorted in time and shown as `text`, or as `format` writes it when it is first shown.
    static Cell moment(qint64 ms, const QString &text);
    static Cell moment(qint64 ms, QString (*format)(qint64));

private:
    QStringList m_headers;
    mutable QList<Row> m_rows; // texts written on first use
};
