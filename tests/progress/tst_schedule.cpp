// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// When a word is due again: the box its first tries put it in, the day that box makes it due, and the
// order a practice asks the words due.
#include "Schedule.h"

#include <QDateTime>
#include <QTest>

using namespace Schedule;

namespace {

const QDate kToday(2026, 12, 10);

// A first try `daysAgo` days before today, in the morning or the evening, local time.
qint64 daysAgo(int days, int hour = 9)
{
    return QDateTime(kToday.addDays(-days), QTime(hour, 0)).toMSecsSinceEpoch();
}

// "r" right, "m" missed, each with its days ago: "r10 r8 m4".
QList<FirstTry> tries(qint64 wordId, const QString &history)
{
    QList<FirstTry> result;
    for (const QString &step : history.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        result << FirstTry{wordId, step.startsWith(QLatin1Char('r')), daysAgo(step.mid(1).toInt())};
    return result;
}

} // namespace

class TestSchedule : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void boxAndDay_data();
    void boxAndDay();
    void mostOverdueFirst();
};

void TestSchedule::boxAndDay_data()
{
    QTest::addColumn<QString>("history");
    QTest::addColumn<int>("box");
    QTest::addColumn<QDate>("due");
    QTest::addColumn<bool>("dueToday");
    QTest::newRow("missed yesterday") << "m1" << 1 << QDate(2026, 12, 10) << true;
    QTest::newRow("right yesterday") << "r1" << 1 << QDate(2026, 12, 10) << true;
    QTest::newRow("right today") << "r0" << 1 << QDate(2026, 12, 11) << false;
    QTest::newRow("right twice, last yesterday") << "r2 r1" << 2 << QDate(2026, 12, 11) << false;
    QTest::newRow("right twice, last two days ago") << "r5 r2" << 2 << QDate(2026, 12, 10) << true;
    QTest::newRow("third box, four days") << "r10 r8 r4" << 3 << QDate(2026, 12, 10) << true;
    QTest::newRow("fourth box, seven days") << "r20 r18 r14 r6" << 4 << QDate(2026, 12, 11) << false;
    QTest::newRow("fifth box, fourteen days") << "r40 r38 r34 r30 r14" << 5 << QDate(2026, 12, 10) << true;
    QTest::newRow("sixth box, thirty days") << "r90 r88 r84 r80 r70 r29" << 6 << QDate(2026, 12, 11) << false;
    QTest::newRow("seventh box, sixty days")
        << "r200 r198 r194 r190 r180 r160 r60" << 7 << QDate(2026, 12, 10) << true;
    QTest::newRow("no box above the seventh")
        << "r300 r298 r294 r290 r280 r260 r200 r30" << 7 << QDate(2027, 1, 9) << false;
    QTest::newRow("a miss sends it back to the first box")
        << "r20 r18 r14 m3" << 1 << QDate(2026, 12, 8) << true;
    QTest::newRow("and it climbs again from there") << "r20 m14 r10" << 2 << QDate(2026, 12, 2) << true;
    // The box's days count calendar days: a try late in the evening is due the next morning.
    QTest::newRow("late yesterday evening") << "r1" << 1 << QDate(2026, 12, 10) << true;
}

void TestSchedule::boxAndDay()
{
    QFETCH(QString, history);
    QFETCH(int, box);
    QFETCH(QDate, due);
    QFETCH(bool, dueToday);
    QList<FirstTry> list = tries(7, history);
    if (QByteArray(QTest::currentDataTag()) == "late yesterday evening")
        list[0].at = daysAgo(1, 23);
    const QList<WordState> states = Schedule::states(list);
    QCOMPARE(states.size(), 1);
    QCOMPARE(states.constFirst().box, box);
    QCOMPARE(states.constFirst().due, due);
    QCOMPARE(Schedule::due(states, kToday).size(), dueToday ? 1 : 0);
}

void TestSchedule::mostOverdueFirst()
{
    QList<FirstTry> all;
    all << tries(1, "r3");       // due two days ago
    all << tries(2, "m9");       // due eight days ago
    all << tries(3, "r0");       // not due
    all << tries(4, "r12 r10");  // due eight days ago, its try older than word 2's
    all << tries(5, "r4 r3 m1"); // due today
    const QList<WordState> due = Schedule::due(Schedule::states(all), kToday);
    QList<qint64> order;
    for (const WordState &word : due)
        order << word.wordId;
    QCOMPARE(order, (QList<qint64>{4, 2, 1, 5}));

    // A practice asks twenty at most: the most overdue.
    QList<FirstTry> many;
    for (int word = 1; word <= 30; ++word)
        many << tries(word, QStringLiteral("m%1").arg(40 - word));
    const QList<WordState> twenty = Schedule::due(Schedule::states(many), kToday);
    QCOMPARE(twenty.size(), 20);
    QCOMPARE(twenty.constFirst().wordId, 1);
    QCOMPARE(twenty.constLast().wordId, 20);
}

QTEST_GUILESS_MAIN(TestSchedule)
#include "tst_schedule.moc"
