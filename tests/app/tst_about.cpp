// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "About.h"
#include "ModalDriver.h"
#include "TestMain.h"
#include "WebLabel.h"
#include "Widgets.h"
#include "uMain.h"

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void defaultState();
    void aboutCommandOpensCentredAndDestroysTheBox();
    void keys_data();
    void keys();
    void closeBoxCloses();
    void linkPress_data();
    void linkPress();
    void linkLabelHover();
    void longAddressIsShortened();
    void guideAddress_data();
    void guideAddress();

private:
    QList<QUrl> m_opened;
};

void TestAbout::init()
{
    m_opened.clear();
    WebLabel::setOpener([this](const QUrl &url) { m_opened.append(url); });
}

void TestAbout::cleanup()
{
    WebLabel::setOpener({});
    const QWidgetList left = QApplication::topLevelWidgets();
    for (QWidget *window : left)
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName() + QStringLiteral(" left open")));
}

void TestAbout::defaultState()
{
    TAboutBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));

    QCOMPARE(box.windowTitle(), QStringLiteral("About"));
    QCOMPARE(box.size(), QSize(348, 213));
    QVERIFY(!(box.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(box.windowFlags() & Qt::WindowMinimizeButtonHint));

    auto *panel = box.findChild<QFrame *>(QStringLiteral("Panel1"));
    QVERIFY(panel);
    QCOMPARE(panel->geometry(), QRect(8, 8, 330, 161));

    auto *icon = box.findChild<QLabel *>(QStringLiteral("ProgramIcon"));
    QVERIFY(icon);
    QCOMPARE(icon->geometry(), QRect(21, 16, 48, 48));
    // A null picture means the SVG could not be read: missing resource or image plugin.
    QVERIFY(!icon->pixmap().isNull());

    auto *name = box.findChild<QLabel *>(QStringLiteral("ProductName"));
    QVERIFY(name);
    QCOMPARE(name->text(), QStringLiteral("Spelldeck"));
    QCOMPARE(name->pos(), QPoint(88, 16));
    QVERIFY(name->font().bold());
    QCOMPARE(name->font().pixelSize(), 19);

    auto *version = box.findChild<QLabel *>(QStringLiteral("Version"));
    QVERIFY(version);
    QCOMPARE(version->text(), QStringLiteral("Release V1.0.0"));
    QCOMPARE(version->pos(), QPoint(88, 48));

    auto *copyright = box.findChild<QLabel *>(QStringLiteral("Copyright"));
    QVERIFY(copyright);
    QVERIFY(!copyright->text().isEmpty());
    QCOMPARE(copyright->pos(), QPoint(8, 80));

    // Every label is sized to its text and stays inside the panel.
    for (QLabel *label : {name, version, copyright}) {
        QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->objectName()));
        QVERIFY2(label->geometry().right() < panel->width(), qPrintable(label->objectName()));
    }

    // The link goes to the user guide, which the build can always find (installed or source copy).
    auto *link = box.findChild<WebLabel *>(QStringLiteral("sWebLabel1"));
    QVERIFY(link);
    QCOMPARE(link->pos(), QPoint(8, 110));
    // Run from the build folder, the guide is the source tree's copy.
    const QString guide =
        QFileInfo(QStringLiteral(SPELLDECK_SOURCE_DIR "/resources/guide/index.html")).canonicalFilePath();
    QCOMPARE(link->address(), QUrl::fromLocalFile(guide));
    QVERIFY(link->address().isLocalFile());
    QVERIFY(QFileInfo(link->address().toLocalFile()).isFile());
    QVERIFY(link->geometry().right() < panel->width());
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);

    auto *ok = box.findChild<QPushButton *>(QStringLiteral("OKButton"));
    QVERIFY(ok);
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QCOMPARE(ok->geometry(), QRect(135, 180, 75, 25));
    QVERIFY(ok->isDefault());
    QCOMPARE(box.focusWidget(), ok);
    box.close();
}

