// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LearnerMenu.h"
#include "ResultStore.h"
#include "ResultsFixture.h"
#include "ScriptedToolkit.h"
#include "TestDatabase.h"
#include "TestMain.h"
#include "TestTaker.h"
#include "Widgets.h"
#include "uDM.h"
#include "uMain.h"
#include "uSelected.h"

#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QSettings>
#include <QTimer>
#include <QToolButton>

namespace {

QString fixture(const QString &name)
{
    return QStringLiteral(SPELLDECK_FIXTURES "/") + name;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// A file of the version before results were kept, as the 1.0.0 tool made it, with recordings that play.
void useVersion1File(TestDatabase &db)
{
    db.replaceWith(fixture(QStringLiteral("schema/version1.db")));
    db.exec(QStringLiteral("update d_word set word_sound = ?"), {fixture(QStringLiteral("cat.mp3"))});
}

QToolButton *learnerButton(const QWidget *main)
{
    return child<QToolButton>(main, "btnLearner");
}

// Opens the learner menu with a click, as a user does, and clicks its entry `entry`; with no entry it
// only reads the menu and closes it. Gives the entries as shown: "*" before the checked one, "(off)"
// after a disabled one, "-" for a separator.
QStringList useMenu(const QWidget *main, const QString &entry = {})
{
    QStringList shown;
    bool opened = false;
    QTimer::singleShot(0, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        opened = true;
        QAction *chosen = nullptr;
        for (QAction *action : menu->actions()) {
            if (action->isSeparator()) {
                shown << QStringLiteral("-");
                continue;
            }
            shown << (action->isChecked() ? QStringLiteral("* ") : QString()) + action->text() +
                         (action->isEnabled() ? QString() : QStringLiteral(" (off)"));
            if (action->text() == entry)
                chosen = action;
        }
        if (chosen)
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(chosen).center());
        else
            menu->close();
    });
    QTest::mouseClick(learnerButton(main), Qt::LeftButton);
    if (!opened)
        QTest::qFail("the learner button opened no menu", __FILE__, __LINE__);
    return shown;
}

// The list window's answer when a test is asked for: the list named `name`, opened.
std::function<bool(QWidget *)> openList(const QString &name)
{
    return [name](QWidget *modal) {
        if (!qobject_cast<TfrmSelected *>(modal))
            return false;
        auto *lists = child<QListWidget>(modal, "lstWord");
        const QList<QListWidgetItem *> found = lists->findItems(name, Qt::MatchExactly);
        if (found.isEmpty()) {
            press(modal, "btnClose");
            return true;
        }
        clickRow(lists, lists->row(found.constFirst()));
        press(modal, "btnOpen");
        return true;
    };
}

QString answersSql()
{
    return QStringLiteral("select l.learner_name, a.type_id, a.type_name, a.word_name, a.typed, a.correct, "
                          "a.pass, a.plays from d_answer a join d_learner l using (learner_id) "
                          "order by a.answered_at, a.") +
           TestDatabase::rowOrder();
}

// Every message shown so far, in order.
QStringList told(const ScriptedToolkit &boxes)
{
    QStringList texts;
    for (const ScriptedToolkit::Box &box : boxes.boxes())
        texts << box.text;
    return texts;
}

const QString kAgain = QStringLiteral("Do you want to try the ones you missed over again?");

// What the test window says at its end.
QString finished(int errors)
{
    return errors == 0
               ? QStringLiteral("You have finished all your words!\n\rYou didn't miss ANY words at all!")
               : QStringLiteral("You have finished all your words!\n\rYou made %1 errors.").arg(errors);
}

} // namespace

class TestLearners : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void buttonInTheTopPanel();
    void menuEntries();
    void nobodyLeavesTheFileAsItWas();
    void newLearnerUpgradesAndKeepsEachAnswer();
    void fileThatCannotKeepResults_data();
    void fileThatCannotKeepResults();
    void lockedWhileAnswering_data();
    void lockedWhileAnswering();
    void practiseTheWordsDue();
    void accountChosenForEveryone();
    void killedTestKeepsItsAnswers();
};

