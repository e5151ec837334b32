// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the main window and the About box land on a real X server, with and without a window manager:
// their frames, not their client areas, follow the placement rules. Run by x11_run.sh, which
// starts the server and gives the expected frames (x,y,width,height) in SPELLDECK_EXPECT_MAIN and
// SPELLDECK_EXPECT_ABOUT.
#include "ModalDriver.h"
#include "ScriptedToolkit.h"
#include "TestDatabase.h"
#include "TestMain.h"
#include "Widgets.h"
#include "uDM.h"
#include "uMain.h"

namespace {

QRect expected(const char *variable)
{
    const QStringList parts = qEnvironmentVariable(variable).split(QLatin1Char(','));
    if (parts.size() != 4)
        return {};
    return {parts.at(0).toInt(), parts.at(1).toInt(), parts.at(2).toInt(), parts.at(3).toInt()};
}

} // namespace

class TestPlacementX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void mainWindowAndAboutBox();
};

void TestPlacementX11::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QVERIFY(!expected("SPELLDECK_EXPECT_MAIN").isEmpty());
    QVERIFY(!expected("SPELLDECK_EXPECT_ABOUT").isEmpty());
}

void TestPlacementX11::mainWindowAndAboutBox()
{
    ScriptedToolkit boxes;
    TestDatabase db;
    TDM dm;
    TfrmMain main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    // A window manager frames the window a moment after mapping it; longer on a busy machine.
    QTRY_COMPARE_WITH_TIMEOUT(main.frameGeometry(), expected("SPELLDECK_EXPECT_MAIN"), 15000);

    QRect about;
    ModalDriver driver({[&](QWidget *box) {
        QVERIFY(QTest::qWaitForWindowExposed(box));
        QTRY_COMPARE_WITH_TIMEOUT(box->frameGeometry(), expected("SPELLDECK_EXPECT_ABOUT"), 15000);
        about = box->frameGeometry();
        box->close();
    }});
    QVERIFY(press(&main, "sBitBtn1"));
    QCOMPARE(driver.seen(), QStringList{"TAboutBox"});
    QCOMPARE(about, expected("SPELLDECK_EXPECT_ABOUT"));
    QVERIFY(boxes.boxes().isEmpty());
}

SPELLDECK_TEST_MAIN(TestPlacementX11)
#include "tst_placement_x11.moc"
