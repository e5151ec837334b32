// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ResultStore.h"
#include "ResultsFixture.h"
#include "ScriptedToolkit.h"
#include "TestDatabase.h"
#include "TestMain.h"
#include "Widgets.h"
#include "uResults.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTableView>

#include <ctime>

namespace {

// What a table shows, a row per line, cells joined by "|"; hidden columns left out.
QStringList shown(const QWidget *form, const char *table)
{
    auto *view = child<QTableView>(form, table);
    const QAbstractItemModel *model = view->model();
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column) {
            if (!view->isColumnHidden(column))
                cells << model->index(row, column).data().toString();
        }
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

const QString kAna = QStringLiteral("Zoë \"Z\" O'Hara");

struct Fixture
{
    ScriptedToolkit boxes;
    TestDatabase db;
    ResultStore store;
    Learner ana;
    Learner ben;

    Fixture()
    {
        if (store.prepare())
            qFatal("cannot keep results in the test database");
        ana = store.addLearner(kAna);
        ben = store.addLearner(QStringLiteral("Ben"));
        PastTests past(store);
        const ListRef week1{1, QStringLiteral("Week 1")};
        const ListRef week2{2, QStringLiteral("Week 2")};
        past.add(ana.id, week1, {2026, 11, 2}, 10, "apple house=hose green=gren | house=huose green | house");
        past.add(ana.id, week1, {2026, 11, 9}, 10, "apple house=ho\"u,se green", TestOutcome::Declined);
        past.add(ana.id, week2, {2026, 11, 10}, 10, "their there");
        past.add(ben.id, week1, {2026, 11, 3}, 11, "apple=appel house green=gren", TestOutcome::Closed);
    }

    std::unique_ptr<TfrmResults> open(qint64 learnerId)
    {
        auto form = std::make_unique<TfrmResults>(nullptr, store, learnerId);
        form->show();
        return form;
    }

    int answersOf(const Learner &learner)
    {
        return db.scalar(QStringLiteral("select count(*) from d_answer where learner_id = ?"), {learner.id})
            .toInt();
    }
};

} // namespace

class TestResultsWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void figuresOfOneLearner();
    void filters_data();
    void filters();
    void renameAndRemove();
    void csvExport();
    void printedReport_data();
    void printedReport();
};

void TestResultsWindow::initTestCase()
{
    // The fixture's hours, the times shown and the UTC times exported line up.
    qputenv("TZ", "UTC");
    tzset();
}

void TestResultsWindow::figuresOfOneLearner()
{
    Fixture f;
    const auto form = f.open(f.ana.id);
    QCOMPARE(child<QComboBox>(form.get(), "cmbLearner")->currentText(), kAna);
    QCOMPARE(child<QDateEdit>(form.get(), "edtFrom")->date(), QDate(2026, 11, 2)); // the first test
    QCOMPARE(shown(form.get(), "tblTests"),
             (QStringList{"2 Nov 2026 10:00:00|Week 1|1 of 3 (33%)|3|1 min 35 s",
                          "9 Nov 2026 10:00:00|Week 1|2 of 3 (67%)|left early|50 s",
                          "10 Nov 2026 10:00:00|Week 2|2 of 2 (100%)|1|35 s"}));
    // The misspellings of every pass, most frequent first, then in alphabetical order.
    QCOMPARE(shown(form.get(), "tblWords"),
             (QStringList{"house|2|2|100%|9 Nov 2026 10:00:30|ho\"u,se, hose, huose",
                          "green|2|1|50%|2 Nov 2026 10:00:45|gren", "apple|2|0|0%||", "their|1|0|0%||",
                          "there|1|0|0%||"}));
    // The chart's points, also as a table for those who cannot see it.
    QCOMPARE(shown(form.get(), "tblChart"), (QStringList{"2 Nov 2026 10:00:00|33%", "9 Nov 2026 10:00:00|67%",
                                                         "10 Nov 2026 10:00:00|100%"}));
    QCOMPARE(
        child<QLabel>(form.get(), "lblSummary")->text(),
        QStringLiteral("3 tests, 67% right at the first try on average; 5 words asked, 2 of them missed at "
                       "least once."));
    // Everyone's: the same misspelling by two learners counts twice.
    auto *learners = child<QComboBox>(form.get(), "cmbLearner");
    learners->setCurrentIndex(learners->findText(QStringLiteral("All learners")));
    QCOMPARE(shown(form.get(), "tblWords").mid(0, 2),
             (QStringList{"house|3|2|67%|9 Nov 2026 10:00:30|ho\"u,se, hose, huose",
                          "green|3|2|67%|3 Nov 2026 11:00:45|gren (2 times)"}));
}

