// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The test window driven as a learner uses it: the real test and correction windows, scripted message
// boxes, a fresh database per case.

#include "TestTaker.h"

#include "ErrorGuard.h"
#include "ScriptedToolkit.h"
#include "TestDatabase.h"
#include "TestMain.h"
#include "uDM.h"
#include "uTest.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <functional>
#include <memory>
#include <optional>

namespace {

using Answers = QList<std::optional<QString>>;

QString fixture(const QString &name)
{
    return QStringLiteral(SPELLDECK_FIXTURES "/") + name;
}

const QString kAllRight =
    QStringLiteral("You have finished all your words!\n\rYou didn't miss ANY words at all!");
QString madeErrors(int count)
{
    return QStringLiteral("You have finished all your words!\n\rYou made %1 errors.").arg(count);
}
const QString kAgain = QStringLiteral("Do you want to try the ones you missed over again?");

// The scripted boxes, noting which kind of window owned each question while it was asked.
class Boxes : public ScriptedToolkit
{
public:
    bool question(QWidget *owner, const QString &caption, const QString &text) override
    {
        questionOwners << QString::fromLatin1(owner ? owner->metaObject()->className() : "none");
        return ScriptedToolkit::question(owner, caption, text);
    }
    QStringList questionOwners;
};

// A database with one list, the data module on it and the scripted boxes.
struct Fixture
{
    explicit Fixture(const QList<std::pair<QString, QString>> &words, const QString &name = "Week 1")
    {
        listId = db.addList(name);
        int order = 0;
        for (const auto &[word, sound] : words)
            db.addWord(listId, word, sound, ++order);
    }

    // Runs the test as the main window's Test command would; the report catches what escapes. A
    // TestTaker made beforehand answers the windows.
    void run(int left = 100, int top = 60)
    {
        guarded([&] {
            ShowSpelldeck(listId, db.scalar("select type_name from d_type where type_id = ?", {listId}), left,
                          top);
        });
    }

    QStringList stored() { return db.rows("select * from d_word") + db.rows("select * from d_type"); }

    TestDatabase db;
    TDM dm;
    Boxes boxes;
    QString listId;
};

QStringList texts(const QList<ScriptedToolkit::Box> &boxes)
{
    QStringList result;
    for (const auto &box : boxes)
        result << box.text;
    return result;
}

QStringList states(const TestTaker &learner)
{
    QStringList result;
    for (const auto &step : learner.steps)
        result << step.state;
    return result;
}

} // namespace

class TestTestWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void defaultState();
    void allRightClosesWithoutQuestion();
    void missesThenYesAsksTheMissedWordsAgain();
    void noClosesAtOnce();
    void closeMidPass();
    void sameWordTwiceBothComeBack();
    void comparisonIsExact_data();
    void comparisonIsExact();
    void checkWordNeedsAnyCharacter_data();
    void checkWordNeedsAnyCharacter();
    void emptyListOpensNoWindow();
    void unplayableSounds_data();
    void unplayableSounds();
};

void TestTestWindow::cleanup()
{
    // Every window of a case is destroyed with it.
    for (QWidget *widget : QApplication::topLevelWidgets())
        QVERIFY2(!qobject_cast<TfrmTest *>(widget) && !qobject_cast<TfrmCorrect *>(widget),
                 qPrintable(widget->objectName()));
}

