// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace DatabaseTool {

// Words of the demo list; each has a recording "<word>.mp3" compiled into the tool.
QStringList demoWords();
inline constexpr auto kDemoListName = "Everyday words";

// Creates a new database file at `path` with the schema; with `demo`, adds the demo list and copies
// its recordings into a "sounds" folder next to the file. Refuses to overwrite an existing file.
// Raises Exception with a message for the user on any failure; a failure leaves no file behind.
void createDatabase(const QString &path, bool demo);

} // namespace DatabaseTool
