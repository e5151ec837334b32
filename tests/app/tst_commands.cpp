// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's Test, Create and Edit commands, end to end through the real windows.
#include "../spelltest/TestTaker.h"

#include "ModalDriver.h"
#include "ScriptedToolkit.h"
#include "TestDatabase.h"
#include "TestMain.h"
#include "Widgets.h"
#include "uDM.h"
#include "uMain.h"
#include "uSelected.h"

#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QWindow>

#include <memory>

namespace {

struct Fixture
{
    ScriptedToolkit boxes; // first: the data module may report an error while it opens
    TestDatabase db;
    TDM dm;
    TfrmMain main;

    Fixture() { main.show(); }
};

} // namespace

class TestCommands : public QObject
{
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<Fixture>(); }
    void cleanup() { f.reset(); }

    void createOpensEditor();
    void createOpensNoEditor_data();
    void createOpensNoEditor();
    void editOpensEditor();
    void editOpensNoEditor_data();
    void editOpensNoEditor();
    void testOnTheDemoList();

private:
    std::unique_ptr<Fixture> f;
};

void TestCommands::createOpensEditor()
{
    const QPoint beside = f->main.childPosition();
    QPoint dialogAt;
    QPoint editorAt;
    QString caption;
    QList<QWidget *> owners;
    ModalDriver script({[&](QWidget *dialog) {
                            owners << dialog->parentWidget();
                            dialogAt = dialog->pos();
                            typeInto(child<QLineEdit>(dialog, "sEdit1"), QStringLiteral("Tom's week"));
                            QVERIFY(press(dialog, "sButton2"));
                        },
                        [&](QWidget *editor) {
                            owners << editor->parentWidget();
                            editorAt = editor->pos();
                            caption = editor->windowHandle()->title();
                            QVERIFY(press(editor, "btnAdd"));
                            typeInto(child<QLineEdit>(editor, "edtWord"), QStringLiteral("apple"));
                            QVERIFY(press(editor, "btnSave"));
                            editor->close();
                        }});
    QVERIFY(press(&f->main, "btnCreate"));

    QCOMPARE(script.seen(), QStringList({QStringLiteral("TfrmCreate"), QStringLiteral("TfrmEditor")}));
    // Owned by the main window: in front of it, without a taskbar entry of their own.
    QCOMPARE(owners, (QList<QWidget *>{&f->main, &f->main}));
    QCOMPARE(dialogAt, beside);
    QCOMPARE(editorAt, beside);
    QCOMPARE(caption, QStringLiteral("Creating spelldeck: Tom's week"));
    const QString id =
        f->db.scalar(QStringLiteral("select type_id from d_type where type_name = 'Tom''s week'"));
    QVERIFY(!id.isEmpty());
    QCOMPARE(f->db.rows(QStringLiteral("select word_name, type_id, word_order from d_word")),
             QStringList{QStringLiteral("apple|") + id + QStringLiteral("|1")});
    QVERIFY(f->boxes.errors().isEmpty());
}

void TestCommands::createOpensNoEditor_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<int>("errors");
    QTest::newRow("Cancel") << "Cancel" << QStringList() << 0;
    QTest::newRow("close box") << "close box" << QStringList() << 0;
    QTest::newRow("empty name") << "empty name" << QStringList{QString()} << 0;
    QTest::newRow("failed Create, then Cancel") << "failed" << QStringList() << 1;
}

void TestCommands::createOpensNoEditor()
{
    QFETCH(QString, how);
    QFETCH(QStringList, stored);
    QFETCH(int, errors);
    if (how == QLatin1String("failed"))
        f->db.refuse(QStringLiteral("d_type"), QStringLiteral("insert"),
                     QStringLiteral("database is locked"));
    ModalDriver script({[&](QWidget *dialog) {
        if (how == QLatin1String("empty name")) {
            QVERIFY(press(dialog, "sButton2"));
            return;
        }
        typeInto(child<QLineEdit>(dialog, "sEdit1"), QStringLiteral("Week 1"));
        if (how == QLatin1String("failed"))
            QVERIFY(press(dialog, "sButton2"));
        if (how == QLatin1String("close box"))
            dialog->close();
        else
            QVERIFY(press(dialog, "sButton1"));
    }});
    QVERIFY(press(&f->main, "btnCreate"));

    QCOMPARE(script.seen(), QStringList{QStringLiteral("TfrmCreate")});
    QCOMPARE(f->db.column(QStringLiteral("select type_name from d_type")), stored);
    QCOMPARE(f->boxes.errors().size(), errors);
}