void TestLearners::init()
{
    QSettings().clear();
}

void TestLearners::buttonInTheTopPanel()
{
    TestDatabase db;
    TfrmMain main;
    QToolButton *button = learnerButton(&main);
    QCOMPARE(button->parentWidget()->objectName(), QStringLiteral("sPanel1"));
    QCOMPARE(button->geometry(), QRect(186, 5, 146, 22));
    // In the panel's free corner: clear of the title, the version label and the panel's frame.
    QVERIFY(!button->geometry().intersects(child<QLabel>(&main, "Label1")->geometry()));
    QVERIFY(!button->geometry().intersects(child<QLabel>(&main, "sLabel1")->geometry()));
    QVERIFY(button->parentWidget()->contentsRect().contains(button->geometry()));
    QCOMPARE(button->text(), QStringLiteral("Nobody"));
    QVERIFY(!button->icon().isNull());
    QCOMPARE(button->accessibleName(), QStringLiteral("Learner"));
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(button);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Learner"));
    QCOMPARE(accessible->text(QAccessible::Description), QStringLiteral("Results are not kept."));
    // After Exit, last of the window's tab stops.
    QCOMPARE(nextTabStop(child<QWidget>(&main, "sBitBtn2")), button);
    QCOMPARE(nextTabStop(button), child<QWidget>(&main, "btnTest"));
}

void TestLearners::menuEntries()
{
    TestDatabase db;
    {
        ResultStore store;
        QCOMPARE(store.prepare(), std::nullopt);
        store.addLearner(QStringLiteral("Zoë \"Z\" O'Hara"));
        store.addLearner(QStringLiteral("李小龍"));
        store.accountLearner(QStringLiteral("pupil7"), QStringLiteral("Ada Lovelace"));
        store.addLearner(QStringLiteral("Ben & Jo"));
    }
    TfrmMain main;
    // The account's learner is "the person logged in", not a name of the list.
    QCOMPARE(useMenu(&main), (QStringList{"* Nobody (results not kept)", "Ben && Jo", "Zoë \"Z\" O'Hara",
                                          "李小龍", "-", "New learner...", "The person logged in", "-",
                                          "Results...", "Practise the words due... (off)"}));
    useMenu(&main, QStringLiteral("Zoë \"Z\" O'Hara"));
    QCOMPARE(learnerButton(&main)->text(), QStringLiteral("Zoë \"Z\" O'Hara"));
    QCOMPARE(useMenu(&main), (QStringList{"Nobody (results not kept)", "Ben && Jo", "* Zoë \"Z\" O'Hara",
                                          "李小龍", "-", "New learner...", "The person logged in", "-",
                                          "Results...", "Practise the words due..."}));
    // The choice is remembered for the next start.
    TfrmMain again;
    QCOMPARE(learnerButton(&again)->text(), QStringLiteral("Zoë \"Z\" O'Hara"));
    useMenu(&again, QStringLiteral("Ben && Jo"));
    QCOMPARE(learnerButton(&again)->text(), QStringLiteral("Ben && Jo")); // shown as "Ben & Jo"
}

void TestLearners::nobodyLeavesTheFileAsItWas()
{
    SKIP_ON_SERVER("an older version's, byte for byte");
    TestDatabase db;
    useVersion1File(db);
    const QByteArray before = contents(db.databaseFile());
    QVERIFY(!before.isEmpty());
    ScriptedToolkit boxes;
    TDM dm;
    {
        TfrmMain main;
        main.show();
        // Looking at the menu reads the learners of a file that has none, and changes nothing.
        QCOMPARE(useMenu(&main).constFirst(), QStringLiteral("* Nobody (results not kept)"));
        TestTaker learner({"apple", "hous", "green"}, openList(QStringLiteral("Week 1")));
        press(&main, "btnTest");
        QCOMPARE(learner.steps.size(), 3);
        QCOMPARE(learner.corrections.size(), 1);
    }
    QCOMPARE(told(boxes), (QStringList{finished(1), kAgain}));
    QVERIFY(contents(db.databaseFile()) == before);
}

