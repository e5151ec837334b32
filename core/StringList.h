// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Exceptions.h"

#include <QList>
#include <QString>

// An ordered list of texts, each with a reference to an object it does not own.
// Access by index checks the bounds and raises EListError, as callers rely on.
template <typename T> class StringList
{
public:
    void add(const QString &text, T *object) { m_items.append({text, object}); }
    void clear() { m_items.clear(); }
    qsizetype count() const { return m_items.size(); }

    const QString &string(qsizetype index) const { return at(index).text; }
    T *object(qsizetype index) const { return at(index).object; }

private:
    struct Item
    {
        QString text;
        T *object;
    };

    const Item &at(qsizetype index) const
    {
        if (index < 0 || index >= m_items.size())
            throw EListError(index);
        return m_items.at(index);
    }

    QList<Item> m_items;
};