void TestResultsWindow::filters_data()
{
    QTest::addColumn<QString>("learner");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QStringList>("tests");
    QTest::addColumn<QString>("summary");
    const QDate first(2026, 11, 2);
    const QDate last(2026, 12, 31);
    QTest::newRow("one list") << kAna << "Week 2" << first << last
                              << QStringList{"10 Nov 2026 10:00:00|Week 2|2 of 2 (100%)|1|35 s"}
                              << "One test, 100% right at the first try; 2 words asked, 0 of them missed at "
                                 "least once.";
    QTest::newRow("one week") << kAna << "All lists" << QDate(2026, 11, 5) << QDate(2026, 11, 9)
                              << QStringList{"9 Nov 2026 10:00:00|Week 1|2 of 3 (67%)|left early|50 s"}
                              << "One test, 67% right at the first try; 3 words asked, 1 of them missed at "
                                 "least once.";
    QTest::newRow("no test") << kAna << "All lists" << QDate(2026, 11, 11) << last << QStringList{}
                             << "No test in this period.";
    QTest::newRow("every learner")
        << "All learners"
        << "Week 1" << first << last
        << QStringList{"2 Nov 2026 10:00:00|" + kAna + "|Week 1|1 of 3 (33%)|3|1 min 35 s",
                       "3 Nov 2026 11:00:00|Ben|Week 1|1 of 3 (33%)|left early|50 s",
                       "9 Nov 2026 10:00:00|" + kAna + "|Week 1|2 of 3 (67%)|left early|50 s"}
        << "3 tests, 44% right at the first try on average; 3 words asked, 3 of them missed at least once.";
}

void TestResultsWindow::filters()
{
    QFETCH(QString, learner);
    QFETCH(QString, list);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QStringList, tests);
    QFETCH(QString, summary);
    Fixture f;
    const auto form = f.open(f.ana.id);
    auto *learners = child<QComboBox>(form.get(), "cmbLearner");
    learners->setCurrentIndex(learners->findText(learner));
    auto *lists = child<QComboBox>(form.get(), "cmbList");
    lists->setCurrentIndex(lists->findText(list));
    child<QDateEdit>(form.get(), "edtFrom")->setDate(from);
    child<QDateEdit>(form.get(), "edtTo")->setDate(to);
    QCOMPARE(shown(form.get(), "tblTests"), tests);
    QCOMPARE(child<QLabel>(form.get(), "lblSummary")->text(), summary);
    // Nothing to export or print without a test.
    QCOMPARE(child<QWidget>(form.get(), "btnExport")->isEnabled(), !tests.isEmpty());
    QCOMPARE(child<QWidget>(form.get(), "btnPdf")->isEnabled(), !tests.isEmpty());
}

void TestResultsWindow::renameAndRemove()
{
    Fixture f;
    const auto form = f.open(f.ana.id);
    auto *learners = child<QComboBox>(form.get(), "cmbLearner");

    f.boxes.answerInput(QStringLiteral("Ben"));
    QVERIFY(press(form.get(), "btnRename"));
    QCOMPARE(f.boxes.errors(), QStringList{"There is a learner named \"Ben\" already."});
    QCOMPARE(f.boxes.boxes(ScriptedToolkit::Input).constFirst().initial, kAna);

    const QString renamed = QStringLiteral("Zoë \"Zee\" O'Hara-Smith");
    f.boxes.answerInput(renamed);
    QVERIFY(press(form.get(), "btnRename"));
    QCOMPARE(learners->currentText(), renamed);
    QCOMPARE(f.db.column(QStringLiteral("select learner_name from d_learner order by learner_id")),
             (QStringList{renamed, "Ben"}));

    // Answered No, nothing goes.
    QVERIFY(press(form.get(), "btnRemove"));
    QCOMPARE(f.answersOf(f.ana), 11);
    f.boxes.clear();
    f.boxes.answerQuestion(true);
    QVERIFY(press(form.get(), "btnRemove"));
    const ScriptedToolkit::Box question = f.boxes.boxes().constFirst();
    QCOMPARE(question.caption, QStringLiteral("Confirm Deletion"));
    QCOMPARE(question.text,
             QStringLiteral("Remove the learner \"Zoë \"Zee\" O'Hara-Smith\" and every result of "
                            "theirs? This cannot be undone."));
    QCOMPARE(f.answersOf(f.ana), 0);
    QCOMPARE(f.db.scalar(QStringLiteral("select count(*) from d_test where learner_id = ?"), {f.ana.id}),
             QStringLiteral("0"));
    QCOMPARE(f.db.scalar(QStringLiteral("select count(*) from d_test_end e where not exists (select 1 from "
                                        "d_test t where t.test_id = e.test_id)")),
             QStringLiteral("0"));
    // The other learner's rows are as they were.
    QCOMPARE(f.answersOf(f.ben), 3);
    QCOMPARE(f.db.column(QStringLiteral("select learner_name from d_learner")), QStringList{"Ben"});
    QCOMPARE(learners->currentText(), QStringLiteral("All learners"));
    QVERIFY(!child<QWidget>(form.get(), "btnRemove")->isEnabled());
}