void TestLearners::newLearnerUpgradesAndKeepsEachAnswer()
{
    SKIP_ON_SERVER("an older version's");
    TestDatabase db;
    useVersion1File(db);
    ScriptedToolkit boxes;
    TDM dm;
    const QString name = QStringLiteral("Ana \"Nana\" O'Neil, 小明");
    TfrmMain main;
    main.show();
    boxes.answerInput(name);
    useMenu(&main, QStringLiteral("New learner..."));
    QCOMPARE(db.scalar(QStringLiteral("pragma user_version")), QStringLiteral("4"));
    // The lists are as they were.
    QCOMPARE(db.rows(QStringLiteral("select type_id, type_name from d_type order by type_id")),
             (QStringList{"1|Week 1", "2|Pupils' own words"}));
    QCOMPARE(db.column(QStringLiteral("select word_name from d_word order by word_id")),
             (QStringList{"apple", "house", "green", "their", "crème brûlée"}));
    // Cut to the button's width, whole in its tip and in the menu.
    QCOMPARE(learnerButton(&main)->text(), QStringLiteral("Ana \"Nana\" O'…"));
    QCOMPARE(learnerButton(&main)->toolTip(),
             QStringLiteral("Results are kept for Ana \"Nana\" O'Neil, 小明."));
    QCOMPARE(useMenu(&main).at(1), QStringLiteral("* Ana \"Nana\" O'Neil, 小明"));

    // Each answer is in the file by the time the next word is presented.
    QStringList storedAtEachWord;
    QStringList storedAtEachCorrection;
    boxes.answerQuestion(true); // a second pass over the missed word
    TestTaker learner({"apple", "hous", "green", "house"}, openList(QStringLiteral("Week 1")));
    learner.atEachWord = [&](TfrmTest *) {
        storedAtEachWord << db.scalar(QStringLiteral("select count(*) from d_answer"));
    };
    learner.atEachCorrection = [&](TfrmCorrect *) {
        storedAtEachCorrection << db.column(
                                        QStringLiteral("select typed from d_answer order by answered_at, ") +
                                        TestDatabase::rowOrder())
                                      .join(QLatin1Char(','));
    };
    press(&main, "btnTest");
    QCOMPARE(learner.unused(), 0);
    QCOMPARE(storedAtEachWord, (QStringList{"0", "1", "2", "3"}));
    // The miss is kept before its correction shows.
    QCOMPARE(storedAtEachCorrection, QStringList{"apple,hous"});
    QCOMPARE(db.rows(answersSql()),
             (QStringList{name + "|1|Week 1|apple|apple|1|1|0", name + "|1|Week 1|house|hous|0|1|0",
                          name + "|1|Week 1|green|green|1|1|0", name + "|1|Week 1|house|house|1|2|0"}));
    QCOMPARE(db.rows(QStringLiteral("select t.type_id, t.type_name, t.practice, e.outcome, e.passes "
                                    "from d_test t join d_test_end e using (test_id)")),
             QStringList{"1|Week 1|0|finished|2"});
    QCOMPARE(db.scalar(QStringLiteral("select learner_name from d_learner")), name);
    QCOMPARE(told(boxes), (QStringList{"Name of the new learner:", finished(1), kAgain, finished(0)}));
}

void TestLearners::fileThatCannotKeepResults_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("message");
    QTest::newRow("read-only") << "read-only"
                               << "Results are not kept: the database cannot be written (attempt to write a "
                                  "readonly database). The word lists can be used as always.";
    QTest::newRow("newer version") << "newer"
                                   << "This database was made by a newer version of Spelldeck, so this one "
                                      "keeps no results in it. The word lists can be used as always.";
}

