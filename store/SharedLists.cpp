// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SharedLists.h"

#include "Dataset.h"

#include <QSqlQuery>

#include <algorithm>

namespace SharedLists {

qint32 nextPosition(Connection &connection, const QString &typeId, qint32 shown)
{
    if (!connection.onServer())
        return shown + 1;
    connection
        .run(QStringLiteral("select type_id from d_type where type_id = ? for update"), {typeId.toLongLong()})
        .finish();
    QSqlQuery stored = connection.run(QStringLiteral("select count(*) from d_word where type_id = ?"),
                                      {typeId.toLongLong()});
    const qint32 count = stored.next() ? stored.value(0).toInt() : 0;
    return std::max(shown, count) + 1;
}

} // namespace SharedLists
