// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The new-list dialog.
#include "ScriptedToolkit.h"
#include "TestDatabase.h"
#include "TestMain.h"
#include "Widgets.h"
#include "uCreate.h"
#include "uDM.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>

#include <memory>

namespace {

struct Fixture
{
    ScriptedToolkit boxes; // first: the data module may report an error while it opens
    TestDatabase db;
    TDM dm;
};

} // namespace

class TestCreate : public QObject
{
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<Fixture>(); }
    void cleanup();

    void defaultState();
    void create_data();
    void create();
    void closeWithoutCreate_data();
    void closeWithoutCreate();
    void keys_data();
    void keys();
    void failedCreate_data();
    void failedCreate();

private:
    QStringList storedNames()
    {
        return f->db.column(QStringLiteral("select type_name from d_type order by type_id"));
    }

    std::unique_ptr<Fixture> f;
};

void TestCreate::cleanup()
{
    f.reset();
    for (QWidget *window : QApplication::topLevelWidgets())
        QVERIFY2(!qobject_cast<TfrmCreate *>(window), "a dialog was left behind");
}

void TestCreate::defaultState()
{
    TfrmCreate dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Create new spelldeck"));
    QCOMPARE(dialog.size(), QSize(344, 128));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QVERIFY(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(dialog.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(dialog.windowModality(), Qt::ApplicationModal);
    QCOMPARE(dialog.font().pixelSize(), 13);
    QVERIFY(dialog.TypeName.isEmpty());
    QVERIFY(dialog.TypeID.isEmpty());

    auto *label = child<QLabel>(&dialog, "Label1");
    QCOMPARE(label->text(), QStringLiteral("Please enter the name of the new spelldeck:"));
    QCOMPARE(label->pos(), QPoint(16, 16));
    QVERIFY2(label->width() >= label->sizeHint().width(), "the label cuts its text");

    auto *edit = child<QLineEdit>(&dialog, "sEdit1");
    QCOMPARE(edit->geometry(), QRect(16, 41, 307, 24));
    QVERIFY(edit->text().isEmpty());
    // Named by its label for a screen reader.
    QCOMPARE(QAccessible::queryAccessibleInterface(edit)->text(QAccessible::Name),
             QStringLiteral("Please enter the name of the new spelldeck:"));

    const struct
    {
        const char *name;
        QRect geometry;
        const char *text;
    } buttons[] = {{"sButton2", {167, 88, 75, 25}, "Create"}, {"sButton1", {248, 88, 75, 25}, "Cancel"}};
    for (const auto &expected : buttons) {
        auto *button = child<QPushButton>(&dialog, expected.name);
        QCOMPARE(button->geometry(), expected.geometry);
        QCOMPARE(button->text(), QString::fromLatin1(expected.text));
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
    }

    // Tab order: the field first, then Create, then Cancel.
    QCOMPARE(nextTabStop(edit), child<QWidget>(&dialog, "sButton2"));
    QCOMPARE(nextTabStop(child<QWidget>(&dialog, "sButton2")), child<QWidget>(&dialog, "sButton1"));
    QCOMPARE(dialog.focusWidget(), edit);
}

void TestCreate::create_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << QStringLiteral("Week 1");
    QTest::newRow("blanks around") << QStringLiteral("  Week 1 ");
    QTest::newRow("single quote") << QStringLiteral("Tom's words");
    QTest::newRow("double quote and backslash") << QStringLiteral("say \"hi\" C:\\lists");
    QTest::newRow("non-ASCII") << QStringLiteral("Wörter für Zoë, 漢字");
    QTest::newRow("255 characters") << QString(255, QLatin1Char('x'));
    QTest::newRow("1000 characters") << QString(1000, QLatin1Char('y'));
    QTest::newRow("empty") << QString();
}

void TestCreate::create()
{
    QFETCH(QString, name);
    TfrmCreate dialog;
    dialog.show();
    typeInto(child<QLineEdit>(&dialog, "sEdit1"), name);
    QVERIFY(press(&dialog, "sButton2"));

    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(storedNames(), QStringList{name.isNull() ? QStringLiteral("") : name});
    QCOMPARE(dialog.TypeName, name);
    QCOMPARE(dialog.TypeID, f->db.scalar(QStringLiteral("select type_id from d_type")));
    QVERIFY(f->boxes.errors().isEmpty());
}

void TestCreate::closeWithoutCreate_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Cancel") << false;
    QTest::newRow("close box") << true;
}

