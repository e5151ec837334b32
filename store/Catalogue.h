// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

class Table;

// Every statement the program sends. Text values are spliced between single quotes with each
// quote doubled; identifiers and positions must be decimal digits, or the statement is refused.
namespace Catalogue {

QString ListLists();
QString DeleteList(const QString &typeId);
QString RenameList(const QString &name, const QString &typeId);
QString ListWords(const QString &typeId);
QString InsertWord(const QString &word, const QString &sound, const QString &typeId, qint32 order);
QString UpdateWord(const QString &word, const QString &sound, const QString &wordId);
QString DeleteWord(const QString &wordId);
QString SetWordOrder(qint32 order, const QString &wordId);

// Stores a list named `name` through the table component on d_type and returns its type_id.
QString AppendList(Table &tblType, const QString &name);

// `value` with every single quote doubled, for a place between single quotes.
QString escaped(const QString &value);

// Results: learners, tests and answers. Values travel bound to the "?" places, in the order the
// comment gives; rows are only ever added, except when a learner is renamed or removed.
namespace Results {

// learner_id, learner_name, learner_account, by name.
QString ListLearners();
// (name, account or NULL)
QString AddLearner();
// (account) -> learner_id, learner_name
QString FindAccountLearner();
// (name, learner_id)
QString RenameLearner();
// Each runs with (learner_id); together, in this order and in one transaction, they remove a learner
// and every row of theirs.
QStringList RemoveLearner();

// (test_id, learner_id, type_id or NULL, type_name, practice, started_at)
QString InsertTest();
// (test_id, ended_at, outcome, passes)
QString InsertTestEnd();
// (answer_id, test_id, learner_id, type_id, type_name, word_id, word_name, typed, correct, pass,
//  answered_at, think_ms, plays)
QString InsertAnswer();

// Which results a report covers; an unset learner or list means all of them. Times are milliseconds
// since 1970 in UTC, `to` not included.
struct Filter
{
    qint64 learnerId = 0; // 0: every learner
    qint64 typeId = 0;    // 0: every list
    qint64 from = 0;
    qint64 to = 0;
};

// A statement with the values for its places.
struct Bound
{
    QString text;
    QVariantList values;
};

// One row per test: test_id, learner_id, learner_name, type_name, practice, started_at, ended_at,
// outcome, passes, asked (first pass), right_first, last_answer, last_pass; by start.
Bound TestsOf(const Filter &filter);
// One row per word as asked: word_name, asked (first tries), missed (first tries), misses (every
// pass), last_missed; most missed first.
Bound WordsOf(const Filter &filter);
// One row per word and misspelling: word_name, typed, times, learners; most frequent first.
Bound MisspellingsOf(const Filter &filter);
// Every answer, oldest first: answer_id, test_id, learner_name, type_id, type_name, word_id,
// word_name, typed, correct, pass, answered_at, think_ms, plays.
Bound AnswersOf(const Filter &filter);
// How many answers the filter covers: answers.
Bound AnswerCountOf(const Filter &filter);
// The lists that results were kept for under each name they had: type_id, type_name, newest (when
// that name was last used).
Bound ListsOf(const Filter &filter);
// The first answer's time, for the start of a report's period: one row, NULL when there is none.
Bound FirstAnswerOf(const Filter &filter);
// The first try of each word in each test of a learner (pass 1) that its list still holds: word_id,
// type_id (its list now), correct, answered_at, by word and time. With a list, only that list's words.
Bound FirstTriesOf(qint64 learnerId, qint64 typeId);
// The words with these ids as the test window reads them, with their list: every column of d_word and
// type_name, in the order given by ids.
Bound WordsWithIds(const QList<qint64> &ids);

} // namespace Results

// Sentences of words, kept apart from the words' rows. Values travel bound to the "?" places.
namespace Sentences {

// (type_id) -> word_id, sentence: the sentences of one list's words.
QString OfList();
// (word_id, sentence): the word's sentence, set or replaced.
QString Set();
// (word_id)
QString Remove();

} // namespace Sentences

} // namespace Catalogue