void TestTestWindow::defaultState()
{
    TfrmTest form;
    QCOMPARE(form.size(), QSize(714, 137));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(!(form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(form.windowModality(), Qt::ApplicationModal);
    QCOMPARE(form.font().pixelSize(), 13);

    const struct
    {
        const char *name;
        QRect geometry;
        const char *text;
        bool enabled;
    } buttons[] = {{"btnPlay", {8, 96, 89, 30}, "Play word", true},
                   {"btnCheck", {103, 96, 89, 30}, "Check word", false},
                   {"sButton3", {617, 96, 89, 30}, "Close", true}};
    for (const auto &expected : buttons) {
        auto *button = form.findChild<QPushButton *>(expected.name);
        QVERIFY2(button, expected.name);
        QCOMPARE(button->geometry(), expected.geometry);
        QCOMPARE(button->text(), QString::fromLatin1(expected.text));
        QCOMPARE(button->isEnabled(), expected.enabled);
        QVERIFY(!button->autoDefault() && !button->isDefault());
    }
    auto *edtWord = form.findChild<QLineEdit *>("edtWord");
    QCOMPARE(edtWord->geometry(), QRect(8, 40, 698, 50));
    form.ensurePolished();
    QCOMPARE(edtWord->font().pixelSize(), 35);
    QVERIFY(edtWord->text().isEmpty());
    QVERIFY(!edtWord->accessibleName().isEmpty());
    QCOMPARE(form.findChild<QLabel *>("lblState")->pos(), QPoint(8, 18));
    auto *mp = form.findChild<TMediaPlayer *>("mp");
    QCOMPARE(mp->geometry(), QRect(198, 96, 85, 30));

    // Tab order: the answer, Check word, Close, Play word.
    QCOMPARE(form.focusWidget(), edtWord);
    QWidget *expectedOrder[] = {form.findChild<QPushButton *>("btnCheck"),
                                form.findChild<QPushButton *>("sButton3"),
                                form.findChild<QPushButton *>("btnPlay")};
    QWidget *widget = edtWord;
    for (QWidget *next : expectedOrder) {
        do
            widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus);
        QCOMPARE(widget, next);
    }

    // Escape closes nothing; the window has no cancel button.
    form.show();
    QTest::keyClick(edtWord, Qt::Key_Escape);
    QVERIFY(form.isVisible());
    // Enter in the answer field checks nothing.
    edtWord->setText("x");
    QTest::keyClick(edtWord, Qt::Key_Return);
    QVERIFY(form.isVisible());
}

void TestTestWindow::allRightClosesWithoutQuestion()
{
    Fixture f(
        {{"cat", fixture("cat.mp3")}, {"house", fixture("house.mp3")}, {"sentence", fixture("sentence.mp3")}},
        "Week [*] 1");
    const QStringList before = f.stored();
    TestTaker learner({"cat", "house", "sentence"});
    f.run(123, 77);

    QCOMPARE(states(learner), (QStringList{"Word 1 of 3", "Word 2 of 3", "Word 3 of 3"}));
    QCOMPARE(learner.steps[0].played, fixture("cat.mp3"));
    QCOMPARE(learner.steps[1].played, fixture("house.mp3"));
    QCOMPARE(learner.steps[2].played, fixture("sentence.mp3"));
    for (const auto &step : learner.steps) {
        QVERIFY(step.focusInAnswer);
        QVERIFY(!step.checkEnabled);
        QCOMPARE(step.position, QPoint(123, 77));
        // "[*]" would otherwise vanish as Qt's modified marker.
        QCOMPARE(step.title, QStringLiteral("Test spelldeck - Week [*][*] 1"));
    }
    QVERIFY(learner.corrections.isEmpty());
    QCOMPARE(f.boxes.boxes().size(), 1);
    QCOMPARE(f.boxes.boxes().constFirst().kind, ScriptedToolkit::Information);
    // The application title: this program's file is tst_test.
    QCOMPARE(f.boxes.boxes().constFirst().caption, QStringLiteral("tst_test"));
    QCOMPARE(f.boxes.boxes().constFirst().text, kAllRight);
    // Nothing of a test is stored.
    QCOMPARE(f.stored(), before);
}

void TestTestWindow::missesThenYesAsksTheMissedWordsAgain()
{
    Fixture f(
        {{"cat", fixture("cat.mp3")}, {"house", fixture("house.mp3")}, {"sun", fixture("sentence.mp3")}});
    f.boxes.answerQuestion(true);
    f.boxes.answerQuestion(false);
    const QStringList before = f.stored();
    // Pass 1: two misses. Pass 2 (the two missed): one miss. Then No.
    TestTaker learner({"Cat", "house", "sun ", "cat", "sn"});
    f.run();

    QCOMPARE(states(learner),
             (QStringList{"Word 1 of 3", "Word 2 of 3", "Word 3 of 3", "Word 1 of 2", "Word 2 of 2"}));
    // The first missed word is played at once when the pass starts.
    QCOMPARE(learner.steps[3].played, fixture("cat.mp3"));
    QCOMPARE(learner.steps[4].played, fixture("sentence.mp3"));
    // The same records come back, in the order missed.
    QCOMPARE(learner.steps[3].record, learner.steps[0].record);
    QCOMPARE(learner.steps[4].record, learner.steps[2].record);
    for (const auto &step : learner.steps)
        QVERIFY(step.focusInAnswer);

    QCOMPARE(learner.corrections.size(), 3);
    const QStringList shown{learner.corrections[0].rightWord + "|" + learner.corrections[0].word,
                            learner.corrections[1].rightWord + "|" + learner.corrections[1].word,
                            learner.corrections[2].rightWord + "|" + learner.corrections[2].word};
    QCOMPARE(shown, (QStringList{"cat|Cat", "sun|sun ", "sun|sn"}));
    for (const auto &correction : learner.corrections)
        QVERIFY(correction.overTestWindow);

    // The count covers its own pass only.
    QCOMPARE(texts(f.boxes.boxes()), (QStringList{madeErrors(2), kAgain, madeErrors(1), kAgain}));
    const auto questions = f.boxes.boxes(ScriptedToolkit::Question);
    QCOMPARE(questions[0].caption, QStringLiteral("Spelldeck"));
    QCOMPARE(f.boxes.questionOwners, (QStringList{"TfrmTest", "TfrmTest"}));
    QCOMPARE(f.boxes.boxes(ScriptedToolkit::Information)[0].caption, QStringLiteral("tst_test"));
    QCOMPARE(learner.unused(), 0);
    QCOMPARE(f.stored(), before);
}

void TestTestWindow::noClosesAtOnce()
{
    Fixture f({{"cat", fixture("cat.mp3")}, {"house", fixture("house.mp3")}});
    f.boxes.answerQuestion(false);
    TestTaker learner({"cat", "hose", "never typed"});
    f.run();

    QCOMPARE(states(learner), (QStringList{"Word 1 of 2", "Word 2 of 2"}));
    QCOMPARE(texts(f.boxes.boxes()), (QStringList{madeErrors(1), kAgain}));
    QCOMPARE(learner.unused(), 1);
}

void TestTestWindow::closeMidPass()
{
    Fixture f({{"cat", fixture("cat.mp3")}, {"house", fixture("house.mp3")}, {"sun", fixture("cat.mp3")}});
    TestTaker learner({"dog", std::nullopt, "never typed"});
    f.run();

    QCOMPARE(states(learner), (QStringList{"Word 1 of 3", "Word 2 of 3"}));
    QCOMPARE(learner.corrections.size(), 1);
    QVERIFY(f.boxes.boxes().isEmpty());
    QCOMPARE(learner.unused(), 1);
}

void TestTestWindow::sameWordTwiceBothComeBack()
{
    Fixture f({{"the", fixture("cat.mp3")}, {"the", fixture("house.mp3")}});
    f.boxes.answerQuestion(true);
    TestTaker learner({"teh", "hte", "the", "the"});
    f.run();

    QCOMPARE(states(learner), (QStringList{"Word 1 of 2", "Word 2 of 2", "Word 1 of 2", "Word 2 of 2"}));
    QCOMPARE(learner.steps[2].record, learner.steps[0].record);
    QCOMPARE(learner.steps[3].record, learner.steps[1].record);
    QCOMPARE(learner.steps[3].played, fixture("house.mp3"));
    QCOMPARE(texts(f.boxes.boxes()), (QStringList{madeErrors(2), kAgain, kAllRight}));
}

void TestTestWindow::comparisonIsExact_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("right");

    const QString longWord = QString("abcdefghij").repeated(26); // 260 characters
    QTest::newRow("same") << "cat"
                          << "cat" << true;
    QTest::newRow("letter case") << "cat"
                                 << "Cat" << false;
    QTest::newRow("trailing blank") << "cat"
                                    << "cat " << false;
    QTest::newRow("leading blank") << "cat"
                                   << " cat" << false;
    QTest::newRow("a single blank") << "cat"
                                    << " " << false;
    QTest::newRow("blank for blank") << " "
                                     << " " << true;
    QTest::newRow("blanks inside, stored") << "ice  cream"
                                           << "ice  cream" << true;
    QTest::newRow("blanks inside, one fewer") << "ice  cream"
                                              << "ice cream" << false;
    QTest::newRow("quotes") << "don't \"say\""
                            << "don't \"say\"" << true;
    QTest::newRow("quote differs") << "don't"
                                   << "don’t" << false;
    QTest::newRow("non-ASCII") << "Straße"
                               << "Straße" << true;
    QTest::newRow("ß is not ss") << "Straße"
                                 << "Strasse" << false;
    QTest::newRow("composed for decomposed") << "caf\u00e9"
                                             << "cafe\u0301" << false;
    QTest::newRow("decomposed for decomposed") << "cafe\u0301"
                                               << "cafe\u0301" << true;
    QTest::newRow("emoji") << "cat 🐈"
                           << "cat 🐈" << true;
    QTest::newRow("emoji differs") << "cat 🐈"
                                   << "cat 🐱" << false;
    QTest::newRow("long") << longWord << longWord << true;
    QTest::newRow("long, last letter") << longWord << longWord.chopped(1) + "x" << false;
}

