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
    // A lock of the list's own until the transaction ends, which needs no right to change the list's
    // row: a learner's add is refused by the words' table, as it should be.
    connection.run(QStringLiteral("select pg_advisory_xact_lock(7318, hashint8(?))"), {typeId.toLongLong()})
        .finish();
    QSqlQuery stored = connection.run(QStringLiteral("select count(*) from d_word where type_id = ?"),
                                      {typeId.toLongLong()});
    const qint32 count = stored.next() ? stored.value(0).toInt() : 0;
    return std::max(shown, count) + 1;
}

} // namespace SharedLists
