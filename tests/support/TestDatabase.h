// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantList>

#include <memory>

class Connection;

// Leaves a case about the database file itself (an older version's file, a read-only or locked one)
// out of the run on a server, which has no such file.
#define SKIP_ON_SERVER(what)                                                                                 \
    do {                                                                                                     \
        if (TestDatabase::onServer())                                                                        \
            QSKIP("a case of the database file (" what "); a server has none");                              \
    } while (false)

// A fresh database made with the project's own tool in a temporary folder, with that folder as the
// current directory for as long as the object lives (the program opens data/data.db from there).
//
// Run with SPELLDECK_TEST_BACKEND=server, the database is a fresh one on the test server whose socket
// folder SPELLDECK_TEST_SERVER names (scripts/test-server.sh), with a settings file naming it where the
// program looks for one; the program opens the server instead of the file. Without that server the
// process ends as skipped (exit code 77).
class TestDatabase
{
public:
    enum Content
    {
        Empty,
        Demo
    };
    explicit TestDatabase(Content content = Empty);
    ~TestDatabase();

    QString folder() const { return m_dir.path(); }
    // The file; on a server there is none, and a test that needs one skips.
    QString databaseFile() const;
    static bool onServer();
    // The hidden column that orders a table's rows as they were added: rowid on the file, ctid on
    // a server (rows that are never changed stay where they were written).
    // What the provider says when the program changes `table` and may not: the file is read-only, the
    // server's login a learner's.
    static QString readOnlyText(const QString &table)
    {
        return onServer() ? QStringLiteral("permission denied for table ") + table
                          : QStringLiteral("attempt to write a readonly database");
    }
    static QString rowOrder() { return onServer() ? QStringLiteral("ctid") : QStringLiteral("rowid"); }

    // Direct access that bypasses the program's data module, to set up and check what is stored.
    void exec(const QString &sql, const QVariantList &values = {});
    // The first column of every row, as text.
    QStringList column(const QString &sql, const QVariantList &values = {});
    // Every row, columns joined by "|".
    QStringList rows(const QString &sql, const QVariantList &values = {});
    QString scalar(const QString &sql, const QVariantList &values = {});

    // Makes the database refuse `event` ("insert", "delete", "update of word_order") on `table` with
    // `message` as its own error, where `condition` holds (SQL on the row's new. or old. values that both
    // backends read alike; empty: always).
    void refuse(const QString &table, const QString &event, const QString &message,
                const QString &condition = QString());
    // Takes that refusal back.
    void allow(const QString &table);

    // Connects anew at the next statement: after the test's server was stopped and started again.
    void reconnect();

    // Puts a copy of `file` (a fixture) in place of the database made for the test.
    void replaceWith(const QString &file);

    // What a word saved with the sound file `path` stores: the path on the file; on a server the
    // recording's name, "recording:" and the SHA-256 of the file's bytes (a path that names no file
    // is stored as it is).
    static QString storedSound(const QString &path);

    QString addList(const QString &name);
    QString addWord(const QString &typeId, const QString &name, const QString &sound, int order);

    // Makes the database file read-only (or writable again) for this process; on a server, makes the
    // program's login a learner's, who may not change the lists (or a teacher's again). False when the
    // system would not do it: a test then skips, giving readOnlyProblem() as the reason.
    bool setReadOnly(bool readOnly);
    const QString &readOnlyProblem() const { return m_readOnlyProblem; }

private:
    QTemporaryDir m_dir;
    QString m_previousDir;
    std::unique_ptr<Connection> m_connection;
    QString m_serverDatabase;
    QString m_login; // the program's on the server
    QByteArray m_previousConfigDirs;
    bool m_readOnly = false;
    QString m_readOnlyProblem;
};
