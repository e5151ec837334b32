// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The store's statements on a database of 10,000 lists and a list of 10,000 words.
#include "Bench.h"

#include "Catalogue.h"
#include "Dataset.h"
#include "uDM.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    BenchDatabase data;
    TDM dm;

    measure(QStringLiteral("open the connection"), 50, [&] { dm.ADOConn.open(); });

    Query query(dm.ADOConn);
    measure(QStringLiteral("ListLists (10,000 rows) opened and walked"), 30, [&] {
        query.close();
        query.setSQL(Catalogue::ListLists());
        query.open();
        for (; !query.eof(); query.next()) {
            query.fieldByName(QStringLiteral("type_id"));
            query.fieldByName(QStringLiteral("type_name"));
        }
    });
    measure(QStringLiteral("ListWords (10,000 rows) opened and walked"), 30, [&] {
        query.close();
        query.setSQL(Catalogue::ListWords(data.bigListId));
        query.open();
        for (; !query.eof(); query.next()) {
            query.fieldByName(QStringLiteral("word_id"));
            query.fieldByName(QStringLiteral("word_name"));
            query.fieldByName(QStringLiteral("word_sound"));
            query.recNo();
        }
    });
    int order = 10000;
    measure(QStringLiteral("InsertWord and its id read back"), 50, [&] {
        dm.qry.setSQL(
            Catalogue::InsertWord(QStringLiteral("new"), QStringLiteral("new.mp3"), data.bigListId, ++order));
        dm.qry.execSQL();
        (void)dm.qry.lastInsertId();
    });
    int step = 0;
    measure(QStringLiteral("one move (two SetWordOrder in one transaction)"), 50, [&] {
        const int a = 5000 + (step++ % 2);
        Transaction transaction(dm.ADOConn);
        query.setSQL(Catalogue::SetWordOrder(a + 1, QString::number(a)));
        query.execSQL();
        query.setSQL(Catalogue::SetWordOrder(a, QString::number(a + 1)));
        query.execSQL();
        transaction.commit();
    });
    return 0;
}
