// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The application object's error report and last net, and the toolkit's operations: the title rule,
// the file test, the sound path rule, the file dialog's filter and the real modal boxes.
#include "Application.h"
#include "ErrorGuard.h"
#include "Exceptions.h"
#include "ModalDriver.h"
#include "ScriptedToolkit.h"
#include "TestMain.h"
#include "Toolkit.h"
#include "Widgets.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

// Raises from inside event delivery, where only the application's last net can catch it.
class ThrowingObject : public QObject
{
protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::User)
            throw std::runtime_error("raised in an event");
        return QObject::event(event);
    }
};

QPushButton *boxButton(QWidget *box, QDialogButtonBox::StandardButton which)
{
    auto *buttons = box->findChild<QDialogButtonBox *>();
    return buttons ? buttons->button(which) : nullptr;
}

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void titleFromProgramFile_data();
    void titleFromProgramFile();
    void errorReportIsTheToolkitsErrorBox();
    void notifyIsTheLastNet();
    void fileTest();
    void playablePath_data();
    void playablePath();
    void fileDialogFilter_data();
    void fileDialogFilter();
    void realInputBox_data();
    void realInputBox();
    void realQuestionBox_data();
    void realQuestionBox();
    void realInformationAndErrorBoxes_data();
    void realInformationAndErrorBoxes();
    void realFileDialogs_data();
    void realFileDialogs();
};

void TestPlatform::titleFromProgramFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("title");
    QTest::newRow("upper case with extension") << "C:/Apps/SPELLDECK.EXE"
                                               << "Spelldeck";
    QTest::newRow("lower case") << "/usr/bin/spelldeck"
                                << "spelldeck";
    QTest::newRow("several dots") << "/opt/My.Trainer.bin"
                                  << "My";
    QTest::newRow("mixed case") << "/x/SpellDeck"
                                << "Spelldeck";
    QTest::newRow("starts with a dot") << "/x/.hidden"
                                       << "";
    QTest::newRow("non-ASCII") << QStringLiteral("/x/ÉCOLE.EXE") << QStringLiteral("École");
}

void TestPlatform::titleFromProgramFile()
{
    QFETCH(QString, file);
    QFETCH(QString, title);
    QCOMPARE(titleFor(file), title);
}

void TestPlatform::errorReportIsTheToolkitsErrorBox()
{
    ScriptedToolkit boxes;
    QWidget active;
    active.show();
    active.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&active));
    guarded([] { throw EDatabaseError(QStringLiteral("no such table: d_type")); });
    QCOMPARE(boxes.boxes().size(), 1);
    const ScriptedToolkit::Box box = boxes.boxes().constFirst();
    QCOMPARE(box.kind, ScriptedToolkit::Error);
    // This program's file is tst_platform.
    QCOMPARE(box.caption, QStringLiteral("tst_platform"));
    QCOMPARE(box.text, QStringLiteral("no such table: d_type."));
    QCOMPARE(box.owner.data(), &active);

    showMessage(QStringLiteral("Done"));
    QCOMPARE(boxes.boxes().constLast().kind, ScriptedToolkit::Information);
    QCOMPARE(boxes.boxes().constLast().caption, QStringLiteral("tst_platform"));
    QCOMPARE(boxes.boxes().constLast().text, QStringLiteral("Done"));
}

void TestPlatform::notifyIsTheLastNet()
{
    ScriptedToolkit boxes;
    ThrowingObject target;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&target, &event);
    QCOMPARE(boxes.errors(), QStringList{"raised in an event."});
}

