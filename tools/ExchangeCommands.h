// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

// The database tool's "export" and "import" commands, on the word lists of a database file.
namespace ExchangeCommands {

// Whether `argument`, the first on the command line, names one of the commands.
bool isCommand(const QString &argument);

// Runs the command `arguments` start with (its name, then its options and arguments); messages go to
// standard output, errors to standard error. Returns the exit code: 0 done, 1 failed, 2 wrong usage.
int run(const QStringList &arguments);

} // namespace ExchangeCommands
