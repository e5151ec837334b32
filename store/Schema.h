// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QSqlDatabase;

// The word-list database: where its file lives, its tables with their column names, and the version
// stored with them.
namespace Schema {

// The database file, relative to the current directory at the moment of connecting.
inline constexpr auto kDatabasePath = "data/data.db";
// The folder beside the database file for recordings stored with the lists, also relative to the
// current directory; sound paths below it are stored relative, so the data folder can move.
inline constexpr auto kSoundFolder = "data/sounds";
inline QString soundFolder()
{
    return QString::fromLatin1(kSoundFolder);
}

inline constexpr int kVersion = 1;

// Tables and columns.
inline const QString kTypeTable = QStringLiteral("d_type");
inline const QString kTypeId = QStringLiteral("type_id");
inline const QString kTypeName = QStringLiteral("type_name");
inline const QString kWordTable = QStringLiteral("d_word");
inline const QString kWordId = QStringLiteral("word_id");
inline const QString kWordName = QStringLiteral("word_name");
inline const QString kWordSound = QStringLiteral("word_sound");
inline const QString kWordOrder = QStringLiteral("word_order");

// Creates the tables, their index and trigger and stores the version, as one transaction, in an
// open database that holds none of them. Raises Exception naming the failure.
void create(QSqlDatabase &db);

} // namespace Schema
