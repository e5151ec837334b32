// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScriptedToolkit.h"
#include "Startup.h"
#include "TestDatabase.h"
#include "TestMain.h"
#include "Widgets.h"
#include "uMain.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTimer>

namespace {

TfrmMain *findMainWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *main = qobject_cast<TfrmMain *>(widget))
            return main;
    }
    return nullptr;
}

// Notes, for each error report, whether the main window was on screen yet.
class OrderRecorder : public ScriptedToolkit
{
public:
    void errorBox(QWidget *owner, const QString &caption, const QString &text) override
    {
        TfrmMain *main = findMainWindow();
        mainWindowShownAtError << (main && main->isVisible());
        ScriptedToolkit::errorBox(owner, caption, text);
    }
    QList<bool> mainWindowShownAtError;
};

// Runs the program's start-up; once the main window is up, `whileRunning` sees it, then Exit ends it.
int runProgram(const std::function<void(TfrmMain *)> &whileRunning)
{
    QTimer::singleShot(0, [whileRunning] {
        TfrmMain *main = findMainWindow();
        if (!main) {
            QTest::qFail("no main window", __FILE__, __LINE__);
            QCoreApplication::quit();
            return;
        }
        whileRunning(main);
        if (!press(main, "sBitBtn2")) {
            QTest::qFail("Exit cannot be pressed", __FILE__, __LINE__);
            QCoreApplication::quit();
        }
    });
    return runSpelldeck();
}

} // namespace

class TestMain : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowLayout();
    void startsWithDatabase();
    void startsWithoutDatabase();
    void serverSettingsThatCannotBeUsed_data();
    void serverSettingsThatCannotBeUsed();
    void closingTheWindowEndsTheProgram();
    void childOpensBesideTheMainWindow();
};

