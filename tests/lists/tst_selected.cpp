// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ModalDriver.h"
#include "ScriptedToolkit.h"
#include "TestDatabase.h"
#include "TestMain.h"
#include "Widgets.h"
#include "uDM.h"
#include "uSelected.h"

#include <QInputDialog>
#include <QLabel>
#include <QPushButton>

namespace {

struct ButtonState
{
    bool openEnabled;
    bool removeEnabled;
    bool renameEnabled;
};

ButtonState buttons(const QWidget *form)
{
    return {child<QPushButton>(form, "btnOpen")->isEnabled(),
            child<QPushButton>(form, "btnRemove")->isEnabled(),
            child<QPushButton>(form, "btnRename")->isEnabled()};
}

bool allDisabled(const QWidget *form)
{
    const ButtonState state = buttons(form);
    return !state.openEnabled && !state.removeEnabled && !state.renameEnabled;
}

bool allEnabled(const QWidget *form)
{
    const ButtonState state = buttons(form);
    return state.openEnabled && state.removeEnabled && state.renameEnabled;
}

QListWidget *lists(const QWidget *form)
{
    return child<QListWidget>(form, "lstWord");
}

} // namespace

class TestSelected : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void layout_data();
    void layout();
    void rowsInStoredOrder();
    void buttonsFollowSelection();
    void removeAskedAndStored_data();
    void removeAskedAndStored();
    void renameStoresExactly_data();
    void renameStoresExactly();
    void failedChangesShowWhatIsStored();
    void failedListingDisablesButtons();
    void keysPressNothing();
    void showSelectWordResult_data();
    void showSelectWordResult();
    void everyOpeningReadsAfresh();
    void realInputBoxLimitsLength();

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<TDM> m_dm;
};

void TestSelected::init()
{
    m_db = std::make_unique<TestDatabase>();
    m_dm = std::make_unique<TDM>();
}

void TestSelected::cleanup()
{
    m_dm.reset();
    m_db.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty() ||
            std::none_of(QApplication::topLevelWidgets().cbegin(), QApplication::topLevelWidgets().cend(),
                         [](QWidget *w) { return w->isVisible(); }));
}

void TestSelected::layout_data()
{
    QTest::addColumn<bool>("pick");
    QTest::addColumn<QStringList>("visible");
    QTest::addColumn<QList<int>>("lefts");
    QTest::newRow("manage") << false << QStringList{"Open", "Remove", "Rename", "Close"}
                            << QList<int>{24, 119, 214, 309};
    QTest::newRow("pick") << true << QStringList{"Ok", "Close"} << QList<int>{214, 309};
}

