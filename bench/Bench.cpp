// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Bench.h"

#include "DatabaseTool.h"
#include "Schema.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUuid>

BenchDatabase::BenchDatabase() : previous(QDir::currentPath())
{
    folder = QDir::temp().filePath(QStringLiteral("spelldeck-bench-") +
                                   QUuid::createUuid().toString(QUuid::Id128));
    const QString file = folder + QLatin1Char('/') + QString::fromLatin1(Schema::kDatabasePath);
    DatabaseTool::createDatabase(file, false);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-fill"));
        db.setDatabaseName(file);
        db.open();
        QSqlQuery query(db);
        query.exec(QStringLiteral("begin"));
        query.prepare(QStringLiteral("insert into d_type(type_name) values(?)"));
        for (int i = 1; i <= 10000; ++i) {
            query.addBindValue(QStringLiteral("List number %1").arg(i));
            query.exec();
        }
        bigListId = QStringLiteral("1");
        query.prepare(QStringLiteral(
            "insert into d_word(word_name, word_sound, type_id, word_order) values(?, ?, 1, ?)"));
        for (int i = 1; i <= 10000; ++i) {
            query.addBindValue(QStringLiteral("word%1").arg(i));
            query.addBindValue(QStringLiteral("data/sounds/word%1.mp3").arg(i));
            query.addBindValue(i);
            query.exec();
        }
        query.exec(QStringLiteral("commit"));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench-fill"));
    QDir::setCurrent(folder);
}

BenchDatabase::~BenchDatabase()
{
    QDir::setCurrent(previous);
    QDir(folder).removeRecursively();
}