void TestCreate::closeWithoutCreate()
{
    QFETCH(bool, closeBox);
    TfrmCreate dialog;
    dialog.show();
    typeInto(child<QLineEdit>(&dialog, "sEdit1"), QStringLiteral("Week 2"));
    if (closeBox)
        QVERIFY(dialog.close());
    else
        QVERIFY(press(&dialog, "sButton1"));

    QVERIFY(!dialog.isVisible());
    QVERIFY(storedNames().isEmpty());
    QVERIFY(dialog.TypeName.isEmpty());
    QVERIFY(dialog.TypeID.isEmpty());
}

void TestCreate::keys_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("staysOpen");
    QTest::addColumn<QStringList>("stored");

    const QStringList none;
    const QStringList week = {QStringLiteral("Week 3")};
    QTest::newRow("Enter in the field") << "sEdit1" << int(Qt::Key_Return) << true << none;
    QTest::newRow("keypad Enter in the field") << "sEdit1" << int(Qt::Key_Enter) << true << none;
    QTest::newRow("Escape in the field") << "sEdit1" << int(Qt::Key_Escape) << true << none;
    QTest::newRow("Escape on Cancel") << "sButton1" << int(Qt::Key_Escape) << true << none;
    QTest::newRow("Enter on Create") << "sButton2" << int(Qt::Key_Return) << false << week;
    QTest::newRow("Space on Create") << "sButton2" << int(Qt::Key_Space) << false << week;
    QTest::newRow("Enter on Cancel") << "sButton1" << int(Qt::Key_Return) << false << none;
}

void TestCreate::keys()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(bool, staysOpen);
    QFETCH(QStringList, stored);

    TfrmCreate dialog;
    dialog.show();
    typeInto(child<QLineEdit>(&dialog, "sEdit1"), QStringLiteral("Week 3"));
    auto *target = child<QWidget>(&dialog, focus.toLatin1().constData());
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key));

    QCOMPARE(dialog.isVisible(), staysOpen);
    QCOMPARE(storedNames(), stored);
}

void TestCreate::failedCreate_data()
{
    QTest::addColumn<bool>("readOnlyFile");
    QTest::addColumn<QString>("message");
    QTest::newRow("refused by the database") << false << QStringLiteral("no room for another list.");
    QTest::newRow("read-only file") << true << TestDatabase::readOnlyText(QStringLiteral("d_type")) + ".";
}

void TestCreate::failedCreate()
{
    QFETCH(bool, readOnlyFile);
    QFETCH(QString, message);

    if (readOnlyFile) {
        f->dm.ADOConn.close(); // opened again by the next statement, read-only now
        if (!f->db.setReadOnly(true))
            QSKIP(qPrintable(f->db.readOnlyProblem()));
    } else {
        f->db.refuse(QStringLiteral("d_type"), QStringLiteral("insert"),
                     QStringLiteral("no room for another list"));
    }

    TfrmCreate dialog;
    dialog.show();
    typeInto(child<QLineEdit>(&dialog, "sEdit1"), QStringLiteral("Week 4"));
    QVERIFY(press(&dialog, "sButton2"));

    QCOMPARE(f->boxes.errors(), QStringList{message});
    QVERIFY(dialog.isVisible());
    QCOMPARE(child<QLineEdit>(&dialog, "sEdit1")->text(), QStringLiteral("Week 4"));
    // Nothing was stored, so nothing is handed back: the caller must not open an editor.
    QVERIFY(dialog.TypeName.isEmpty());
    QVERIFY(dialog.TypeID.isEmpty());

    // Once the cause is gone, Create stores the list once: the failed attempt's row is not kept.
    if (readOnlyFile) {
        QVERIFY(f->db.setReadOnly(false));
        f->dm.ADOConn.close();
    } else {
        f->db.allow(QStringLiteral("d_type"));
    }
    QVERIFY(press(&dialog, "sButton2"));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(storedNames(), QStringList{QStringLiteral("Week 4")});
    QCOMPARE(dialog.TypeName, QStringLiteral("Week 4"));
    QCOMPARE(dialog.TypeID, f->db.scalar(QStringLiteral("select type_id from d_type")));
}

SPELLDECK_TEST_MAIN(TestCreate)
#include "tst_create.moc"