void TestSelected::layout()
{
    QFETCH(bool, pick);
    QFETCH(QStringList, visible);
    QFETCH(QList<int>, lefts);
    m_db->addList(QStringLiteral("Week 1"));
    TfrmSelected form;
    if (pick)
        form.setPickMode();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    QCOMPARE(form.windowTitle(), QStringLiteral("Select a list"));
    QCOMPARE(form.size(), QSize(419, 394));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(!(form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(child<QLabel>(&form, "Label1")->text(), QStringLiteral("Word list:"));
    QCOMPARE(lists(&form)->geometry(), QRect(24, 43, 377, 294));
    QCOMPARE(lists(&form)->visualItemRect(lists(&form)->item(0)).height(), 20);

    QStringList shown;
    QList<int> shownLefts;
    for (const char *name : {"btnOpen", "btnRemove", "btnRename", "btnClose"}) {
        auto *button = child<QPushButton>(&form, name);
        QCOMPARE(button->size(), QSize(89, 25));
        QCOMPARE(button->y(), 353);
        QVERIFY(!button->isDefault() && !button->autoDefault());
        if (button->isVisible()) {
            shown << button->text();
            shownLefts << button->x();
        }
    }
    QCOMPARE(shown, visible);
    QCOMPARE(shownLefts, lefts);

    // The list has the focus first; Tab then walks the visible buttons left to right.
    QCOMPARE(QApplication::focusWidget(), lists(&form));
    clickRow(lists(&form), 0); // enables the buttons, so they can take the focus
    QStringList order;
    for (int i = 0; i < visible.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << qobject_cast<QPushButton *>(QApplication::focusWidget())->text();
    }
    QCOMPARE(order, visible);
}

void TestSelected::rowsInStoredOrder()
{
    // Rows come as the database returns them, not sorted by name.
    for (const char *name : {"Zebra words", "apple words", "Middle"})
        m_db->addList(QString::fromLatin1(name));
    TfrmSelected form;
    QCOMPARE(shownRows(lists(&form)), (QStringList{"Zebra words", "apple words", "Middle"}));
}

void TestSelected::buttonsFollowSelection()
{
    m_db->addList(QStringLiteral("a"));
    m_db->addList(QStringLiteral("b"));
    TfrmSelected form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(allDisabled(&form));
    QCOMPARE(selectedRow(lists(&form)), -1);

    clickRow(lists(&form), 1);
    QVERIFY(allEnabled(&form));
    QTest::keyClick(lists(&form), Qt::Key_Up); // the keyboard moves the selection too
    QCOMPARE(selectedRow(lists(&form)), 0);
    QVERIFY(allEnabled(&form));

    // Without a selected row the actions do nothing, even when run from code.
    ScriptedToolkit boxes;
    lists(&form)->clearSelection();
    QVERIFY(allDisabled(&form));
    form.btnRemoveClick();
    form.btnRenameClick();
    QVERIFY(boxes.boxes().isEmpty());
    QCOMPARE(m_db->column(QStringLiteral("select type_name from d_type")), (QStringList{"a", "b"}));
}

void TestSelected::removeAskedAndStored_data()
{
    QTest::addColumn<QStringList>("lists");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("one of two") << QStringList{"gone", "kept"} << QStringList{"kept"};
    QTest::newRow("the last list") << QStringList{"gone"} << QStringList();
}

void TestSelected::removeAskedAndStored()
{
    QFETCH(QStringList, lists);
    QFETCH(QStringList, left);
    QString gone;
    for (const QString &name : lists) {
        const QString id = m_db->addList(name);
        if (gone.isEmpty())
            gone = id;
    }
    m_db->addWord(gone, QStringLiteral("word"), QString(), 1);
    TfrmSelected form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    clickRow(::lists(&form), 0);

    ScriptedToolkit boxes;
    boxes.answerQuestion(false);
    QVERIFY(press(&form, "btnRemove"));
    QCOMPARE(boxes.boxes().size(), 1);
    QCOMPARE(boxes.boxes().constFirst().kind, ScriptedToolkit::Question);
    QCOMPARE(boxes.boxes().constFirst().caption, QStringLiteral("Confirm Deletion"));
    QCOMPARE(boxes.boxes().constFirst().text,
             QStringLiteral("Are you sure you wish to permanently delete this list?"));
    QCOMPARE(boxes.boxes().constFirst().owner.data(), &form);
    QCOMPARE(shownRows(::lists(&form)), lists);
    QCOMPARE(selectedRow(::lists(&form)), 0);
    QCOMPARE(m_db->column(QStringLiteral("select type_name from d_type")), lists);

    boxes.answerQuestion(true);
    QVERIFY(press(&form, "btnRemove"));
    QCOMPARE(shownRows(::lists(&form)), left);
    QCOMPARE(selectedRow(::lists(&form)), -1);
    QVERIFY(allDisabled(&form));
    QVERIFY(form.isVisible());
    QCOMPARE(m_db->column(QStringLiteral("select type_name from d_type")), left);
    QCOMPARE(m_db->scalar(QStringLiteral("select count(*) from d_word")), QStringLiteral("0"));
    QVERIFY(boxes.errors().isEmpty());
}

void TestSelected::renameStoresExactly_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("cancel");
    QTest::newRow("quotes") << "Tom's \"hard\" words" << false;
    QTest::newRow("blanks around") << "  Week 3  " << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("non-ASCII") << QStringLiteral("Wörter für Ærø 🍎") << false;
    QTest::newRow("255 characters") << QString(255, QLatin1Char('x')) << false;
    QTest::newRow("name of another list") << "other" << false;
    QTest::newRow("modified marker") << "a[*]b" << false;
    // Cancel gives the initial text back, which is stored again unchanged.
    QTest::newRow("Cancel keeps the name") << "old name" << true;
}

void TestSelected::renameStoresExactly()
{
    QFETCH(QString, name);
    QFETCH(bool, cancel);
    m_db->addList(QStringLiteral("other"));
    const QString id = m_db->addList(QStringLiteral("old name"));
    m_db->addList(QStringLiteral("third"));
    TfrmSelected form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    clickRow(lists(&form), 1);

    ScriptedToolkit boxes;
    boxes.answerInput(cancel ? std::nullopt : std::optional<QString>(name));
    QVERIFY(press(&form, "btnRename"));
    const ScriptedToolkit::Box box = boxes.boxes().constFirst();
    QCOMPARE(box.kind, ScriptedToolkit::Input);
    QCOMPARE(box.caption, QStringLiteral("Rename"));
    QCOMPARE(box.text, QStringLiteral("Please enter the name of the new spelldeck:"));
    QCOMPARE(box.initial, QStringLiteral("old name"));

    QCOMPARE(m_db->scalar(QStringLiteral("select type_name from d_type where type_id = ?"), {id}), name);
    QCOMPARE(shownRows(lists(&form)), (QStringList{"other", name, "third"})); // stays in place
    QCOMPARE(selectedRow(lists(&form)), 1);
    QVERIFY(allEnabled(&form));
    QVERIFY(boxes.errors().isEmpty());
}

void TestSelected::failedChangesShowWhatIsStored()
{
    m_db->addList(QStringLiteral("first"));
    m_db->addList(QStringLiteral("second"));
    TfrmSelected form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    clickRow(lists(&form), 0);
    if (!m_db->setReadOnly(true))
        QSKIP(qPrintable(m_db->readOnlyProblem()));

    ScriptedToolkit boxes;
    boxes.answerInput(QStringLiteral("renamed"));
    QVERIFY(press(&form, "btnRename"));
    boxes.answerQuestion(true);
    QVERIFY(press(&form, "btnRemove"));

    // The provider's own words ("attempt to write a readonly database", or an I/O error when the
    // file changed under an open connection), once for each action.
    QCOMPARE(boxes.errors().size(), 2);
    QVERIFY(!boxes.errors().constFirst().isEmpty());
    QVERIFY(form.isVisible());
    QCOMPARE(shownRows(lists(&form)), (QStringList{"first", "second"}));
    QCOMPARE(selectedRow(lists(&form)), 0);
    QVERIFY(allEnabled(&form));
    m_db->setReadOnly(false);
    QCOMPARE(m_db->column(QStringLiteral("select type_name from d_type")), (QStringList{"first", "second"}));
}

void TestSelected::failedListingDisablesButtons()
{
    m_db->exec(QStringLiteral("drop table d_type"));
    ScriptedToolkit boxes;
    TfrmSelected form; // the report is shown and the window still opens
    QCOMPARE(boxes.errors(), QStringList{TestDatabase::onServer() ? "relation \"d_type\" does not exist."
                                                                  : "no such table: d_type."});
    QCOMPARE(lists(&form)->count(), 0);
    QVERIFY(allDisabled(&form));
}

void TestSelected::keysPressNothing()
{
    m_db->addList(QStringLiteral("a"));
    TfrmSelected form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    clickRow(lists(&form), 0);
    QTest::keyClick(lists(&form), Qt::Key_Return); // no default button
    QTest::keyClick(lists(&form), Qt::Key_Escape); // no cancel button
    QTest::mouseDClick(lists(&form)->viewport(), Qt::LeftButton, {},
                       lists(&form)->visualItemRect(lists(&form)->item(0)).center());
    QVERIFY(form.isVisible());
    QCOMPARE(form.result(), 0);
    QVERIFY(!form.takeChosen());
}

void TestSelected::showSelectWordResult_data()
{
    QTest::addColumn<bool>("pick");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("Open") << false << "open"
                          << "second";
    QTest::newRow("Ok") << true << "open"
                        << "second";
    QTest::newRow("Close after selecting") << false << "close"
                                           << "";
    QTest::newRow("close box after selecting") << true << "closebox"
                                               << "";
    QTest::newRow("Enter on the focused Ok") << true << "enter"
                                             << "second";
}

void TestSelected::showSelectWordResult()
{
    QFETCH(bool, pick);
    QFETCH(QString, action);
    QFETCH(QString, chosen);
    m_db->addList(QStringLiteral("first"));
    const QString id = m_db->addList(QStringLiteral("second"));
    QPoint where;
    ModalDriver script({[&](QWidget *form) {
        where = form->pos();
        clickRow(lists(form), 1);
        if (action == QLatin1String("open")) {
            press(form, "btnOpen");
        } else if (action == QLatin1String("close")) {
            press(form, "btnClose");
        } else if (action == QLatin1String("enter")) {
            child<QWidget>(form, "btnOpen")->setFocus();
            QTest::keyClick(child<QWidget>(form, "btnOpen"), Qt::Key_Return);
        } else {
            form->close();
        }
    }});
    std::unique_ptr<TTypeData> result = ShowSelectWord(!pick, 120, 45);
    QCOMPARE(where, QPoint(120, 45));
    if (chosen.isEmpty()) {
        QVERIFY(!result);
    } else {
        QVERIFY(result);
        QCOMPARE(result->Name, chosen);
        QCOMPARE(result->ID, id);
    }
}

void TestSelected::everyOpeningReadsAfresh()
{
    m_db->addList(QStringLiteral("first"));
    QStringList seen;
    const auto look = [&](QWidget *form) {
        seen = shownRows(lists(form));
        press(form, "btnClose");
    };
    {
        ModalDriver script({look});
        QVERIFY(!ShowSelectWord(true, 0, 0));
    }
    QCOMPARE(seen, QStringList{"first"});
    m_db->addList(QStringLiteral("added elsewhere")); // another connection
    {
        ModalDriver script({look});
        QVERIFY(!ShowSelectWord(false, 0, 0));
    }
    QCOMPARE(seen, (QStringList{"first", "added elsewhere"}));
}

void TestSelected::realInputBoxLimitsLength()
{
    const QString id = m_db->addList(QStringLiteral("short"));
    TfrmSelected form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    clickRow(lists(&form), 0);
    QString initial;
    ModalDriver answerer({[&](QWidget *modal) {
        auto *dialog = qobject_cast<QInputDialog *>(modal);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Rename"));
        QCOMPARE(dialog->labelText(), QStringLiteral("Please enter the name of the new spelldeck:"));
        auto *edit = dialog->findChild<QLineEdit *>();
        initial = edit->selectedText(); // all of it selected
        QTest::keyClicks(edit, QString(300, QLatin1Char('y')));
        QTest::keyClick(edit, Qt::Key_Return); // OK is the default button
    }});
    QVERIFY(press(&form, "btnRename"));
    QCOMPARE(answerer.seen(), QStringList{"QInputDialog"});
    QCOMPARE(initial, QStringLiteral("short"));
    QCOMPARE(m_db->scalar(QStringLiteral("select type_name from d_type where type_id = ?"), {id}),
             QString(255, QLatin1Char('y')));
}

SPELLDECK_TEST_MAIN(TestSelected)
#include "tst_selected.moc"
