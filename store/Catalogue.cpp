// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Catalogue.h"

#include "Dataset.h"
#include "Exceptions.h"
#include "Schema.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

namespace Catalogue {
namespace {

// Only an identifier made of decimal digits may reach a statement text.
const QString &identifier(const QString &id)
{
    const bool digits = !id.isEmpty() && std::all_of(id.cbegin(), id.cend(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    if (!digits)
        throw EDatabaseError(
            QCoreApplication::translate("Catalogue", "\"%1\" is not a valid record identifier").arg(id));
    return id;
}

} // namespace

QString escaped(const QString &value)
{
    return QString(value).replace(QLatin1Char('\''), QStringLiteral("''"));
}

QString ListLists()
{
    return QStringLiteral("select * from d_type");
}

QString DeleteList(const QString &typeId)
{
    return QStringLiteral("delete from d_type where type_id = ") + identifier(typeId);
}

QString RenameList(const QString &name, const QString &typeId)
{
    return QStringLiteral("update d_type set type_name ='") + escaped(name) +
           QStringLiteral("' where type_id = ") + identifier(typeId);
}

QString ListWords(const QString &typeId)
{
    return QStringLiteral("select * from d_word where type_id =") + identifier(typeId) +
           QStringLiteral(" order by word_order");
}

QString InsertWord(const QString &word, const QString &sound, const QString &typeId, qint32 order)
{
    return QStringLiteral("insert into d_word(word_name, word_sound, type_id, word_order) values(") +
           QLatin1Char('\'') + escaped(word) + QStringLiteral("',") + QLatin1Char('\'') + escaped(sound) +
           QStringLiteral("',") + identifier(typeId) + QLatin1Char(',') + QString::number(order) +
           QLatin1Char(')');
}

QString UpdateWord(const QString &word, const QString &sound, const QString &wordId)
{
    return QStringLiteral("update d_word set word_name ='") + escaped(word) +
           QStringLiteral("', word_sound='") + escaped(sound) + QStringLiteral("' where word_id=") +
           identifier(wordId);
}

QString DeleteWord(const QString &wordId)
{
    return QStringLiteral("delete from d_word where word_id = ") + identifier(wordId);
}

QString SetWordOrder(qint32 order, const QString &wordId)
{
    return QStringLiteral("update d_word set word_order = ") + QString::number(order) +
           QStringLiteral(" where word_id = ") + identifier(wordId);
}

QString AppendList(Table &tblType, const QString &name)
{
    tblType.close();
    tblType.setTableName(Schema::kTypeTable);
    tblType.open();
    tblType.append();
    tblType.setFieldValue(Schema::kTypeName, name);
    tblType.post();
    tblType.last();
    return tblType.fieldByName(Schema::kTypeId);
}

namespace Results {
namespace {

// The rows a filter covers in the table of `alias` ("a" for d_answer, "t" for d_test), timed by its
// column `time`, as a where clause; `extra` conditions come after.
Bound filterWhere(const Filter &filter, const QString &alias, const QString &time, const QStringList &extra)
{
    const QString prefix = alias + QLatin1Char('.');
    QStringList conditions{prefix + time + QStringLiteral(" >= ?"), prefix + time + QStringLiteral(" < ?")};
    QVariantList values{filter.from, filter.to};
    if (filter.learnerId != 0) {
        conditions << prefix + QStringLiteral("learner_id = ?");
        values << filter.learnerId;
    }
    if (filter.typeId != 0) {
        conditions << prefix + QStringLiteral("type_id = ?");
        values << filter.typeId;
    }
    conditions << extra;
    return {QStringLiteral(" where ") + conditions.join(QStringLiteral(" and ")), values};
}

// The answers a filter covers, as the where clause of a select on d_answer a.
Bound answersWhere(const Filter &filter, const QStringList &extra = {})
{
    return filterWhere(filter, QStringLiteral("a"), QStringLiteral("answered_at"), extra);
}

// The tests a filter covers, as the where clause of a select on d_test t.
Bound testsWhere(const Filter &filter, const QStringList &extra = {})
{
    return filterWhere(filter, QStringLiteral("t"), QStringLiteral("started_at"), extra);
}

// The answers of the practices of every list, the only tests without a list of their own.
const QString kOfPracticesOfEveryList =
    QStringLiteral("a.test_id in (select test_id from d_test where type_id is null)");

} // namespace

QString ListLearners()
{
    return QStringLiteral("select learner_id, learner_name, learner_account from d_learner"
                          " order by learner_name, learner_id");
}

QString AddLearner()
{
    return QStringLiteral("insert into d_learner(learner_name, learner_account) values(?, ?)");
}

QString FindAccountLearner()
{
    return QStringLiteral("select learner_id, learner_name from d_learner where learner_account = ?");
}

QString RenameLearner()
{
    return QStringLiteral("update d_learner set learner_name = ? where learner_id = ?");
}

QStringList RemoveLearner()
{
    return {QStringLiteral("delete from d_answer where learner_id = ?"),
            QStringLiteral("delete from d_test_end where test_id in"
                           " (select test_id from d_test where learner_id = ?)"),
            QStringLiteral("delete from d_test where learner_id = ?"),
            QStringLiteral("delete from d_learner where learner_id = ?")};
}

QString InsertTest()
{
    return QStringLiteral("insert into d_test(test_id, learner_id, type_id, type_name, practice, started_at)"
                          " values(?, ?, ?, ?, ?, ?)");
}

QString InsertTestEnd()
{
    return QStringLiteral("insert into d_test_end(test_id, ended_at, outcome, passes) values(?, ?, ?, ?)");
}

QString InsertAnswer()
{
    return QStringLiteral("insert into d_answer(answer_id, test_id, learner_id, type_id, type_name, word_id,"
                          " word_name, typed, correct, pass, answered_at, think_ms, plays)"
                          " values(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
}

Bound TestsOf(const Filter &filter)
{
    const Bound where = testsWhere(filter);
    return {QStringLiteral("select t.test_id, t.learner_id, l.learner_name, t.type_name, t.practice,"
                           " t.started_at, e.ended_at, e.outcome, e.passes,"
                           " sum(case when a.pass = 1 then 1 else 0 end) as asked,"
                           " sum(case when a.pass = 1 and a.correct = 1 then 1 else 0 end) as right_first,"
                           " max(a.answered_at) as last_answer, max(a.pass) as last_pass"
                           " from d_test t"
                           " left join d_test_end e on e.test_id = t.test_id"
                           " left join d_learner l on l.learner_id = t.learner_id"
                           " left join d_answer a on a.test_id = t.test_id") +
                // Each test has one learner and at most one end: grouped by them too, as the server
                // wants every column named.
                where.text +
                QStringLiteral(" group by t.test_id, l.learner_name, e.ended_at, e.outcome, e.passes"
                               " order by t.started_at, t.test_id"),
            where.values};
}

Bound WordsOf(const Filter &filter)
{
    const Bound where = answersWhere(filter);
    return {QStringLiteral("select a.word_name,"
                           " sum(case when a.pass = 1 then 1 else 0 end) as asked,"
                           " sum(case when a.pass = 1 and a.correct = 0 then 1 else 0 end) as missed,"
                           " sum(1 - a.correct) as misses,"
                           " max(case when a.correct = 0 then a.answered_at end) as last_missed"
                           " from d_answer a") +
                where.text +
                QStringLiteral(" group by a.word_name order by missed desc, misses desc, a.word_name"),
            where.values};
}

Bound MisspellingsOf(const Filter &filter)
{
    const Bound where = answersWhere(filter, {QStringLiteral("a.correct = 0")});
    return {QStringLiteral("select a.word_name, a.typed, count(*) as times,"
                           " count(distinct a.learner_id) as learners from d_answer a") +
                where.text +
                QStringLiteral(" group by a.word_name, a.typed order by a.word_name, times desc, a.typed"),
            where.values};
}

Bound AnswersOf(const Filter &filter)
{
    const Bound where = answersWhere(filter);
    return {QStringLiteral("select a.answer_id, a.test_id, l.learner_name, a.type_id, a.type_name, a.word_id,"
                           " a.word_name, a.typed, a.correct, a.pass, a.answered_at, a.think_ms, a.plays"
                           " from d_answer a left join d_learner l on l.learner_id = a.learner_id") +
                where.text + QStringLiteral(" order by a.answered_at, a.answer_id"),
            where.values};
}

Bound AnswerCountOf(const Filter &filter)
{
    const Bound where = answersWhere(filter);
    return {QStringLiteral("select count(*) as answers from d_answer a") + where.text, where.values};
}

Bound ListsOf(const Filter &filter)
{
    // The tests name their lists; only a practice of every list takes each answer's own. Read from the
    // tests, not from every answer, so that a year of a class's results lists at once.
    Filter everyList = filter;
    everyList.typeId = 0;
    const Bound tests = testsWhere(everyList, {QStringLiteral("t.type_id is not null")});
    const Bound answers = answersWhere(everyList, {kOfPracticesOfEveryList});
    return {
        QStringLiteral("select t.type_id, t.type_name, max(t.started_at) as newest from d_test t") +
            tests.text +
            QStringLiteral(" group by t.type_id, t.type_name"
                           " union all"
                           " select a.type_id, a.type_name, max(a.answered_at) as newest from d_answer a") +
            answers.text + QStringLiteral(" group by a.type_id, a.type_name"),
        tests.values + answers.values};
}

Bound FirstAnswerOf(const Filter &filter)
{
    // From the tests, which are few, save a practice of every list, whose answers carry their lists.
    Filter always = filter;
    always.from = 0;
    always.to = std::numeric_limits<qint64>::max();
    const Bound tests = testsWhere(always, {QStringLiteral("t.type_id is not null")});
    const Bound answers = answersWhere(always, {kOfPracticesOfEveryList});
    return {QStringLiteral("select min(first_at) as first_at from"
                           " (select min(t.started_at) as first_at from d_test t") +
                tests.text + QStringLiteral(" union all select min(a.answered_at) from d_answer a") +
                answers.text + QStringLiteral(") firsts"),
            tests.values + answers.values};
}

Bound FirstTriesOf(qint64 learnerId, qint64 typeId)
{
    QString text = QStringLiteral("select a.word_id, w.type_id, a.correct, a.answered_at from d_answer a"
                                  " join d_word w on w.word_id = a.word_id"
                                  " where a.learner_id = ? and a.pass = 1");
    QVariantList values{learnerId};
    if (typeId != 0) {
        text += QStringLiteral(" and w.type_id = ?");
        values << typeId;
    }
    return {text + QStringLiteral(" order by a.word_id, a.answered_at"), values};
}

Bound WordsWithIds(const QList<qint64> &ids)
{
    QStringList marks(ids.size(), QStringLiteral("?"));
    QVariantList values;
    for (const qint64 id : ids)
        values << id;
    return {QStringLiteral("select w.*, t.type_name from d_word w join d_type t on t.type_id = w.type_id"
                           " where w.word_id in (") +
                marks.join(QStringLiteral(", ")) + QLatin1Char(')'),
            values};
}

} // namespace Results

namespace Sentences {

QString OfList()
{
    return QStringLiteral("select s.word_id, s.sentence from d_sentence s"
                          " join d_word w on w.word_id = s.word_id where w.type_id = ?");
}

QString Set()
{
    return QStringLiteral("insert into d_sentence(word_id, sentence) values(?, ?)"
                          " on conflict (word_id) do update set sentence = excluded.sentence");
}

QString Remove()
{
    return QStringLiteral("delete from d_sentence where word_id = ?");
}

} // namespace Sentences

} // namespace Catalogue
