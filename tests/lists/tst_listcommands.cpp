// The main window's Create and Edit commands, end to end through the real windows.
#include "Driving.h"
#include "ScriptedToolkit.h"
#include "TestDatabase.h"
#include "uDM.h"
#include "uMain.h"

#include <QWindow>
#include <QtTest>

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

class TestListCommands : public QObject
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

private:
    std::unique_ptr<Fixture> f;
};

void TestListCommands::createOpensEditor()
{
    const QPoint beside = f->main.childPosition();
    QPoint dialogAt;
    QPoint editorAt;
    QString caption;
    ModalScript script({[&](QWidget *dialog) {
                            dialogAt = dialog->pos();
                            typeInto(child<QLineEdit>(dialog, "sEdit1"), QStringLiteral("Tom's week"));
                            QVERIFY(press(dialog, "sButton2"));
                        },
                        [&](QWidget *editor) {
                            editorAt = editor->pos();
                            caption = editor->windowHandle()->title();
                            QVERIFY(press(editor, "btnAdd"));
                            typeInto(child<QLineEdit>(editor, "edtWord"), QStringLiteral("apple"));
                            QVERIFY(press(editor, "btnSave"));
                            editor->close();
                        }});
    QVERIFY(press(&f->main, "btnCreate"));

    QCOMPARE(script.seen(), QStringList({QStringLiteral("TfrmCreate"), QStringLiteral("TfrmEditor")}));
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

void TestListCommands::createOpensNoEditor_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<int>("errors");
    QTest::newRow("Cancel") << "Cancel" << QStringList() << 0;
    QTest::newRow("close box") << "close box" << QStringList() << 0;
    QTest::newRow("empty name") << "empty name" << QStringList{QString()} << 0;
    QTest::newRow("failed Create, then Cancel") << "failed" << QStringList() << 1;
}

void TestListCommands::createOpensNoEditor()
{
    QFETCH(QString, how);
    QFETCH(QStringList, stored);
    QFETCH(int, errors);
    if (how == QLatin1String("failed"))
        f->db.exec(QStringLiteral("create trigger refuse before insert on d_type "
                                  "begin select raise(abort, 'database is locked'); end"));
    ModalScript script({[&](QWidget *dialog) {
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

void TestListCommands::editOpensEditor()
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
    ModalScript script({[&](QWidget *chooser) {
                            QListWidget *lists = child<QListWidget>(chooser, "lstWord");
                            clickRow(lists, int(shownRows(lists).indexOf(QStringLiteral("Week 2"))));
                            QVERIFY(press(chooser, "btnOpen"));
                        },
                        [&](QWidget *editor) {
                            editorAt = editor->pos();
                            caption = editor->windowHandle()->title();
                            rows = shownRows(child<QListWidget>(editor, "lstWord"));
                            editor->close();
                        }});
    QVERIFY(press(&f->main, "btnEdit"));

    QCOMPARE(script.seen(), QStringList({QStringLiteral("TfrmSelected"), QStringLiteral("TfrmEditor")}));
    QCOMPARE(editorAt, beside);
    QCOMPARE(caption, QStringLiteral("Editing spelldeck: Week 2"));
    QCOMPARE(rows, QStringList({QStringLiteral("pear"), QStringLiteral("plum")}));
}

void TestListCommands::editOpensNoEditor_data()
{
    QTest::addColumn<bool>("wordsUnreadable");
    QTest::newRow("chooser closed") << false;
    QTest::newRow("words cannot be read") << true;
}

void TestListCommands::editOpensNoEditor()
{
    QFETCH(bool, wordsUnreadable);
    f->db.addList(QStringLiteral("Week 1"));
    if (wordsUnreadable)
        f->db.exec(QStringLiteral("alter table d_word rename to d_words"));
    ModalScript script({[&](QWidget *chooser) {
        clickRow(child<QListWidget>(chooser, "lstWord"), 0);
        QVERIFY(press(chooser, wordsUnreadable ? "btnOpen" : "btnClose"));
    }});
    QVERIFY(press(&f->main, "btnEdit"));

    QCOMPARE(script.seen(), QStringList{QStringLiteral("TfrmSelected")});
    QCOMPARE(f->boxes.errors(),
             wordsUnreadable ? QStringList{QStringLiteral("no such table: d_word.")} : QStringList());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

QTEST_MAIN(TestListCommands)
#include "tst_listcommands.moc"