void TestPlatform::fileTest()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QVERIFY(QDir().mkpath(QStringLiteral("sounds/folder.mp3")));
    QFile file(QStringLiteral("sounds/it's ünïcode.mp3"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    const bool relative = fileExists(QStringLiteral("sounds/it's ünïcode.mp3"));
    const bool absolute = fileExists(dir.filePath(QStringLiteral("sounds/it's ünïcode.mp3")));
    const bool folder = fileExists(QStringLiteral("sounds/folder.mp3"));
    const bool missing = fileExists(QStringLiteral("sounds/missing.mp3"));
    QDir::setCurrent(previous);
    QVERIFY(relative);
    QVERIFY(absolute);
    QVERIFY(!folder); // a folder is not a file
    QVERIFY(!missing);
    QVERIFY(!fileExists(QString()));
}

void TestPlatform::playablePath_data()
{
    // Files to make: "cwd/..." under the current folder, "app/..." under the program folder; a
    // trailing "/" makes a folder. {cwd}, {app} and {fixtures} are replaced in `sound` and `played`.
    QTest::addColumn<QString>("sound");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("played"); // the file found; empty when none

    QTest::newRow("relative, found as stored first")
        << "w.mp3" << QStringList{"cwd/w.mp3", "app/w.mp3"} << "w.mp3";
    QTest::newRow("relative, only in the program folder")
        << "sounds/w.mp3" << QStringList{"app/sounds/w.mp3"} << "{app}/sounds/w.mp3";
    QTest::newRow("relative, nowhere") << "w.mp3" << QStringList{} << "";
    QTest::newRow("absolute") << "{cwd}/w.mp3" << QStringList{"cwd/w.mp3"} << "{cwd}/w.mp3";
    QTest::newRow("absolute, missing") << "{cwd}/w.mp3" << QStringList{"app/w.mp3"} << "";
    QTest::newRow("empty") << "" << QStringList{"app/w.mp3"} << "";
    QTest::newRow("a folder is not a file")
        << "w.mp3" << QStringList{"cwd/w.mp3/", "app/w.mp3"} << "{app}/w.mp3";
    QTest::newRow("folders only") << "w.mp3" << QStringList{"cwd/w.mp3/", "app/w.mp3/"} << "";
    // Plain concatenation: the program folder's separator and the path's own are both kept.
    QTest::newRow("no separator removed") << "/w.mp3" << QStringList{"app/w.mp3"} << "{app}//w.mp3";
    QTest::newRow("spaces, quotes, accents")
        << "{fixtures}/spaced 'quoted' wörd/crème brûlée.mp3" << QStringList{}
        << "{fixtures}/spaced 'quoted' wörd/crème brûlée.mp3";
    const QString deep = QStringLiteral("a-folder-name-of-some-forty-characters-x/").repeated(8) + "w.mp3";
    QTest::newRow("long path") << deep << QStringList{"cwd/" + deep} << deep;
    QTest::newRow("path too long for the system")
        << QStringLiteral("x/").repeated(3000) + "w.mp3" << QStringList{"app/w.mp3"} << "";
}

void TestPlatform::playablePath()
{
    QFETCH(QString, sound);
    QFETCH(QStringList, files);
    QFETCH(QString, played);

    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkpath("cwd") && QDir(root.path()).mkpath("app"));
    const QString cwd = root.filePath("cwd");
    const QString app = root.filePath("app");
    for (const QString &file : files) {
        const QString path = root.filePath(file);
        if (file.endsWith('/')) {
            QVERIFY(QDir().mkpath(path));
        } else {
            QVERIFY(QDir().mkpath(QFileInfo(path).path()));
            QFile made(path);
            QVERIFY(made.open(QIODevice::WriteOnly));
        }
    }
    const auto expand = [&](QString text) {
        return text.replace("{cwd}", cwd).replace("{app}", app).replace("{fixtures}", SPELLDECK_FIXTURES);
    };
    const QString previous = QDir::currentPath();
    QDir::setCurrent(cwd);
    const QString found = ::playablePath(expand(sound), app + '/');
    QDir::setCurrent(previous);
    QCOMPARE(found, expand(played));
}

void TestPlatform::fileDialogFilter_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("nameFilters");
    QTest::newRow("patterns already shown") << "MP3 File(*.mp3)|*.mp3" << QStringList{"MP3 File(*.mp3)"};
    QTest::newRow("patterns added") << "Sounds|*.mp3;*.wav|All|*"
                                    << QStringList{"Sounds (*.mp3 *.wav)", "All (*)"};
    QTest::newRow("dangling description") << "Sounds|*.mp3|All" << QStringList{"Sounds (*.mp3)"};
}

void TestPlatform::fileDialogFilter()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, nameFilters);
    QCOMPARE(QtToolkit::nameFilters(filter), nameFilters);
}

void TestPlatform::realInputBox_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("answer");
    QTest::newRow("OK with the text edited") << "ok"
                                             << "edited";
    QTest::newRow("Enter presses OK") << "enter"
                                      << "edited";
    QTest::newRow("Cancel") << "cancel"
                            << "initial name";
    QTest::newRow("Escape") << "escape"
                            << "initial name";
    QTest::newRow("close box") << "close"
                               << "initial name";
}

