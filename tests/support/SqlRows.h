// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Dataset.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

// The rows left in a query that has run, columns joined by "|".
inline QStringList joinedRows(QSqlQuery &query)
{
    QStringList result;
    while (query.next()) {
        QStringList row;
        for (int i = 0; i < query.record().count(); ++i)
            // NULL as empty text on both backends (the server's driver gives a typed null, "0" as text).
            row << (query.value(i).isNull() ? QString() : query.value(i).toString());
        result << row.join(QLatin1Char('|'));
    }
    return result;
}

// Every row of a query on the connection, columns joined by "|"; "cannot run: SQL" when it fails.
inline QStringList sqlRows(Connection &connection, const QString &sql)
{
    QSqlQuery query(connection.database());
    if (!query.exec(sql))
        return {QStringLiteral("cannot run: ") + sql};
    return joinedRows(query);
}
