// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

// The database tool's "version" and "upgrade" commands, on the structure of a database file, and "init",
// which makes a server ready.
namespace SchemaCommands {

bool isCommand(const QString &argument);

// As ExchangeCommands::run: messages to standard output, errors to standard error; 0 done, 1 failed,
// 2 wrong usage.
int run(const QStringList &arguments);

} // namespace SchemaCommands