void TestCommands::editOpensEditor()
{
    const QString week1 = f->db.addList(QStringLiteral("Week 1"));
    const QString week2 = f->db.addList(QStringLiteral("Week 2"));
    f->db.addWord(week1, QStringLiteral("apple"), QString(), 1);
    f->db.addWord(week2, QStringLiteral("pear"), QString(), 1);
    f->db.addWord(week2, QStringLiteral("plum"), QString(), 2);
    const QPoint beside = f->main.childPosition();
    QPoint editorAt;
    QString caption;
    QStringList rows;
    QList<QWidget *> owners;
    QStringList chooserButtons;
    ModalDriver script({[&](QWidget *chooser) {
                            owners << chooser->parentWidget();
                            // Manage mode: lists can be renamed and removed here.
                            for (const char *name : {"btnOpen", "btnRemove", "btnRename", "btnClose"}) {
                                auto *button = child<QPushButton>(chooser, name);
                                if (button->isVisible())
                                    chooserButtons << button->text();
                            }
                            QListWidget *lists = child<QListWidget>(chooser, "lstWord");
                            clickRow(lists, int(shownRows(lists).indexOf(QStringLiteral("Week 2"))));
                            QVERIFY(press(chooser, "btnOpen"));
                        },
                        [&](QWidget *editor) {
                            owners << editor->parentWidget();
                            editorAt = editor->pos();
                            caption = editor->windowHandle()->title();
                            rows = shownRows(child<QListWidget>(editor, "lstWord"));
                            editor->close();
                        }});
    QVERIFY(press(&f->main, "btnEdit"));

    QCOMPARE(script.seen(), QStringList({QStringLiteral("TfrmSelected"), QStringLiteral("TfrmEditor")}));
    QCOMPARE(chooserButtons, (QStringList{"Open", "Remove", "Rename", "Close"}));
    QCOMPARE(owners, (QList<QWidget *>{&f->main, &f->main}));
    QCOMPARE(editorAt, beside);
    QCOMPARE(caption, QStringLiteral("Editing spelldeck: Week 2"));
    QCOMPARE(rows, QStringList({QStringLiteral("pear"), QStringLiteral("plum")}));
}

void TestCommands::editOpensNoEditor_data()
{
    QTest::addColumn<bool>("wordsUnreadable");
    QTest::newRow("chooser closed") << false;
    QTest::newRow("words cannot be read") << true;
}

void TestCommands::editOpensNoEditor()
{
    QFETCH(bool, wordsUnreadable);
    f->db.addList(QStringLiteral("Week 1"));
    if (wordsUnreadable)
        f->db.exec(QStringLiteral("alter table d_word rename to d_words"));
    ModalDriver script({[&](QWidget *chooser) {
        clickRow(child<QListWidget>(chooser, "lstWord"), 0);
        QVERIFY(press(chooser, wordsUnreadable ? "btnOpen" : "btnClose"));
    }});
    QVERIFY(press(&f->main, "btnEdit"));

    QCOMPARE(script.seen(), QStringList{QStringLiteral("TfrmSelected")});
    QCOMPARE(f->boxes.errors(), wordsUnreadable
                                    ? QStringList{TestDatabase::onServer()
                                                      ? QStringLiteral("relation \"d_word\" does not exist.")
                                                      : QStringLiteral("no such table: d_word.")}
                                    : QStringList());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void TestCommands::testOnTheDemoList()
{
    f.reset();
    ScriptedToolkit boxes;
    TestDatabase db(TestDatabase::Demo);
    TDM dm;
    TfrmMain frmMain;
    frmMain.show();
    const QPoint beside = frmMain.childPosition();

    // The chooser, in pick mode: take the demo list with Ok.
    QStringList chooserButtons;
    QWidget *chooserOwner = nullptr;
    int listed = 0;
    const auto choose = [&](QWidget *modal) {
        if (!qobject_cast<TfrmSelected *>(modal))
            return false;
        chooserOwner = modal->parentWidget();
        for (const char *name : {"btnOpen", "btnRemove", "btnRename", "btnClose"}) {
            auto *button = child<QPushButton>(modal, name);
            if (button->isVisible())
                chooserButtons << button->text();
        }
        auto *lstWord = child<QListWidget>(modal, "lstWord");
        listed = lstWord->count();
        clickRow(lstWord, 0);
        if (!press(modal, "btnOpen"))
            QTest::qFail("Ok cannot be pressed", __FILE__, __LINE__);
        return true;
    };
    boxes.answerQuestion(false);
    TestTaker learner({"Apple", "house", "green", "water", "school", "friend", "happy", "little"}, choose);
    QVERIFY(press(&frmMain, "btnTest"));

    QCOMPARE(chooserButtons, (QStringList{"Ok", "Close"}));
    QCOMPARE(chooserOwner, &frmMain);
    QCOMPARE(listed, 1);
    QCOMPARE(learner.steps.size(), 8);
    QCOMPARE(learner.steps[0].owner, &frmMain);
    QCOMPARE(learner.steps[0].title, QStringLiteral("Test spelldeck - Everyday words"));
    QCOMPARE(learner.steps[0].position, beside);
    QCOMPARE(learner.steps[0].state, QStringLiteral("Word 1 of 8"));
    // The demo recordings sit next to the database; their stored paths are relative.
    QCOMPARE(learner.steps[0].played, QStringLiteral("data/sounds/apple.mp3"));
    QVERIFY(QFileInfo::exists(learner.steps[0].played));
    QCOMPARE(learner.corrections.size(), 1);
    QCOMPARE(learner.corrections[0].rightWord, QStringLiteral("apple"));
    QStringList texts;
    for (const auto &box : boxes.boxes())
        texts << box.text;
    QCOMPARE(texts, (QStringList{"You have finished all your words!\n\rYou made 1 errors.",
                                 "Do you want to try the ones you missed over again?"}));
    QVERIFY(boxes.errors().isEmpty());
}

SPELLDECK_TEST_MAIN(TestCommands)
#include "tst_commands.moc"
