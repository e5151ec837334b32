// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole path with the keyboard alone, through the real windows and boxes on a real X server with a
// window manager (run by x11_run.sh): create a list, add two words (one spoken by the speech engine),
// save, close, test, miss one word, close the correction, answer Yes, finish. No mouse event is sent,
// and wherever the keyboard is, the window shows it.
#include "MediaPlayer.h"
#include "ModalDriver.h"
#include "TestDatabase.h"
#include "TestMain.h"
#include "Widgets.h"
#include "uDM.h"
#include "uMain.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>

namespace {

QWidget *focused()
{
    return QApplication::focusWidget();
}

// Presses Tab until `name` has the focus; fails the test when it never does.
bool tabTo(const char *name)
{
    for (int presses = 0; presses < 40; ++presses) {
        if (focused() && focused()->objectName() == QLatin1String(name))
            return true;
        if (!focused())
            break;
        QTest::keyClick(focused(), Qt::Key_Tab);
    }
    QTest::qFail(qPrintable(QStringLiteral("Tab never reached %1").arg(QLatin1String(name))), __FILE__,
                 __LINE__);
    return false;
}

void type(const QString &text)
{
    for (QChar c : text)
        QTest::keyClick(focused(), c.toLatin1());
}

// The focus is in the window on top, where the user looks.
bool focusIn(QWidget *window)
{
    return focused() && focused()->window() == window && focused()->isVisible();
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void wholePath();
};

void TestKeyboard::wholePath()
{
    TestDatabase db;
    TDM dm;
    TfrmMain main;
    main.show();
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QCOMPARE(focused(), child(&main, "btnTest"));

    QStringList seen;
    QStringList presented;
    QString correction;
    QStringList messages;
    const auto step = [&](QWidget *window) {
        seen << QString::fromLatin1(window->metaObject()->className());
        // A window gets the focus as it becomes the active one, a moment after it is shown.
        QTRY_VERIFY2_WITH_TIMEOUT(focusIn(window),
                                  qPrintable(seen.constLast() + QStringLiteral(" has no focus")), 2000);
    };
    auto creating = std::make_unique<ModalDriver>(QList<ModalDriver::Step>{
        // The new list dialog: the name, then Create.
        [&](QWidget *dialog) {
            step(dialog);
            QCOMPARE(focused(), child(dialog, "sEdit1"));
            type(QStringLiteral("Week"));
            QVERIFY(tabTo("sButton2"));
            QTest::keyClick(focused(), Qt::Key_Space);
        },
        // The editor: one word spoken, one with a recording typed in.
        [&](QWidget *editor) {
            step(editor);
            QTRY_VERIFY(child<QComboBox>(editor, "cmbVoice")->count() > 0);
            QVERIFY(tabTo("btnAdd"));
            QTest::keyClick(focused(), Qt::Key_Space);
            QCOMPARE(focused(), child(editor, "edtWord"));
            type(QStringLiteral("apple"));
            QVERIFY(tabTo("btnSpeak"));
            QTest::keyClick(focused(), Qt::Key_Space);
            QVERIFY(tabTo("btnSave"));
            QTest::keyClick(focused(), Qt::Key_Return);
            QVERIFY(tabTo("btnAdd"));
            QTest::keyClick(focused(), Qt::Key_Return);
            type(QStringLiteral("cat"));
            QVERIFY(tabTo("edtSound"));
            type(QStringLiteral(SPELLDECK_FIXTURES "/cat.mp3"));
            QVERIFY(tabTo("btnSave"));
            QTest::keyClick(focused(), Qt::Key_Space);
            QCOMPARE(shownRows(child<QListWidget>(editor, "lstWord")), (QStringList{"apple", "cat"}));
            // Alt+F4, which the window manager turns into closing the window.
            editor->close();
        },
    });
    QVERIFY(tabTo("btnCreate"));
    QTest::keyClick(focused(), Qt::Key_Space);
    creating.reset();
    QCOMPARE(seen, (QStringList{"TfrmCreate", "TfrmEditor"}));
    QCOMPARE(
        db.rows(QStringLiteral("select word_name, word_sound from d_word order by word_order")),
        (QStringList{"apple|data/sounds/apple.mp3", QStringLiteral("cat|" SPELLDECK_FIXTURES "/cat.mp3")}));

    // Back in the main window, the keyboard goes on from where it was.
    QTRY_VERIFY_WITH_TIMEOUT(focusIn(&main), 2000);
    QCOMPARE(focused(), child(&main, "btnCreate"));
    QTest::keyClick(focused(), Qt::Key_Backtab);
    QCOMPARE(focused(), child(&main, "btnTest"));
    const auto answerBox = [&](QWidget *box) {
        step(box);
        auto *message = qobject_cast<QMessageBox *>(box);
        QVERIFY2(message,
                 qPrintable(QStringLiteral("a message box was expected, not %1").arg(seen.constLast())));
        messages << message->text();
        // Enter: OK, or Yes, the box's default button.
        QTest::keyClick(focused(), Qt::Key_Return);
    };
    ModalDriver testing({
        // The chooser in pick mode: the list, then Ok.
        [&](QWidget *chooser) {
            step(chooser);
            QCOMPARE(focused(), child(chooser, "lstWord"));
            // Space selects the row the keyboard is on: the first, as the list opens.
            QTest::keyClick(focused(), Qt::Key_Space);
            QCOMPARE(selectedRow(child<QListWidget>(chooser, "lstWord")), 0);
            QVERIFY(tabTo("btnOpen"));
            QTest::keyClick(focused(), Qt::Key_Space);
        },
        // The test window: every word of every pass is answered here, while the correction and the
        // boxes open over it.
        [&](QWidget *test) {
            step(test);
            auto *state = child<QLabel>(test, "lblState");
            presented << state->text();
            QCOMPARE(focused(), child(test, "edtWord"));
            type(QStringLiteral("aple"));
            QVERIFY(tabTo("btnCheck"));
            QTest::keyClick(focused(), Qt::Key_Space);

            presented << state->text();
            // The correction closed; the window manager gives the activation back.
            QTRY_VERIFY_WITH_TIMEOUT(focusIn(test), 2000);
            QCOMPARE(focused(), child(test, "edtWord"));
            type(QStringLiteral("cat"));
            QVERIFY(tabTo("btnCheck"));
            QTest::keyClick(focused(), Qt::Key_Return);

            // Yes: the missed word again.
            presented << state->text();
            QTRY_VERIFY_WITH_TIMEOUT(focusIn(test), 2000);
            QCOMPARE(focused(), child(test, "edtWord"));
            type(QStringLiteral("apple"));
            QVERIFY(tabTo("btnCheck"));
            QTest::keyClick(focused(), Qt::Key_Space);
        },
        [&](QWidget *correct) {
            step(correct);
            correction = child<QWidget>(correct, "Panel1")->property("text").toString();
            QCOMPARE(focused(), child(correct, "sButton1"));
            QTest::keyClick(focused(), Qt::Key_Space);
        },
        answerBox, // the errors made
        answerBox, // again?
        answerBox, // all right
    });
    QTest::keyClick(focused(), Qt::Key_Space);

    QCOMPARE(seen, (QStringList{"TfrmCreate", "TfrmEditor", "TfrmSelected", "TfrmTest", "TfrmCorrect",
                                "QMessageBox", "QMessageBox", "QMessageBox"}));
    QCOMPARE(correction, QStringLiteral("apple"));
    QCOMPARE(presented, (QStringList{"Word 1 of 2", "Word 2 of 2", "Word 1 of 1"}));
    QCOMPARE(messages,
             (QStringList{"You have finished all your words!\n\rYou made 1 errors.",
                          "Do you want to try the ones you missed over again?",
                          "You have finished all your words!\n\rYou didn't miss ANY words at all!"}));
    QTRY_VERIFY_WITH_TIMEOUT(focusIn(&main), 2000);
}

SPELLDECK_TEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
