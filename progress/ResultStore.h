// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Catalogue.h"
#include "Dataset.h"
#include "Learner.h"
#include "Schema.h"

#include <QList>
#include <QString>

#include <optional>

// A test's start as stored.
struct TestRow
{
    QString testId;
    qint64 learnerId = 0;
    qint64 typeId = 0; // 0: a practice over every list
    QString typeName;
    bool practice = false;
    qint64 startedAt = 0;
};

// One answer as stored: the texts of the list and the word as they were asked.
struct AnswerRow
{
    QString answerId;
    QString testId;
    qint64 learnerId = 0;
    qint64 typeId = 0;
    QString typeName;
    qint64 wordId = 0;
    QString wordName;
    QString typed;
    bool correct = false;
    int pass = 1;
    qint64 answeredAt = 0;
    qint64 thinkMs = 0;
    int plays = 0;
};

// The results kept in the word-list database. They travel on a connection of their own, which waits
// only briefly for a lock another program holds: a learner's answer may then wait for the next one,
// but the test never waits for the database. Nothing here runs until results are first asked for.
class ResultStore
{
public:
    // How long storing an answer waits for another program's lock, and how long the steps that may
    // wait (getting ready, the end of a test) do.
    static constexpr int kAnswerWaitMs = 100;
    static constexpr int kPatientWaitMs = 2000;

    // Waits the longer time for as long as it lives.
    class Patience
    {
    public:
        explicit Patience(Connection &connection);
        ~Patience();
        Patience(const Patience &) = delete;
        Patience &operator=(const Patience &) = delete;

    private:
        Connection &m_connection;
    };

    // The program's own database (the server its settings name, else the file), or the file at
    // `databasePath`.
    explicit ResultStore(const QString &databasePath = QString::fromLatin1(Schema::kDatabasePath));

    Connection &connection() { return m_connection; }

    // Whether the database holds results to read (it may be older, and hold none yet).
    bool hasResults();
    // Makes the database ready to keep results: an older one is upgraded, and writing is tried.
    // Nothing when it is ready; otherwise the reason results cannot be kept, for the user.
    std::optional<QString> prepare();

    // Every learner, by name; none while the database keeps no results.
    QList<Learner> learners();
    std::optional<Learner> learner(qint64 id);
    // Raises Exception with a message for the user for an empty name or one that another learner has.
    Learner addLearner(const QString &name);
    // The learner who stands for this computer account, made on first use under `name`.
    Learner accountLearner(const QString &login, const QString &name);
    void renameLearner(qint64 id, const QString &name);
    // The learner and every test and answer of theirs, in one transaction.
    void removeLearner(qint64 id);

    // Each in a transaction of its own; the test's start together with its first answer.
    void storeAnswer(const AnswerRow &answer, const TestRow *testStart);
    void storeTestEnd(const QString &testId, qint64 endedAt, const QString &outcome, int passes);

private:
    void checkName(const QString &name, qint64 except);
    void run(const QString &sql, const QVariantList &values);

    Connection m_connection;
    QString m_settingsProblem; // the program's server settings cannot be used: nothing is kept
};