void TestLearners::fileThatCannotKeepResults()
{
    QFETCH(QString, file);
    QFETCH(QString, message);
    SKIP_ON_SERVER("a newer or read-only one");
    TestDatabase db;
    db.addWord(db.addList(QStringLiteral("Week 2")), QStringLiteral("cat"),
               fixture(QStringLiteral("cat.mp3")), 1);
    Learner ana;
    {
        ResultStore store;
        QCOMPARE(store.prepare(), std::nullopt);
        ana = store.addLearner(QStringLiteral("Ana"));
    }
    LearnerChoice::person(ana).save();
    if (file == QLatin1String("newer"))
        db.exec(QStringLiteral("pragma user_version = 5"));
    else if (!db.setReadOnly(true))
        QSKIP(qPrintable(db.readOnlyProblem()));
    const QByteArray before = contents(db.databaseFile());

    ScriptedToolkit boxes;
    TDM dm;
    TfrmMain main;
    main.show();
    for (int test = 0; test < 2; ++test) {
        TestTaker learner({"cat"}, openList(QStringLiteral("Week 2")));
        press(&main, "btnTest");
        QCOMPARE(learner.steps.size(), 1); // the test runs all the same
    }
    // Told once a run, not at every test.
    QCOMPARE(told(boxes), (QStringList{message, finished(0), finished(0)}));
    QVERIFY(contents(db.databaseFile()) == before);
}

void TestLearners::lockedWhileAnswering_data()
{
    QTest::addColumn<int>("releasedAtWord"); // 0: held until the test is over
    QTest::addColumn<QStringList>("storedAtEachWord");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("unkept");
    QTest::newRow("released before the next answer")
        << 3 << QStringList{"0", "1", "1"} << QStringList{"apple", "house", "green"} << QStringList{};
    QTest::newRow("held past the end")
        << 0 << QStringList{"0", "1", "1"} << QStringList{"apple"}
        << QStringList{"2 answers of this test could not be kept: database is locked"};
}

void TestLearners::lockedWhileAnswering()
{
    SKIP_ON_SERVER("locked by another program");
    QFETCH(int, releasedAtWord);
    QFETCH(QStringList, storedAtEachWord);
    QFETCH(QStringList, stored);
    QFETCH(QStringList, unkept);
    TestDatabase db;
    const QString list = db.addList(QStringLiteral("Week 3"));
    int order = 0;
    for (const char *word : {"apple", "house", "green"})
        db.addWord(list, QString::fromLatin1(word), fixture(QStringLiteral("cat.mp3")), ++order);
    {
        ResultStore store;
        QCOMPARE(store.prepare(), std::nullopt);
        LearnerChoice::person(store.addLearner(QStringLiteral("Ana"))).save();
    }
    ScriptedToolkit boxes;
    TDM dm;
    TfrmMain main;
    main.show();
    // Another program takes the file while the second word is on screen.
    TestTaker learner({"apple", "house", "green"}, openList(QStringLiteral("Week 3")));
    QStringList counted;
    int word = 0;
    learner.atEachWord = [&](TfrmTest *) {
        ++word;
        if (word == releasedAtWord)
            db.exec(QStringLiteral("commit"));
        counted << db.scalar(QStringLiteral("select count(*) from d_answer"));
        if (word == 2)
            db.exec(QStringLiteral("begin exclusive"));
    };
    press(&main, "btnTest");
    if (releasedAtWord == 0)
        db.exec(QStringLiteral("commit"));
    QCOMPARE(counted, storedAtEachWord);
    QCOMPARE(db.column(QStringLiteral("select typed from d_answer order by answered_at, ") +
                       TestDatabase::rowOrder()),
             stored);
    QCOMPARE(told(boxes), QStringList{finished(0)} + unkept);
}

