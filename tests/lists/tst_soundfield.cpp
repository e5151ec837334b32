// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The sound field: a path typed or chosen with the file dialog.
#include "FileNameEdit.h"
#include "ModalDriver.h"
#include "ScriptedToolkit.h"
#include "TestMain.h"
#include "Widgets.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMimeData>
#include <QTemporaryDir>

#include <memory>

namespace {

const QString kFilter = QStringLiteral("MP3 File(*.mp3)|*.mp3");

// A window holding the field, as the editor does, so that focus has somewhere to go.
struct FieldWindow
{
    QDialog window;
    QLineEdit *other = new QLineEdit(&window);
    FileNameEdit *field = new FileNameEdit(&window);

    FieldWindow()
    {
        field->setFilter(kFilter);
        field->move(0, 40);
        window.show();
        other->setFocus();
    }
};

} // namespace

class TestSoundField : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { QDir::setCurrent(m_previousDir); }

    void browseStart_data();
    void browseStart();
    void browseOkAndCancel();
    void browseKeys();
    void typingLimit();
    void dropsRefused();
    void realDialog();

private:
    QTemporaryDir m_dir;
    QString m_previousDir;
};

void TestSoundField::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("sounds/more")));
    for (const char *name : {"sounds/cat.mp3", "sounds/dog.mp3", "sounds/notes.txt"}) {
        QFile file(m_dir.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    m_previousDir = QDir::currentPath();
    QDir::setCurrent(m_dir.path());
}

void TestSoundField::browseStart_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("fileName");

    // "@" stands for the temporary folder, which holds sounds/ (with cat.mp3 and more/); the
    // previous use left the folder /previous and the name /previous/old.mp3.
    QTest::newRow("empty") << ""
                           << "/previous"
                           << "/previous/old.mp3";
    QTest::newRow("absolute path in an existing folder") << "@/sounds/cat.mp3"
                                                         << "@/sounds"
                                                         << "@/sounds/cat.mp3";
    QTest::newRow("file that does not exist") << "@/sounds/new.mp3"
                                              << "@/sounds"
                                              << "@/sounds/new.mp3";
    QTest::newRow("relative path") << "sounds/cat.mp3"
                                   << "sounds"
                                   << "sounds/cat.mp3";
    QTest::newRow("nested folder") << "sounds/more/x.mp3"
                                   << "sounds/more"
                                   << "sounds/more/x.mp3";
    QTest::newRow("folder only") << "@/sounds/"
                                 << "@/sounds"
                                 << "";
    QTest::newRow("root") << "/cat.mp3"
                          << "/"
                          << "/cat.mp3";
    QTest::newRow("missing folder") << "@/nowhere/cat.mp3"
                                    << "/previous"
                                    << "@/nowhere/cat.mp3";
    QTest::newRow("missing folder only") << "@/nowhere/"
                                         << "/previous"
                                         << "";
    QTest::newRow("a file in place of a folder") << "sounds/cat.mp3/x.mp3"
                                                 << "/previous"
                                                 << "sounds/cat.mp3/x.mp3";
    QTest::newRow("name without a folder") << "cat.mp3"
                                           << "/previous"
                                           << "cat.mp3";
    QTest::newRow("blank after the last slash") << "sounds/ "
                                                << "sounds"
                                                << "sounds/ ";
    QTest::newRow("blank before the folder") << " sounds/cat.mp3"
                                             << "/previous"
                                             << " sounds/cat.mp3";
    QTest::newRow("backslashes are ordinary") << "sounds\\cat.mp3"
                                              << "/previous"
                                              << "sounds\\cat.mp3";
    QTest::newRow("colon is ordinary") << "sounds/a:b.mp3"
                                       << "sounds"
                                       << "sounds/a:b.mp3";
    QTest::newRow("non-ASCII") << "sounds/größe.mp3"
                               << "sounds"
                               << "sounds/größe.mp3";
    for (const char *refused : {"<", ">", "\"", "|", "*", "?"}) {
        const QString text = QStringLiteral("@/sounds/c") + QLatin1String(refused) + QStringLiteral("t.mp3");
        QTest::addRow("refused %s", refused) << text << "/previous"
                                             << "/previous/old.mp3";
    }
}

void TestSoundField::browseStart()
{
    QFETCH(QString, text);
    QFETCH(QString, folder);
    QFETCH(QString, fileName);
    const auto here = [this](QString s) { return s.replace(QLatin1Char('@'), m_dir.path()); };

    const BrowseStart previous{QStringLiteral("/previous"), QStringLiteral("/previous/old.mp3")};
    const BrowseStart start = ::browseStart(here(text), previous);
    QCOMPARE(start.folder, here(folder));
    QCOMPARE(start.fileName, here(fileName));
}

