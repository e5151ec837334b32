// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The look and rules every window shares: fixed size and title-bar buttons, the keys of a window
// without a cancel button, list rows, and where windows open.
#include "FrameExtents.h"
#include "ListEntries.h"
#include "ModalDriver.h"
#include "ModalForm.h"
#include "TestMain.h"
#include "WindowRules.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

class TestWindowRules : public QObject
{
    Q_OBJECT

private slots:
    void fixedLook_data();
    void fixedLook();
    void modalFormKeys_data();
    void modalFormKeys();
    void activationComesBackAfterAModalWindow();
    void listEntries();
    void mainWindowPlacement_data();
    void mainWindowPlacement();
    void centredIn_data();
    void centredIn();
    void centredOver_data();
    void centredOver();
    void outerSizeCountsTheFrame();
};

void TestWindowRules::fixedLook_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<bool>("minimise");
    QTest::newRow("close box only") << int(TitleButtons::Close) << false;
    QTest::newRow("system menu and close") << int(TitleButtons::SystemMenuClose) << false;
    QTest::newRow("system menu, minimise and close") << int(TitleButtons::SystemMenuMinimise) << true;
}

void TestWindowRules::fixedLook()
{
    QFETCH(int, buttons);
    QFETCH(bool, minimise);
    QDialog window;
    setFixedLook(&window, QSize(419, 394), TitleButtons(buttons));
    QCOMPARE(window.size(), QSize(419, 394));
    QCOMPARE(window.minimumSize(), QSize(419, 394));
    QCOMPARE(window.maximumSize(), QSize(419, 394));
    QCOMPARE(window.font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(window.font().pixelSize(), 13);
    const Qt::WindowFlags flags = window.windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QCOMPARE(bool(flags & Qt::WindowMinimizeButtonHint), minimise);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
}

void TestWindowRules::modalFormKeys_data()
{
    QTest::addColumn<bool>("withDefault");
    QTest::newRow("no default button") << false;
    QTest::newRow("a default button") << true;
}

void TestWindowRules::modalFormKeys()
{
    QFETCH(bool, withDefault);
    ModalForm form;
    auto *layout = new QVBoxLayout(&form);
    auto *edit = new QLineEdit(&form);
    auto *first = new QPushButton(QStringLiteral("First"), &form);
    auto *second = new QPushButton(QStringLiteral("Second"), &form);
    for (QPushButton *button : {first, second})
        button->setAutoDefault(false);
    first->setDefault(withDefault);
    layout->addWidget(edit);
    layout->addWidget(first);
    layout->addWidget(second);
    int firstClicks = 0;
    int secondClicks = 0;
    QObject::connect(first, &QPushButton::clicked, [&] { ++firstClicks; });
    QObject::connect(second, &QPushButton::clicked, [&] { ++secondClicks; });
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Escape); // no cancel button
    QVERIFY(form.isVisible());
    QTest::keyClick(edit, Qt::Key_Return); // the default button, when there is one
    QCOMPARE(firstClicks, withDefault ? 1 : 0);
    QCOMPARE(secondClicks, 0);

    second->setFocus();
    QTest::keyClick(second, Qt::Key_Return);
    QTest::keyClick(second, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(second, Qt::Key_Escape, Qt::KeypadModifier);
    // With a default button, Enter is its; without one, the focused button's.
    QCOMPARE(secondClicks, withDefault ? 0 : 2);
    QCOMPARE(firstClicks, withDefault ? 3 : 0);
    QVERIFY(form.isVisible());

    form.close(); // the close box still closes
    QVERIFY(!form.isVisible());
}

void TestWindowRules::activationComesBackAfterAModalWindow()
{
    // Off screen there is no window manager to give the activation back.
    QWidget owner;
    auto *button = new QPushButton(QStringLiteral("Open"), &owner);
    owner.show();
    owner.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&owner));
    button->setFocus();
    bool focusShown = false;
    ModalDriver driver({[&](QWidget *window) {
        focusShown = window->testAttribute(Qt::WA_KeyboardFocusChange);
        window->close();
    }});
    ModalForm form(&owner);
    form.setFixedClientSize(200, 100);
    form.exec();
    QCOMPARE(driver.seen(), QStringList{"QDialog"});
    // The control that has the keyboard shows it.
    QVERIFY(focusShown);
    // The keyboard is back where it was.
    QTRY_COMPARE(QApplication::activeWindow(), &owner);
    QCOMPARE(QApplication::focusWidget(), button);
}

void TestWindowRules::listEntries()
{
    QListWidget list;
    setRowHeight(&list, 16);
    int first = 1;
    int second = 2;
    for (int *record : {&first, &second}) {
        auto *item = new QListWidgetItem(QString::number(*record));
        setEntryRecord(item, record);
        list.addItem(item);
    }
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QCOMPARE(entryRecord<int>(list.item(0)), &first);
    QCOMPARE(entryRecord<int>(list.item(1)), &second);
    QCOMPARE(entryRecord<int>(nullptr), nullptr);
    QCOMPARE(list.visualItemRect(list.item(0)).height(), 16);
    QCOMPARE(list.visualItemRect(list.item(1)).top(), 16);
}