void TestMain::windowLayout()
{
    TestDatabase db;
    TfrmMain main;
    QCOMPARE(main.windowTitle(), QStringLiteral("Spelldeck"));
    QCOMPARE(main.size(), QSize(338, 394));
    QCOMPARE(main.minimumSize(), main.maximumSize());
    QVERIFY(!(main.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(main.windowFlags() & Qt::WindowMinimizeButtonHint);

    const QList<std::pair<const char *, QString>> buttons = {{"btnTest", "Test Spelldeck"},
                                                             {"btnCreate", "Create Spelldeck"},
                                                             {"btnEdit", "Edit Spelldeck"},
                                                             {"sBitBtn1", "ABout"},
                                                             {"sBitBtn2", "Exit"}};
    const QList<int> tops = {58, 112, 166, 274, 328};
    QWidget *previous = nullptr;
    for (int i = 0; i < buttons.size(); ++i) {
        auto *button = main.findChild<QPushButton *>(QString::fromLatin1(buttons.at(i).first));
        QVERIFY(button);
        button->ensurePolished();
        QCOMPARE(button->text(), buttons.at(i).second);
        QCOMPARE(button->geometry(), QRect(8, tops.at(i), 320, 48));
        QCOMPARE(button->iconSize(), QSize(32, 32));
        QVERIFY(!button->icon().isNull());
        QVERIFY(!button->isDefault() && !button->autoDefault());
        QCOMPARE(button->font().pixelSize(), 21);
        if (previous)
            QCOMPARE(previous->nextInFocusChain(), button);
        previous = button;
    }
    auto *title = main.findChild<QLabel *>(QStringLiteral("Label1"));
    auto *version = main.findChild<QLabel *>(QStringLiteral("sLabel1"));
    QCOMPARE(title->text(), QStringLiteral("Norvane Spelldeck"));
    QCOMPARE(title->pos(), QPoint(8, 8));
    QVERIFY(title->width() >= title->sizeHint().width()); // not cut
    QCOMPARE(version->text(), QStringLiteral("V1.0.0"));
    QCOMPARE(version->geometry().right() + 1, 328);
    QCOMPARE(version->y(), 30);
}

void TestMain::startsWithDatabase()
{
    TestDatabase db;
    ScriptedToolkit boxes;
    QGuiApplication::setDesktopFileName(QString());
    QPoint position;
    QRect area;
    const int code = runProgram([&](TfrmMain *main) {
        position = main->pos();
        area = main->screen()->availableGeometry();
    });
    QCOMPARE(code, 0);
    // Off screen: an 800 x 800 work area and a 2-pixel frame, so the outer size is 342 x 398.
    // d = 800 - 342 - 720 = -262 gives 0; e = 800 - 398 = 402 gives 201.
    QCOMPARE(area, QRect(0, 0, 800, 800));
    QCOMPARE(position, QPoint(0, 201));
    // Lets the desktop match the windows to the installed menu entry.
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.spelldeck.Spelldeck"));
    QVERIFY(boxes.boxes().isEmpty());
    QVERIFY(!findMainWindow()); // destroyed on the way out
}

void TestMain::startsWithoutDatabase()
{
    TestDatabase db;
    QVERIFY(QFile::remove(db.databaseFile()));
    OrderRecorder boxes;
    bool mainShown = false;
    const int code = runProgram([&](TfrmMain *main) { mainShown = main->isVisible(); });
    QCOMPARE(code, 0);
    QVERIFY(mainShown);
    QCOMPARE(boxes.errors(), QStringList{"unable to open database file."});
    QCOMPARE(boxes.mainWindowShownAtError, QList<bool>{false});
    QVERIFY(!QFile::exists(db.databaseFile())); // never created by the program
}

void TestMain::serverSettingsThatCannotBeUsed_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("error"); // {file} for the settings file; a message that starts so
    QTest::newRow("a server that is not there")
        << QByteArray("[database]\ndriver=postgresql\nhost=/nonexistent/folder\nname=spelldeck\n")
        << "connection to server on socket \"/nonexistent/folder/.s.PGSQL.5432\" failed: No such file or "
           "directory";
    QTest::newRow("an unknown driver") << QByteArray("[database]\ndriver=mysql\n")
                                       << "The database settings in \"{file}\" cannot be used: the driver "
                                          "\"mysql\" is unknown; it must be sqlite "
                                          "or postgresql (key \"driver\").";
}

void TestMain::serverSettingsThatCannotBeUsed()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, error);
    TestDatabase db;
    const QStringList lists = db.rows(QStringLiteral("select * from d_type"));
    // The user's own settings (the tests' own folder for them).
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString file = config + QStringLiteral("/spelldeck/database.conf");
    QVERIFY(QDir().mkpath(config + QStringLiteral("/spelldeck")));
    QFile conf(file);
    QVERIFY(conf.open(QIODevice::WriteOnly));
    conf.write(settings);
    conf.close();
    const auto restore = qScopeGuard([&] { QFile::remove(file); });
    OrderRecorder boxes;
    bool mainShown = false;
    const int code = runProgram([&](TfrmMain *main) { mainShown = main->isVisible(); });
    QCOMPARE(code, 0);
    QVERIFY(mainShown);
    // The start-up report, once; never the local file in the server's place.
    QCOMPARE(boxes.errors().size(), 1);
    QVERIFY2(boxes.errors().constFirst().startsWith(QString(error).replace(QStringLiteral("{file}"), file)),
             qPrintable(boxes.errors().constFirst()));
    QCOMPARE(boxes.mainWindowShownAtError, QList<bool>{false});
    QCOMPARE(db.rows(QStringLiteral("select * from d_type")), lists);
}

void TestMain::closingTheWindowEndsTheProgram()
{
    TestDatabase db;
    ScriptedToolkit boxes;
    QTimer::singleShot(0, [] { findMainWindow()->close(); });
    QCOMPARE(runSpelldeck(), 0);
    QVERIFY(boxes.boxes().isEmpty());
}

void TestMain::childOpensBesideTheMainWindow()
{
    TestDatabase db;
    TfrmMain main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    main.move(40, 60);
    QCOMPARE(main.childPosition(), QPoint(40 + main.frameGeometry().width(), 60));
}

SPELLDECK_TEST_MAIN(TestMain)
#include "tst_main.moc"