void TestAbout::aboutCommandOpensCentredAndDestroysTheBox()
{
    TfrmMain main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    main.move(40, 30);

    QPointer<QWidget> seen;
    QRect seenFrame;
    QWidget *owner = nullptr;
    ModalDriver answerer({[&](QWidget *modal) {
        seen = modal;
        owner = modal->parentWidget();
        seenFrame = modal->frameGeometry();
        QTest::keyClick(modal, Qt::Key_Return);
    }});
    QVERIFY(press(&main, "sBitBtn1"));

    QCOMPARE(answerer.seen(), QStringList{"TAboutBox"});
    QCOMPARE(owner, &main);
    QVERIFY(seen.isNull()); // destroyed once it closed
    // Opened centred on the main window's screen (800 x 800 off screen, where every window has a
    // 2-pixel frame), not beside the main window where its creator put it: (800 - 352) / 2 and
    // (800 - 217) / 2, halves dropped.
    QCOMPARE(main.screen()->availableGeometry(), QRect(0, 0, 800, 800));
    QCOMPARE(seenFrame, QRect(224, 291, 352, 217));
    QVERIFY(main.findChildren<TAboutBox *>().isEmpty());
    main.close();
}

void TestAbout::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("closes");

    QTest::newRow("Return presses OK") << int(Qt::Key_Return) << true;
    QTest::newRow("keypad Enter presses OK") << int(Qt::Key_Enter) << true;
    QTest::newRow("Escape does nothing") << int(Qt::Key_Escape) << false;
}

void TestAbout::keys()
{
    QFETCH(int, key);
    QFETCH(bool, closes);

    TAboutBox box;
    box.open();
    box.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClick(focus, Qt::Key(key));

    QCOMPARE(box.isVisible(), !closes);
    if (closes)
        QCOMPARE(box.result(), int(QDialog::Accepted));
    box.close();
}

void TestAbout::closeBoxCloses()
{
    // Escape is swallowed, but the title bar's close box (and Alt+F4) still close the box.
    TAboutBox box;
    box.open();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QVERIFY(box.close());
    QVERIFY(!box.isVisible());
}

void TestAbout::linkPress_data()
{
    QTest::addColumn<QUrl>("address");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("opens");

    const QUrl guide = QUrl::fromLocalFile(QStringLiteral("/usr/share/spelldeck/guide/index.html"));
    QTest::newRow("left press opens the address") << guide << Qt::LeftButton << true;
    QTest::newRow("web address") << QUrl(QStringLiteral("https://example.org/spelldeck")) << Qt::LeftButton
                                 << true;
    QTest::newRow("empty address opens nothing") << QUrl() << Qt::LeftButton << false;
    QTest::newRow("right press opens nothing") << guide << Qt::RightButton << false;
}

void TestAbout::linkPress()
{
    QFETCH(QUrl, address);
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, opens);

    TAboutBox box;
    box.setAddress(address);
    box.open();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    auto *link = box.findChild<WebLabel *>(QStringLiteral("sWebLabel1"));
    QVERIFY(link);

    // Opened on the press; releasing, even elsewhere, adds nothing.
    QTest::mousePress(link, button, {}, QPoint(2, 2));
    QCOMPARE(m_opened, opens ? QList<QUrl>{address} : QList<QUrl>{});
    QTest::mouseRelease(&box, button, {}, QPoint(300, 200));
    QCOMPARE(m_opened.size(), opens ? 1 : 0);
    QVERIFY(box.isVisible());
    box.close();
}

void TestAbout::linkLabelHover()
{
    WebLabel label;
    QFont normal(QStringLiteral("Tahoma"));
    normal.setPixelSize(13);
    QFont hover = normal;
    hover.setUnderline(true);
    label.setNormalFont(normal, Qt::black);
    label.setHoverFont(hover, Qt::blue);
    label.setText(QStringLiteral("guide"));
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));

    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), label.mapToGlobal(QPointF(1, 1)));
    QApplication::sendEvent(&label, &enter);
    QVERIFY(label.isHovered());
    QVERIFY(label.font().underline());
    QCOMPARE(label.palette().color(QPalette::WindowText), QColor(Qt::blue));

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&label, &leave);
    QVERIFY(!label.isHovered());
    QVERIFY(!label.font().underline());
    QCOMPARE(label.palette().color(QPalette::WindowText), QColor(Qt::black));
    label.close();
}

