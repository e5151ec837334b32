// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

// The database tool's "copy" command: a file database moved up to a server, or a server's lists and
// results brought down into a new file, all or nothing.
namespace CopyCommands {

bool isCommand(const QString &argument);

// As ExchangeCommands::run: messages to standard output, errors to standard error; 0 done, 1 failed,
// 2 wrong usage.
int run(const QStringList &arguments);

} // namespace CopyCommands
