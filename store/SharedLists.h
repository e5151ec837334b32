// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class Connection;

// A list that several computers change at once, as they do on a school's server.
namespace SharedLists {

// The position a word added after the `shown` words of a list takes, in the caller's transaction: the
// count plus one, as the editor numbers its words. On a server the list is first locked until the
// transaction ends, and words another computer added meanwhile count too, so two computers adding at
// the same moment never give two words one position.
qint32 nextPosition(Connection &connection, const QString &typeId, qint32 shown);

} // namespace SharedLists