void TestTestWindow::comparisonIsExact()
{
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(bool, right);

    Fixture f({{stored, fixture("cat.mp3")}});
    TestTaker learner({typed});
    f.run();

    QCOMPARE(learner.steps.size(), 1);
    if (right) {
        QVERIFY(learner.corrections.isEmpty());
        QCOMPARE(texts(f.boxes.boxes()), QStringList{kAllRight});
    } else {
        // Shown exactly as stored and as typed.
        QCOMPARE(learner.corrections.size(), 1);
        QCOMPARE(learner.corrections[0].rightWord, stored);
        QCOMPARE(learner.corrections[0].word, typed);
        QCOMPARE(texts(f.boxes.boxes()), (QStringList{madeErrors(1), kAgain}));
    }
}

void TestTestWindow::checkWordNeedsAnyCharacter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("nothing") << "" << false;
    QTest::newRow("a blank") << " " << true;
    QTest::newRow("a letter") << "a" << true;
    QTest::newRow("a combining accent alone") << "\u0301" << true;
}

void TestTestWindow::checkWordNeedsAnyCharacter()
{
    QFETCH(QString, typed);
    QFETCH(bool, enabled);

    TfrmTest form;
    auto *edtWord = form.findChild<QLineEdit *>("edtWord");
    auto *btnCheck = form.findChild<QPushButton *>("btnCheck");
    form.show();
    edtWord->setFocus();
    QTest::keyClicks(edtWord, "x");
    QVERIFY(btnCheck->isEnabled());
    QTest::keyClick(edtWord, Qt::Key_Backspace);
    QVERIFY(!btnCheck->isEnabled());
    edtWord->insert(typed);
    QCOMPARE(btnCheck->isEnabled(), enabled);
}