void TestLearners::practiseTheWordsDue()
{
    TestDatabase db;
    const QString week1 = db.addList(QStringLiteral("Week 1"));
    const QString week2 = db.addList(QStringLiteral("Week 2"));
    QHash<QString, QString> ids;
    for (const char *word : {"apple", "house", "green"})
        ids.insert(QString::fromLatin1(word),
                   db.addWord(week1, QString::fromLatin1(word), fixture(QStringLiteral("cat.mp3")), 1));
    for (const char *word : {"their", "there"})
        ids.insert(QString::fromLatin1(word),
                   db.addWord(week2, QString::fromLatin1(word), fixture(QStringLiteral("cat.mp3")), 1));
    Learner ana;
    const QDate today = QDate::currentDate();
    {
        ResultStore store;
        QCOMPARE(store.prepare(), std::nullopt);
        ana = store.addLearner(QStringLiteral("Ana"));
        const Learner ben = store.addLearner(QStringLiteral("Ben"));
        PastTests past(store);
        // A miss puts a word in box 1 and a right first try moves it up a box, each due a day later the
        // first time: "house" is three days overdue, "green" one day and "their" due today; "apple" and
        // "there", right today, are not due yet.
        const ListRef w1{week1.toLongLong(), QStringLiteral("Week 1")};
        const ListRef w2{week2.toLongLong(), QStringLiteral("Week 2")};
        past.add(ana.id, w1, today.addDays(-4), 9, "apple house=hose green", TestOutcome::Declined, ids);
        past.add(ana.id, w1, today.addDays(-2), 9, "green=gren", TestOutcome::Declined, ids);
        past.add(ana.id, w1, today, 0, "apple", TestOutcome::Finished, ids);
        past.add(ana.id, w2, today.addDays(-1), 9, "their=thier", TestOutcome::Declined, ids);
        past.add(ana.id, w2, today, 0, "there", TestOutcome::Finished, ids);
        // Another learner's misses are not Ana's to practise.
        past.add(ben.id, w2, today.addDays(-9), 9, "there=ther", TestOutcome::Declined, ids);
    }
    LearnerChoice::person(ana).save();

    ScriptedToolkit boxes;
    TDM dm;
    TfrmMain main;
    main.show();
    QStringList offered;
    TestTaker learner({"house", "grene", "their"}, [&](QWidget *modal) {
        auto *list = modal->findChild<QComboBox *>(QStringLiteral("cmbList"));
        if (!list || modal->metaObject()->className() != QByteArray("TfrmPractice"))
            return false;
        for (int i = 0; i < list->count(); ++i)
            offered << list->itemText(i);
        press(modal, "btnPractise"); // every list, the first choice
        return true;
    });
    QStringList asked;
    learner.atEachWord = [&](TfrmTest *test) {
        asked << test->currentWord()->Name + " " + child<QLabel>(test, "lblState")->text();
    };
    useMenu(&main, QStringLiteral("Practise the words due..."));
    QCOMPARE(offered, (QStringList{"Every list (3 due)", "Week 1 (2 due)", "Week 2 (1 due)"}));
    QCOMPARE(asked, (QStringList{"house Word 1 of 3", "green Word 2 of 3", "their Word 3 of 3"}));
    QCOMPARE(learner.corrections.size(), 1);
    QCOMPARE(db.rows(QStringLiteral("select a.type_name, a.typed, a.correct from d_answer a join d_test t "
                                    "using (test_id) where t.practice = 1 order by a.answered_at, a.") +
                     TestDatabase::rowOrder()),
             (QStringList{"Week 1|house|1", "Week 1|grene|0", "Week 2|their|1"}));
    QCOMPARE(db.rows(QStringLiteral("select type_id, type_name, learner_id from d_test where practice = 1")),
             (QStringList{QStringLiteral("|every list|%1").arg(ana.id)}));
}

