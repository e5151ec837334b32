// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QSqlDatabase;

// The word-list database: where its file lives, its tables with their column names, and the versions
// of its structure with the steps from each to the next.
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

// Version 1: the word lists. Version 2: learners, their tests and every answer. Version 3: sentences
// of words. Version 4: recordings kept in the database (used on a server).
inline constexpr int kVersion = 4;
// The first version that keeps results.
inline constexpr int kResultsVersion = 2;
// The first version that keeps sentences.
inline constexpr int kSentenceVersion = 3;

// Tables and columns of the word lists.
inline const QString kTypeTable = QStringLiteral("d_type");
inline const QString kTypeId = QStringLiteral("type_id");
inline const QString kTypeName = QStringLiteral("type_name");
inline const QString kWordTable = QStringLiteral("d_word");
inline const QString kWordId = QStringLiteral("word_id");
inline const QString kWordName = QStringLiteral("word_name");
inline const QString kWordSound = QStringLiteral("word_sound");
inline const QString kWordOrder = QStringLiteral("word_order");

// Creates the newest structure and stores its version, as one transaction, in an open database that
// holds none of it. Raises Exception naming the failure.
void create(QSqlDatabase &db);

// The version stored in an open database; 0 for one that holds no Spelldeck tables.
int version(QSqlDatabase &db);

// Brings an open database of an older version up to kVersion, one version at a time, each step in a
// transaction of its own: a failure leaves the database at the last version reached. Returns the
// version the database had. A newer version than kVersion is left alone. Raises EDatabaseError with
// the provider's text and cause.
int upgrade(QSqlDatabase &db);

// The server's roles: a teacher may change the lists and keep results; a learner may read the lists and
// add results, and nothing else. Granted to the people's own login roles by the server's
// administrator ("grant spelldeck_learner to pupil1").
inline constexpr auto kTeacherRole = "spelldeck_teacher";
inline constexpr auto kLearnerRole = "spelldeck_learner";

// On a server: both roles made when missing, and granted what they may do on every table of the
// newest version, in one transaction. Raises EDatabaseError with the server's text (a login that may
// not make roles, for one).
void grantRoles(QSqlDatabase &db);

} // namespace Schema