void TestTestWindow::emptyListOpensNoWindow()
{
    Fixture f({});
    TestTaker learner({"anything"});
    f.run();

    QVERIFY(learner.steps.isEmpty());
    QCOMPARE(f.boxes.errors(), QStringList{"List index out of bounds (0)"});
    QCOMPARE(f.boxes.boxes().size(), 1);
}

void TestTestWindow::unplayableSounds_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QStringList>("errors");
    QTest::addColumn<QStringList>("presented");
    QTest::addColumn<QStringList>("played");

    const QString text = fixture("text.mp3");
    const QString random = fixture("random.mp3");
    const QString house = fixture("house.mp3");
    const QString cat = fixture("cat.mp3");
    const QString missing = fixture("no-such-recording.mp3");
    // The first word sounds before the window is shown; if it cannot, no window is shown at all.
    QTest::newRow("damaged first word opens no window")
        << text << house
        << QStringList{QStringLiteral("\"%1\" is not a sound file this program can play.").arg(text)}
        << QStringList() << QStringList();
    // Reported, and the window goes on with the new word presented.
    QTest::newRow("damaged later word is reported, the window stays")
        << cat << random
        << QStringList{QStringLiteral("\"%1\" is not a sound file this program can play.").arg(random)}
        << QStringList{"Word 1 of 2", "Word 2 of 2"} << QStringList{cat, random};
    // Silently unheard: nothing is reported.
    QTest::newRow("missing recording is presented silently")
        << missing << house << QStringList() << QStringList{"Word 1 of 2", "Word 2 of 2"}
        << QStringList{QString(), house};
}

void TestTestWindow::unplayableSounds()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QStringList, errors);
    QFETCH(QStringList, presented);
    QFETCH(QStringList, played);
    Fixture f({{"cat", first}, {"house", second}});
    TestTaker learner({"cat", "house"});
    f.run();

    QCOMPARE(f.boxes.errors(), errors);
    QCOMPARE(states(learner), presented);
    QStringList opened;
    for (const auto &step : learner.steps) {
        opened << step.played;
        // Check word waits for an answer, whatever happened to the sound.
        QVERIFY(!step.checkEnabled);
    }
    QCOMPARE(opened, played);
    QCOMPARE(texts(f.boxes.boxes(ScriptedToolkit::Information)),
             presented.isEmpty() ? QStringList() : QStringList{kAllRight});
}

SPELLDECK_TEST_MAIN(TestTestWindow)
#include "tst_test.moc"