void TestPlatform::realInputBox()
{
    QFETCH(QString, how);
    QFETCH(QString, answer);
    QtToolkit toolkit;
    QString caption;
    QString prompt;
    QString selected;
    ModalDriver driver({[&](QWidget *modal) {
        auto *dialog = qobject_cast<QInputDialog *>(modal);
        QVERIFY(dialog);
        caption = dialog->windowTitle();
        prompt = dialog->labelText();
        auto *edit = child<QLineEdit>(dialog, "");
        selected = edit->selectedText();
        QTest::keyClicks(edit, QStringLiteral("edited"));
        if (how == "ok")
            QTest::mouseClick(boxButton(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
        else if (how == "enter")
            QTest::keyClick(edit, Qt::Key_Return);
        else if (how == "cancel")
            QTest::mouseClick(boxButton(dialog, QDialogButtonBox::Cancel), Qt::LeftButton);
        else if (how == "escape")
            QTest::keyClick(edit, Qt::Key_Escape);
        else
            dialog->close();
    }});
    const QString result = toolkit.inputText(nullptr, QStringLiteral("Rename"), QStringLiteral("New name:"),
                                             QStringLiteral("initial name"));
    QCOMPARE(driver.seen(), QStringList{"QInputDialog"});
    QCOMPARE(result, answer);
    QCOMPARE(caption, QStringLiteral("Rename"));
    QCOMPARE(prompt, QStringLiteral("New name:"));
    QCOMPARE(selected, QStringLiteral("initial name")); // all of it selected
}

void TestPlatform::realQuestionBox_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes") << "yes" << true;
    QTest::newRow("No") << "no" << false;
    QTest::newRow("close box") << "close" << false;
    QTest::newRow("Escape") << "escape" << false;
}

void TestPlatform::realQuestionBox()
{
    QFETCH(QString, how);
    QFETCH(bool, yes);
    QtToolkit toolkit;
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    ModalDriver driver({[&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        QVERIFY(box);
        caption = box->windowTitle();
        text = box->text();
        icon = box->icon();
        if (how == "yes")
            QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
        else if (how == "no")
            QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
        else if (how == "escape")
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->close();
    }});
    QCOMPARE(toolkit.question(nullptr, QStringLiteral("Confirm Deletion"), QStringLiteral("Sure?")), yes);
    QCOMPARE(driver.seen(), QStringList{"QMessageBox"});
    QCOMPARE(caption, QStringLiteral("Confirm Deletion"));
    QCOMPARE(text, QStringLiteral("Sure?"));
    QCOMPARE(icon, QMessageBox::Question);
}

void TestPlatform::realInformationAndErrorBoxes_data()
{
    QTest::addColumn<bool>("error");
    QTest::addColumn<int>("icon");
    QTest::newRow("information") << false << int(QMessageBox::NoIcon);
    QTest::newRow("error report") << true << int(QMessageBox::Critical);
}

void TestPlatform::realInformationAndErrorBoxes()
{
    QFETCH(bool, error);
    QFETCH(int, icon);
    QtToolkit toolkit;
    QStringList buttons;
    int shownIcon = -1;
    QString text;
    Qt::TextFormat format = Qt::AutoText;
    ModalDriver driver({[&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        QVERIFY(box);
        for (QAbstractButton *button : box->buttons())
            buttons << button->text();
        shownIcon = box->icon();
        text = box->text();
        format = box->textFormat();
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    }});
    // Plain text: a word list's name in a message is never read as markup.
    const QString message = QStringLiteral("<b>Week 1</b> & more");
    if (error)
        toolkit.errorBox(nullptr, QStringLiteral("spelldeck"), message);
    else
        toolkit.information(nullptr, QStringLiteral("spelldeck"), message);
    QCOMPARE(driver.seen(), QStringList{"QMessageBox"});
    QCOMPARE(buttons, QStringList{"OK"});
    QCOMPARE(shownIcon, icon);
    QCOMPARE(text, message);
    QCOMPARE(format, Qt::PlainText);
}

void TestPlatform::realFileDialogs_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("accept");
    QTest::newRow("several files, OK") << "open" << true;
    QTest::newRow("several files, Cancel") << "open" << false;
    QTest::newRow("save, OK") << "save" << true;
    QTest::newRow("save, Cancel") << "save" << false;
}

void TestPlatform::realFileDialogs()
{
    QFETCH(QString, kind);
    QFETCH(bool, accept);
    QTemporaryDir dir;
    for (const char *name : {"a.mp3", "b.mp3"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QtToolkit toolkit;
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    QString proposed;
    ModalDriver driver({[&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        QVERIFY(dialog);
        mode = dialog->acceptMode();
        if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            proposed = name->text();
        if (!accept) {
            dialog->reject();
            return;
        }
        if (kind == "open") {
            dialog->selectFile(QStringLiteral("\"a.mp3\" \"b.mp3\""));
        } else {
            dialog->selectFile(dir.filePath(QStringLiteral("list.spelldeck")));
        }
        QMetaObject::invokeMethod(dialog, "accept");
    }});
    if (kind == "open") {
        const QStringList chosen =
            toolkit.openFiles(nullptr, QStringLiteral("MP3 File(*.mp3)|*.mp3"), dir.path());
        QCOMPARE(mode, QFileDialog::AcceptOpen);
        QCOMPARE(chosen,
                 accept ? (QStringList{dir.filePath("a.mp3"), dir.filePath("b.mp3")}) : QStringList());
    } else {
        const std::optional<QString> chosen =
            toolkit.saveFile(nullptr, QStringLiteral("Spelldeck list|*.spelldeck"), dir.path(),
                             QStringLiteral("Week 1.spelldeck"));
        QCOMPARE(mode, QFileDialog::AcceptSave);
        QCOMPARE(proposed, QStringLiteral("Week 1.spelldeck"));
        QCOMPARE(chosen, accept ? std::optional<QString>(dir.filePath("list.spelldeck")) : std::nullopt);
    }
    QCOMPARE(driver.seen(), QStringList{"QFileDialog"});
}

SPELLDECK_TEST_MAIN(TestPlatform)
#include "tst_platform.moc"