void TestWindowRules::mainWindowPlacement_data()
{
    QTest::addColumn<int>("d");
    QTest::addColumn<int>("e");
    QTest::addColumn<QPoint>("position");
    QTest::newRow("odd d rounds down to even") << 205 << 301 << QPoint(102, 150);
    QTest::newRow("odd d rounds up to even") << 207 << 303 << QPoint(104, 152);
    QTest::newRow("even") << 400 << 300 << QPoint(200, 150);
    QTest::newRow("d = 1 gives 0") << 1 << 1 << QPoint(0, 0);
    QTest::newRow("d = 0") << 0 << 0 << QPoint(0, 0);
    QTest::newRow("negative d clamps, negative e does not") << -3 << -3 << QPoint(0, -2);
    QTest::newRow("negative e halves to even") << -300 << -5 << QPoint(0, -2);
    QTest::newRow("e = -1") << 10 << -1 << QPoint(5, 0);
}

void TestWindowRules::mainWindowPlacement()
{
    QFETCH(int, d);
    QFETCH(int, e);
    QFETCH(QPoint, position);
    const QSize window(345, 420); // an outer size with a frame
    const QSize area(window.width() + 720 + d, window.height() + e);
    QCOMPARE(::mainWindowPlacement(area, window), position);
}

void TestWindowRules::centredIn_data()
{
    QTest::addColumn<QRect>("workArea");
    QTest::addColumn<QSize>("outer");
    QTest::addColumn<QPoint>("expected");

    const QSize box(356, 245);
    QTest::newRow("main window on the primary screen") << QRect(0, 0, 1280, 800) << box << QPoint(462, 277);
    QTest::newRow("odd differences drop the half") << QRect(0, 0, 1281, 802) << box << QPoint(462, 278);
    QTest::newRow("taskbar on the left shifts the origin")
        << QRect(48, 0, 1232, 800) << box << QPoint(486, 277);
    QTest::newRow("taskbar at the top shifts the origin")
        << QRect(0, 30, 1280, 770) << box << QPoint(462, 292);
    QTest::newRow("main window on a second screen, right")
        << QRect(1280, 0, 1920, 1040) << box << QPoint(2062, 397);
    QTest::newRow("main window on a screen left of the primary")
        << QRect(-1920, 0, 1920, 1080) << box << QPoint(-1138, 417);
    // -5 / 2 is -2, not -3: the fraction goes toward zero.
    QTest::newRow("box larger than the work area") << QRect(0, 0, 351, 240) << box << QPoint(-2, -2);
}

void TestWindowRules::centredIn()
{
    QFETCH(QRect, workArea);
    QFETCH(QSize, outer);
    QFETCH(QPoint, expected);
    QCOMPARE(::centredIn(workArea, outer), expected);
}

void TestWindowRules::centredOver_data()
{
    QTest::addColumn<QRect>("owner");
    QTest::addColumn<QRect>("desktop");
    QTest::addColumn<QPoint>("expected");

    const QRect screen(0, 0, 1280, 800);
    // (714 - 465) / 2 = 124; (137 - 206) / 2 = -34, truncated towards zero (not -35).
    QTest::newRow("owner in the middle") << QRect(400, 300, 714, 137) << screen << QPoint(524, 266);
    QTest::newRow("owner at the left edge") << QRect(-300, 300, 714, 137) << screen << QPoint(0, 266);
    QTest::newRow("owner near the top") << QRect(400, 10, 714, 137) << screen << QPoint(524, 0);
    QTest::newRow("owner in the top-left corner") << QRect(-50, -20, 300, 100) << screen << QPoint(0, 0);
    // (300 - 465) / 2 = -82.5: truncated to -82.
    QTest::newRow("owner narrower than the window")
        << QRect(600, 300, 300, 137) << screen << QPoint(518, 266);
    // A second screen left of the first: the desktop starts at -1024.
    QTest::newRow("desktop left of the origin")
        << QRect(-900, 300, 714, 137) << QRect(-1024, 0, 2304, 800) << QPoint(-776, 266);
    QTest::newRow("owner past the desktop's left edge")
        << QRect(-1200, 300, 300, 137) << QRect(-1024, 0, 2304, 800) << QPoint(-1024, 266);
}

void TestWindowRules::centredOver()
{
    QFETCH(QRect, owner);
    QFETCH(QRect, desktop);
    QFETCH(QPoint, expected);
    QCOMPARE(::centredOver(owner, QSize(465, 206), desktop), expected);
}

void TestWindowRules::outerSizeCountsTheFrame()
{
    // The offscreen platform puts a 2-pixel frame around every window, and knows it before the
    // window is shown.
    QDialog window;
    window.setFixedSize(338, 394);
    QCOMPARE(expectedFrame(&window), QMargins(2, 2, 2, 2));
    QCOMPARE(outerSize(&window), QSize(342, 398));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(outerSize(&window), QSize(342, 398));
}

SPELLDECK_TEST_MAIN(TestWindowRules)
#include "tst_windowrules.moc"
