// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Report.h"

#include "ResultStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHash>
#include <QLocale>

#include <algorithm>
#include <limits>
#include <map>

namespace Report {
namespace {

qint64 number(const DataSet &row, const char *column)
{
    return row.fieldByName(QString::fromLatin1(column)).toLongLong();
}

void open(Query &query, const Catalogue::Results::Bound &statement)
{
    query.setSQL(statement.text);
    query.setValues(statement.values);
    query.open();
}

qint64 startOfDay(const QDate &day)
{
    return day.startOfDay().toMSecsSinceEpoch();
}

QList<Test> loadTests(ResultStore &store, const Filter &filter)
{
    Query query(store.connection());
    open(query, Catalogue::Results::TestsOf(filter));
    QList<Test> tests;
    tests.reserve(query.recordCount());
    for (; !query.eof(); query.next()) {
        Test test;
        test.testId = query.fieldByName(QStringLiteral("test_id"));
        test.learnerId = number(query, "learner_id");
        test.learnerName = query.fieldByName(QStringLiteral("learner_name"));
        test.listName = query.fieldByName(QStringLiteral("type_name"));
        test.practice = number(query, "practice") != 0;
        test.startedAt = number(query, "started_at");
        test.outcome = query.fieldByName(QStringLiteral("outcome"));
        test.ended = !test.outcome.isEmpty();
        test.endedAt = test.ended ? number(query, "ended_at") : number(query, "last_answer");
        test.passes = test.ended ? int(number(query, "passes")) : int(number(query, "last_pass"));
        test.asked = int(number(query, "asked"));
        test.rightFirst = int(number(query, "right_first"));
        tests << test;
    }
    return tests;
}

QList<Word> loadWords(ResultStore &store, const Filter &filter)
{
    Query query(store.connection());
    open(query, Catalogue::Results::WordsOf(filter));
    QList<Word> words;
    words.reserve(query.recordCount());
    QHash<QString, qsizetype> index;
    for (; !query.eof(); query.next()) {
        Word word;
        word.word = query.fieldByName(QStringLiteral("word_name"));
        word.asked = int(number(query, "asked"));
        word.missed = int(number(query, "missed"));
        word.misses = int(number(query, "misses"));
        word.lastMissed = number(query, "last_missed");
        index.insert(word.word, words.size());
        words << word;
    }
    open(query, Catalogue::Results::MisspellingsOf(filter));
    for (; !query.eof(); query.next()) {
        const auto found = index.constFind(query.fieldByName(QStringLiteral("word_name")));
        if (found == index.cend())
            continue;
        words[*found].misspellings << Misspelling{query.fieldByName(QStringLiteral("typed")),
                                                  int(number(query, "times")),
                                                  int(number(query, "learners"))};
    }
    return words;
}

QList<Point> chartPoints(const QList<Test> &tests, bool oneLearner)
{
    QList<Point> points;
    if (oneLearner) {
        for (const Test &test : tests) {
            if (const auto score = test.score())
                points << Point{test.startedAt, *score, 1};
        }
        return points;
    }
    // Thirty learners' tests in one line would be unreadable: a day's tests share one point.
    std::map<QDate, std::pair<qint64, int>> days; // sum of scores, tests
    for (const Test &test : tests) {
        if (const auto score = test.score()) {
            auto &day = days[QDateTime::fromMSecsSinceEpoch(test.startedAt).date()];
            day.first += *score;
            ++day.second;
        }
    }
    for (const auto &[day, sum] : days)
        points << Point{day.startOfDay().addSecs(12 * 3600).toMSecsSinceEpoch(),
                        int((sum.first + sum.second / 2) / sum.second), sum.second};
    return points;
}

} // namespace

Filter period(qint64 learnerId, qint64 typeId, const QDate &first, const QDate &last)
{
    return {learnerId, typeId, startOfDay(first), startOfDay(last.addDays(1))};
}

std::optional<int> Test::score() const
{
    if (asked == 0)
        return std::nullopt;
    return int((rightFirst * 100 + asked / 2) / asked);
}

std::optional<int> Test::passesNeeded() const
{
    if (outcome == QLatin1String("finished"))
        return passes;
    return std::nullopt;
}

Figures load(ResultStore &store, const Filter &filter)
{
    Figures figures;
    if (!store.hasResults())
        return figures;
    figures.tests = loadTests(store, filter);
    figures.words = loadWords(store, filter);
    figures.points = chartPoints(figures.tests, filter.learnerId != 0);
    return figures;
}

QList<ListRef> lists(ResultStore &store, const Filter &filter)
{
    QList<ListRef> result;
    if (!store.hasResults())
        return result;
    Query query(store.connection());
    open(query, Catalogue::Results::ListsOf(filter));
    QHash<qint64, std::pair<qint64, QString>> newest; // list -> newest answer, name then
    for (; !query.eof(); query.next()) {
        const qint64 id = number(query, "type_id");
        const qint64 at = number(query, "newest");
        auto found = newest.find(id);
        if (found == newest.end() || found->first < at)
            newest.insert(id, {at, query.fieldByName(QStringLiteral("type_name"))});
    }
    for (auto it = newest.cbegin(); it != newest.cend(); ++it)
        result << ListRef{it.key(), it->second};
    std::sort(result.begin(), result.end(), [](const ListRef &a, const ListRef &b) {
        const int names = QString::localeAwareCompare(a.typeName, b.typeName);
        return names != 0 ? names < 0 : a.typeId < b.typeId;
    });
    return result;
}

std::optional<QDate> firstDay(ResultStore &store, const Filter &filter)
{
    if (!store.hasResults())
        return std::nullopt;
    Query query(store.connection());
    open(query, Catalogue::Results::FirstAnswerOf(filter));
    const QString first = query.fieldByName(QStringLiteral("first_at"));
    if (first.isEmpty())
        return std::nullopt;
    return QDateTime::fromMSecsSinceEpoch(first.toLongLong()).date();
}

QString scoreText(const Test &test)
{
    const auto score = test.score();
    if (!score)
        return QCoreApplication::translate("Report", "none asked");
    return QCoreApplication::translate("Report", "%1 of %2 (%3%)")
        .arg(test.rightFirst)
        .arg(test.asked)
        .arg(*score);
}

QString durationText(qint64 ms)
{
    const qint64 seconds = (ms + 500) / 1000;
    if (seconds < 60)
        return QCoreApplication::translate("Report", "%1 s").arg(seconds);
    return QCoreApplication::translate("Report", "%1 min %2 s")
        .arg(seconds / 60)
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString timeText(qint64 ms)
{
    return QLocale().toString(QDateTime::fromMSecsSinceEpoch(ms), QLocale::ShortFormat);
}

} // namespace Report