void TestLearners::accountChosenForEveryone()
{
    TestDatabase db;
    db.addWord(db.addList(QStringLiteral("Week 4")), QStringLiteral("cat"),
               fixture(QStringLiteral("cat.mp3")), 1);
    LearnerChoice::account().save();
    ScriptedToolkit boxes;
    TDM dm;
    QWidget window;
    auto *panel = new QWidget(&window);
    panel->setGeometry(0, 0, 338, 52);
    LearnerMenu menu(
        panel, QRect(186, 5, 146, 22), [] { return QPoint(); },
        Account{QStringLiteral("pupil7"), QStringLiteral("Ada Lovelace")});
    QCOMPARE(menu.button()->text(), QStringLiteral("Ada Lovelace"));
    QCOMPARE(menu.button()->toolTip(), QStringLiteral("Results are kept for Ada Lovelace."));
    {
        TestTaker learner({"cat"}, openList(QStringLiteral("Week 4")));
        const std::unique_ptr<AnswerLog> log =
            menu.testLog(TTypeData{db.scalar("select type_id from d_type"), QStringLiteral("Week 4")});
        QVERIFY(log);
        ShowSpelldeck(db.scalar("select type_id from d_type"), QStringLiteral("Week 4"), 0, 0, log.get());
        menu.testOver(log.get());
    }
    QCOMPARE(db.rows(QStringLiteral("select learner_name, learner_account from d_learner")),
             QStringList{"Ada Lovelace|pupil7"});
    QCOMPARE(db.rows(QStringLiteral("select l.learner_account, a.typed from d_answer a join d_learner l "
                                    "using (learner_id)")),
             QStringList{"pupil7|cat"});
    QCOMPARE(told(boxes), QStringList{finished(0)});
}

void TestLearners::killedTestKeepsItsAnswers()
{
    TestDatabase db;
    const QString list = db.addList(QStringLiteral("Week 5"));
    int order = 0;
    for (const char *word : {"apple", "house", "green"})
        db.addWord(list, QString::fromLatin1(word), fixture(QStringLiteral("cat.mp3")), ++order);
    Learner ana;
    {
        ResultStore store;
        QCOMPARE(store.prepare(), std::nullopt);
        ana = store.addLearner(QStringLiteral("Ana"));
    }
    QProcess answering;
    answering.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    answering.setWorkingDirectory(db.folder());
    answering.start(QStringLiteral(SPELLDECK_ANSWERING),
                    {QString::number(ana.id), list, QStringLiteral("Week 5"), QStringLiteral("apple"),
                     QStringLiteral("hous")});
    QVERIFY(answering.waitForStarted());
    // It says when its answers are checked and the third word waits for the learner.
    QByteArray said;
    while (!said.contains("waiting") && answering.waitForReadyRead(20000))
        said += answering.readAllStandardOutput();
    QVERIFY2(said.contains("waiting"), qPrintable(QStringLiteral("said \"%1\", ended with %2")
                                                      .arg(QString::fromUtf8(said))
                                                      .arg(answering.exitCode())));
    answering.kill();
    QVERIFY(answering.waitForFinished());
    QCOMPARE(answering.exitStatus(), QProcess::CrashExit);

    QCOMPARE(db.rows(QStringLiteral("select word_name, typed, correct, pass from d_answer order by "
                                    "answered_at, ") +
                     TestDatabase::rowOrder()),
             (QStringList{"apple|apple|1|1", "house|hous|0|1"}));
    QCOMPARE(db.scalar(QStringLiteral("select count(*) from d_test")), QStringLiteral("1"));
    QCOMPARE(db.scalar(QStringLiteral("select count(*) from d_test_end")), QStringLiteral("0"));
    if (!TestDatabase::onServer())
        QCOMPARE(db.scalar(QStringLiteral("pragma integrity_check")), QStringLiteral("ok"));
}

SPELLDECK_TEST_MAIN(TestLearners)
#include "tst_learners.moc"