void TestResultsWindow::csvExport()
{
    Fixture f;
    const auto form = f.open(f.ana.id);
    const QString path = f.db.folder() + QStringLiteral("/results, \"week\".csv");
    f.boxes.answerSaveFile(path);
    QVERIFY(press(form.get(), "btnExport"));
    QCOMPARE(f.boxes.boxes(ScriptedToolkit::Information).constFirst().text,
             QStringLiteral("11 answers were exported to %1.").arg(path));

    const QByteArray csv = contents(path);
    QVERIFY(csv.startsWith("\xEF\xBB\xBF")); // UTF-8, said so for spreadsheets
    QStringList lines = QString::fromUtf8(csv.mid(3)).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.takeLast(), QString()); // every record ends with CRLF
    QCOMPARE(lines.size(), 12);
    // Every field quoted, quotes doubled.
    QCOMPARE(lines.constFirst(), QStringLiteral("\"answer_id\",\"test_id\",\"learner\",\"list_id\",\"list\","
                                                "\"word_id\",\"word\",\"typed\",\"right\",\"pass\","
                                                "\"answered_utc\",\"think_ms\",\"plays\""));
    // The ids made on the computer: a fresh one for each answer, one for each test.
    const QRegularExpression ids(QStringLiteral("^\"([0-9a-f-]{36})\",\"([0-9a-f-]{36})\",(.*)$"));
    QStringList rest;
    QSet<QString> answerIds;
    QSet<QString> testIds;
    for (const QString &line : lines.mid(1)) {
        const QRegularExpressionMatch match = ids.match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line));
        answerIds << match.captured(1);
        testIds << match.captured(2);
        rest << match.captured(3);
    }
    QCOMPARE(answerIds.size(), 11);
    QCOMPARE(testIds.size(), 3);
    const QString ana = QStringLiteral("\"Zoë \"\"Z\"\" O'Hara\"");
    QCOMPARE(rest.mid(6, 3),
             (QStringList{ana + ",\"1\",\"Week 1\",\"900\",\"apple\",\"apple\",\"1\",\"1\","
                                "\"2026-11-09T10:00:15.000Z\",\"15000\",\"0\"",
                          ana + ",\"1\",\"Week 1\",\"900\",\"house\",\"ho\"\"u,se\",\"0\",\"1\","
                                "\"2026-11-09T10:00:30.000Z\",\"15000\",\"0\"",
                          ana + ",\"1\",\"Week 1\",\"900\",\"green\",\"green\",\"1\",\"1\","
                                "\"2026-11-09T10:00:45.000Z\",\"15000\",\"0\""}));
}

void TestResultsWindow::printedReport_data()
{
    QTest::addColumn<QString>("learner");
    QTest::addColumn<int>("pages");
    QTest::newRow("one learner") << kAna << 1;
    QTest::newRow("a page for each learner") << "All learners" << 2;
}

void TestResultsWindow::printedReport()
{
    QFETCH(QString, learner);
    QFETCH(int, pages);
    Fixture f;
    const auto form = f.open(f.ana.id);
    auto *learners = child<QComboBox>(form.get(), "cmbLearner");
    learners->setCurrentIndex(learners->findText(learner));
    const QString path = f.db.folder() + QStringLiteral("/report.pdf");
    f.boxes.answerSaveFile(path);
    QVERIFY(press(form.get(), "btnPdf"));
    QCOMPARE(f.boxes.boxes(ScriptedToolkit::Information).constFirst().text,
             QStringLiteral("The report was saved to %1.").arg(path));
    const QByteArray pdf = contents(path);
    QVERIFY(pdf.startsWith("%PDF-"));
    // Each page object says "/Type /Page"; the page tree says "/Type /Pages".
    QCOMPARE(int(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)")))),
             pages);
}

SPELLDECK_TEST_MAIN(TestResultsWindow)
#include "tst_resultswindow.moc"