void TestSoundField::browseOkAndCancel()
{
    ScriptedToolkit boxes;
    FieldWindow w;
    const QString cat = m_dir.filePath(QStringLiteral("sounds/cat.mp3"));
    const QString sounds = m_dir.filePath(QStringLiteral("sounds"));

    // First use with an empty field: the dialog's own folder and no name.
    boxes.answerOpenFile(cat);
    w.field->browse();
    QCOMPARE(w.field->text(), cat);
    QCOMPARE(w.window.focusWidget(), w.field);

    // Cancel changes nothing, and focus still comes back.
    w.other->setFocus();
    w.field->setFileName(QStringLiteral("typed|bad.mp3"));
    w.field->browse();
    QCOMPARE(w.field->text(), QStringLiteral("typed|bad.mp3"));
    QCOMPARE(w.window.focusWidget(), w.field);

    // After a choice, the next use with nothing usable in the field starts beside the chosen file.
    w.field->setFileName(QString());
    w.field->browse();

    const QList<ScriptedToolkit::Box> dialogs = boxes.boxes(ScriptedToolkit::OpenFile);
    QCOMPARE(dialogs.size(), 3);
    for (const ScriptedToolkit::Box &dialog : dialogs) {
        QCOMPARE(dialog.text, kFilter);
        QCOMPARE(dialog.owner.data(), &w.window);
    }
    QCOMPARE(dialogs.at(0).initial, QStringLiteral("|"));
    QCOMPARE(dialogs.at(1).initial, sounds + QLatin1Char('|') + cat);
    QCOMPARE(dialogs.at(2).initial, sounds + QLatin1Char('|') + cat);
}

void TestSoundField::browseKeys()
{
    ScriptedToolkit boxes;
    FieldWindow w;
    QTest::keyClick(w.field, Qt::Key_Down);
    QCOMPARE(boxes.boxes(ScriptedToolkit::OpenFile).size(), 0);
    QTest::keyClick(w.field, Qt::Key_Down, Qt::AltModifier);
    QCOMPARE(boxes.boxes(ScriptedToolkit::OpenFile).size(), 1);
    w.field->browseAction()->trigger();
    QCOMPARE(boxes.boxes(ScriptedToolkit::OpenFile).size(), 2);
    // The browse button sits at the right end of the field.
    const auto *button = w.field->findChild<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    QVERIFY(button);
    QVERIFY(button->geometry().left() > w.field->width() / 2);
}

void TestSoundField::typingLimit()
{
    FieldWindow w;
    QTest::keyClicks(w.field, QString(300, QLatin1Char('a')));
    QCOMPARE(w.field->text(), QString(255, QLatin1Char('a')));

    // A longer path set from code is shown whole; typing cannot lengthen it, deleting shortens it.
    const QString longPath = QString(300, QLatin1Char('b'));
    w.field->setFileName(longPath);
    QCOMPARE(w.field->text(), longPath);
    QTest::keyClick(w.field, Qt::Key_End);
    QTest::keyClick(w.field, Qt::Key_Backspace);
    QTest::keyClicks(w.field, QStringLiteral("cc"));
    QCOMPARE(w.field->text(), QString(299, QLatin1Char('b')));
    typeInto(w.field, QString(256, QLatin1Char('d')));
    QCOMPARE(w.field->text(), QString(255, QLatin1Char('d')));
}

void TestSoundField::dropsRefused()
{
    FieldWindow w;
    QVERIFY(!w.field->acceptDrops());
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(m_dir.filePath(QStringLiteral("sounds/cat.mp3")))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.field, &enter);
    QVERIFY(!enter.isAccepted());
}

void TestSoundField::realDialog()
{
    FieldWindow w;
    const QString sounds = m_dir.filePath(QStringLiteral("sounds"));
    w.field->setFileName(sounds + QStringLiteral("/cat.mp3"));
    QString folder;
    QStringList filters;
    QString nameBox;
    ModalDriver script({[&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        QVERIFY(dialog);
        folder = dialog->directory().absolutePath();
        filters = dialog->nameFilters();
        if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            nameBox = name->text();
        dialog->selectFile(sounds + QStringLiteral("/dog.mp3"));
        QMetaObject::invokeMethod(dialog, "accept"); // as the Open button does
    }});
    QTest::keyClick(w.field, Qt::Key_Down, Qt::AltModifier);

    QCOMPARE(script.seen(), QStringList{QStringLiteral("QFileDialog")});
    QCOMPARE(folder, QDir(sounds).absolutePath());
    QCOMPARE(filters, QStringList{QStringLiteral("MP3 File(*.mp3)")});
    QCOMPARE(nameBox, QStringLiteral("cat.mp3"));
    QCOMPARE(w.field->text(), sounds + QStringLiteral("/dog.mp3"));
    QCOMPARE(w.window.focusWidget(), w.field);
}

SPELLDECK_TEST_MAIN(TestSoundField)
#include "tst_soundfield.moc"