void TestAbout::longAddressIsShortened()
{
    TAboutBox box;
    auto *panel = box.findChild<QFrame *>(QStringLiteral("Panel1"));
    auto *link = box.findChild<WebLabel *>(QStringLiteral("sWebLabel1"));
    QVERIFY(panel && link);

    const QUrl shortAddress(QStringLiteral("https://example.org/"));
    box.setAddress(shortAddress);
    QCOMPARE(link->text(), shortAddress.toDisplayString());
    QVERIFY(link->toolTip().isEmpty());

    const QUrl longAddress =
        QUrl::fromLocalFile(QStringLiteral("/home/a-teacher-with-a-long-name/.local/opt/"
                                           "spelldeck/share/spelldeck/guide/index.html"));
    box.setAddress(longAddress);
    QVERIFY(link->geometry().right() < panel->width() - 1);
    QVERIFY(link->text() != longAddress.toDisplayString());
    QCOMPARE(link->toolTip(), longAddress.toDisplayString());
    QCOMPARE(link->address(), longAddress); // shortened for show only
}

void TestAbout::guideAddress_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("files"); // guides present; a name ending in "/" is a folder
    QTest::addColumn<QString>("expected");

    const QString shared = QStringLiteral("share/spelldeck/guide/");
    QTest::newRow("installed copy beside the program")
        << "C" << QStringList{shared + "index.html"} << shared + "index.html";
    QTest::newRow("run from a build folder: source copy")
        << "C" << QStringList{"src/index.html"} << "src/index.html";
    QTest::newRow("installed copy wins")
        << "C" << QStringList{shared + "index.html", "src/index.html"} << shared + "index.html";
    QTest::newRow("neither: no address") << "C" << QStringList() << QString();
    QTest::newRow("a folder is not a guide") << "C" << QStringList{shared + "index.html/"} << QString();
    QTest::newRow("German guide for a German locale")
        << "de_DE" << QStringList{shared + "index.html", shared + "index.de.html", shared + "index.fr.html"}
        << shared + "index.de.html";
    QTest::newRow("French guide for a Canadian French locale")
        << "fr_CA" << QStringList{shared + "index.html", shared + "index.de.html", shared + "index.fr.html"}
        << shared + "index.fr.html";
    QTest::newRow("English guide for English, whatever else is there")
        << "en_GB" << QStringList{shared + "index.html", shared + "index.de.html"} << shared + "index.html";
    QTest::newRow("English guide for a language without one")
        << "es_ES" << QStringList{shared + "index.html", shared + "index.de.html"} << shared + "index.html";
    QTest::newRow("source copy in the language when nothing is installed")
        << "de_AT" << QStringList{"src/index.html", "src/index.de.html"} << "src/index.de.html";
}

void TestAbout::guideAddress()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, files);
    QFETCH(QString, expected);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QDir dir(root.path());
    QVERIFY(dir.mkpath(QStringLiteral("bin")));
    QVERIFY(dir.mkpath(QStringLiteral("share/spelldeck/guide")));
    QVERIFY(dir.mkpath(QStringLiteral("src")));
    for (const QString &name : std::as_const(files)) {
        if (name.endsWith(QLatin1Char('/'))) {
            QVERIFY(dir.mkpath(name));
            continue;
        }
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("<html></html>") > 0);
    }

    const QUrl address = TAboutBox::guideAddress(
        dir.filePath(QStringLiteral("bin")), dir.filePath(QStringLiteral("src/index.html")), QLocale(locale));
    if (expected.isEmpty()) {
        QVERIFY(address.isEmpty());
    } else {
        const QString canonical = QFileInfo(dir.filePath(expected)).canonicalFilePath();
        QCOMPARE(address, QUrl::fromLocalFile(canonical));
    }
}

SPELLDECK_TEST_MAIN(TestAbout)
#include "tst_about.moc"
