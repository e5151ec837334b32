#include "Application.h"
#include "DatabaseTool.h"
#include "Dataset.h"
#include "Exceptions.h"
#include "ModalForm.h"
#include "ScriptedToolkit.h"
#include "StringList.h"
#include "TestDatabase.h"
#include "TestMain.h"
#include "Toolkit.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVBoxLayout>

namespace {

// A window whose creation handler and click handler both fail, wired the way every window is.
class FailingWindow : public QWidget
{
public:
    FailingWindow()
    {
        button = new QPushButton(this);
        connectGuarded(button, &QPushButton::clicked, this, &FailingWindow::buttonClick);
        guarded([this] { FormCreate(); });
        created = true;
    }
    void FormCreate() { throw EDatabaseError(QStringLiteral("no such table: d_type")); }
    void buttonClick()
    {
        ++clicks;
        throw Exception(QStringLiteral("Handler failed?"));
    }

    QPushButton *button;
    bool created = false;
    int clicks = 0;
};

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

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void errorReportAppendsPeriod_data();
    void errorReportAppendsPeriod();
    void titleFromProgramFile_data();
    void titleFromProgramFile();
    void reportCatchesHandlerAndCreationErrors();
    void reportUsesInnermostMessage();
    void silentAbortIsNotReported();
    void notifyIsTheLastNet();
    void stringListChecksBounds();
    void fileTest();
    void fileDialogFilter();
    void modalFormKeys();

    void emptyResultIsEofAtOnce();
    void walkRecNoAndLast();
    void nullAndIntegerAsText();
    void missingColumnIsNamed();
    void changeMatchingNoRowPasses();
    void tableAppendReadsBackId();
    void failedPostStaysPendingUntilClose();
    void openFailures_data();
    void openFailures();
    void failedOpenIsRetriedByNextStatement();
    void readOnlyDatabaseReportsProviderText();
    void lockedDatabaseReportsProviderText();
    void transactionRollsBackWhenNotCommitted();
};

void TestPlatform::errorReportAppendsPeriod_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter") << "no such table: d_type" << "no such table: d_type.";
    QTest::newRow("digit") << "List index out of bounds (0" << "List index out of bounds (0.";
    QTest::newRow("question mark") << "Really?" << "Really?.";
    QTest::newRow("colon") << "Failed:" << "Failed:.";
    QTest::newRow("period") << "Done." << "Done.";
    QTest::newRow("exclamation") << "Stop!" << "Stop!";
    QTest::newRow("parenthesis") << "List index out of bounds (0)" << "List index out of bounds (0)";
    QTest::newRow("quote") << "Cannot open \"x\"" << "Cannot open \"x\"";
    QTest::newRow("comma") << "a," << "a,";
    QTest::newRow("hyphen") << "a-" << "a-";
    QTest::newRow("space") << "a " << "a ";
    QTest::newRow("newline") << "a\n" << "a\n";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("non-ASCII") << QStringLiteral("Größe") << QStringLiteral("Größe.");
}

void TestPlatform::errorReportAppendsPeriod()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(errorReportText(message), shown);
}

void TestPlatform::titleFromProgramFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("title");
    QTest::newRow("upper case with extension") << "C:/Apps/SPELLDECK.EXE" << "Spelldeck";
    QTest::newRow("lower case") << "/usr/bin/spelldeck" << "spelldeck";
    QTest::newRow("several dots") << "/opt/My.Trainer.bin" << "My";
    QTest::newRow("mixed case") << "/x/SpellDeck" << "Spelldeck";
    QTest::newRow("starts with a dot") << "/x/.hidden" << "";
}

void TestPlatform::titleFromProgramFile()
{
    QFETCH(QString, file);
    QFETCH(QString, title);
    QCOMPARE(Application::titleFor(file), title);
}

void TestPlatform::reportCatchesHandlerAndCreationErrors()
{
    ScriptedToolkit boxes;
    FailingWindow window;
    QVERIFY(window.created); // the creation went on after the report
    QCOMPARE(boxes.errors(), QStringList{"no such table: d_type."});
    QCOMPARE(boxes.boxes().constFirst().caption, Application::title());

    window.button->click();
    window.button->click(); // the program goes on: the handler runs again
    QCOMPARE(window.clicks, 2);
    QCOMPARE(boxes.errors(), (QStringList{"no such table: d_type.", "Handler failed?.", "Handler failed?."}));
}

void TestPlatform::reportUsesInnermostMessage()
{
    ScriptedToolkit boxes;
    guarded([] {
        try {
            throw EDatabaseError(QStringLiteral("inner text"));
        } catch (...) {
            std::throw_with_nested(Exception(QStringLiteral("outer text")));
        }
    });
    QCOMPARE(boxes.errors(), QStringList{"inner text."});
}

void TestPlatform::silentAbortIsNotReported()
{
    ScriptedToolkit boxes;
    bool after = false;
    guarded([] { throw EAbort(); });
    after = true;
    QVERIFY(after);
    QVERIFY(boxes.boxes().isEmpty());
}

void TestPlatform::notifyIsTheLastNet()
{
    ScriptedToolkit boxes;
    ThrowingObject target;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&target, &event);
    QCOMPARE(boxes.errors(), QStringList{"raised in an event."});
}

void TestPlatform::stringListChecksBounds()
{
    int a = 1;
    int b = 2;
    StringList<int> list;
    list.add(QStringLiteral("a"), &a);
    list.add(QStringLiteral("a"), &b); // duplicates are kept
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.object(1), &b);
    QCOMPARE(list.string(1), QStringLiteral("a"));
    for (qsizetype bad : {qsizetype(-1), qsizetype(2)}) {
        try {
            list.object(bad);
            QFAIL("no error for an index out of bounds");
        } catch (const EListError &e) {
            QCOMPARE(e.message(), QStringLiteral("List index out of bounds (%1)").arg(bad));
        }
    }
    list.clear();
    QVERIFY_THROWS_EXCEPTION(EListError, list.string(0));
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

    QVERIFY(fileExists(QStringLiteral("sounds/it's ünïcode.mp3")));
    QVERIFY(fileExists(dir.filePath(QStringLiteral("sounds/it's ünïcode.mp3"))));
    QVERIFY(!fileExists(QStringLiteral("sounds/folder.mp3"))); // a folder is not a file
    QVERIFY(!fileExists(QStringLiteral("sounds/missing.mp3")));
    QVERIFY(!fileExists(QString()));
    QDir::setCurrent(previous);
}

void TestPlatform::fileDialogFilter()
{
    QCOMPARE(QtToolkit::nameFilters(QStringLiteral("MP3 File(*.mp3)|*.mp3")), QStringList{"MP3 File(*.mp3)"});
    QCOMPARE(QtToolkit::nameFilters(QStringLiteral("Sounds|*.mp3;*.wav|All|*")),
             (QStringList{"Sounds (*.mp3 *.wav)", "All (*)"}));
}

void TestPlatform::modalFormKeys()
{
    ModalForm form;
    auto *layout = new QVBoxLayout(&form);
    auto *edit = new QLineEdit(&form);
    auto *first = new QPushButton(QStringLiteral("First"), &form);
    auto *second = new QPushButton(QStringLiteral("Second"), &form);
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
    QTest::keyClick(edit, Qt::Key_Return); // no default button
    QTest::keyClick(edit, Qt::Key_Escape); // no cancel button
    QVERIFY(form.isVisible());
    QCOMPARE(firstClicks + secondClicks, 0);

    second->setFocus();
    QTest::keyClick(second, Qt::Key_Return);
    QTest::keyClick(second, Qt::Key_Enter);
    QCOMPARE(secondClicks, 2);
    QCOMPARE(firstClicks, 0);
    QVERIFY(form.isVisible());

    form.close(); // the close box still closes
    QVERIFY(!form.isVisible());
}

// ---------------------------------------------------------------------------------------------

void TestPlatform::emptyResultIsEofAtOnce()
{
    TestDatabase db;
    Connection connection;
    connection.setDatabasePath(QStringLiteral("data/data.db"));
    Query query(connection);
    query.setSQL(QStringLiteral("select * from d_type"));
    query.open();
    QVERIFY(query.active());
    QVERIFY(query.eof());
    QCOMPARE(query.recNo(), 0);
    QCOMPARE(query.fieldByName(QStringLiteral("type_name")), QString());
}

void TestPlatform::walkRecNoAndLast()
{
    TestDatabase db;
    for (const char *name : {"a", "b", "c"})
        db.addList(QString::fromLatin1(name));
    Connection connection;
    connection.setDatabasePath(QStringLiteral("data/data.db"));
    Query query(connection);
    query.setSQL(QStringLiteral("select * from d_type order by type_id"));
    query.open();
    QStringList seen;
    QList<int> numbers;
    while (!query.eof()) {
        seen << query.fieldByName(QStringLiteral("TYPE_NAME")); // names are not case-sensitive
        numbers << query.recNo();
        query.next();
    }
    QCOMPARE(seen, (QStringList{"a", "b", "c"}));
    QCOMPARE(numbers, (QList<int>{1, 2, 3}));
    query.last();
    QCOMPARE(query.fieldByName(QStringLiteral("type_name")), QStringLiteral("c"));
    QCOMPARE(query.recNo(), 3);

    // A new text replaces the old one as a whole; closing ends the old result.
    query.close();
    QVERIFY(!query.active());
    query.setSQL(QStringLiteral("select count(*) as n from d_type"));
    query.open();
    QCOMPARE(query.fieldByName(QStringLiteral("n")), QStringLiteral("3"));
}

void TestPlatform::nullAndIntegerAsText()
{
    TestDatabase db;
    db.exec(QStringLiteral("insert into d_type(type_id, type_name) values(1234567, null)"));
    Connection connection;
    connection.setDatabasePath(QStringLiteral("data/data.db"));
    Query query(connection);
    query.setSQL(QStringLiteral("select * from d_type"));
    query.open();
    QCOMPARE(query.fieldByName(QStringLiteral("type_id")), QStringLiteral("1234567"));
    QVERIFY(query.fieldByName(QStringLiteral("type_name")).isEmpty());
}

void TestPlatform::missingColumnIsNamed()
{
    TestDatabase db;
    db.addList(QStringLiteral("a"));
    Connection connection;
    connection.setDatabasePath(QStringLiteral("data/data.db"));
    Query query(connection);
    query.setSQL(QStringLiteral("select type_id from d_type"));
    query.open();
    try {
        query.fieldByName(QStringLiteral("type_name"));
        QFAIL("no error for a missing column");
    } catch (const EDatabaseError &e) {
        QVERIFY2(e.message().contains(QStringLiteral("type_name")), qPrintable(e.message()));
    }
}

void TestPlatform::changeMatchingNoRowPasses()
{
    TestDatabase db;
    Connection connection;
    connection.setDatabasePath(QStringLiteral("data/data.db"));
    Query query(connection);
    query.setSQL(QStringLiteral("delete from d_word where word_id = 999"));
    query.execSQL();
    query.setSQL(QStringLiteral("update d_type set type_name ='x' where type_id = 999"));
    query.execSQL();
    query.setSQL(QStringLiteral("select * from nowhere"));
    try {
        query.open();
        QFAIL("no error for a bad statement");
    } catch (const EDatabaseError &e) {
        QCOMPARE(e.message(), QStringLiteral("no such table: nowhere"));
    }
}

void TestPlatform::tableAppendReadsBackId()
{
    TestDatabase db;
    db.addList(QStringLiteral("first"));
    db.exec(QStringLiteral("delete from d_type"));
    db.addList(QStringLiteral("second")); // ids keep counting up after a removal
    Connection connection;
    connection.setDatabasePath(QStringLiteral("data/data.db"));
    Table table(connection);
    table.setTableName(QStringLiteral("d_type"));
    table.open();
    QCOMPARE(table.recordCount(), 1);
    table.append();
    table.setFieldValue(QStringLiteral("type_name"), QStringLiteral("third"));
    table.post();
    table.last();
    QCOMPARE(table.fieldByName(QStringLiteral("type_id")), QStringLiteral("3"));
    QCOMPARE(table.fieldByName(QStringLiteral("type_name")), QStringLiteral("third"));
    QCOMPARE(db.scalar(QStringLiteral("select type_name from d_type where type_id = 3")), QStringLiteral("third"));
}

void TestPlatform::failedPostStaysPendingUntilClose()
{
    TestDatabase db;
    db.exec(QStringLiteral("create trigger refuse before insert on d_type when new.type_name = 'bad' "
                           "begin select raise(abort, 'refused by the database'); end"));
    Connection connection;
    connection.setDatabasePath(QStringLiteral("data/data.db"));
    Table table(connection);
    table.setTableName(QStringLiteral("d_type"));
    table.open();
    table.append();
    table.setFieldValue(QStringLiteral("type_name"), QStringLiteral("bad"));
    try {
        table.post();
        QFAIL("the refused row was posted");
    } catch (const EDatabaseError &e) {
        QCOMPARE(e.message(), QStringLiteral("refused by the database"));
    }
    QVERIFY(table.inserting());
    table.close();
    QVERIFY(!table.inserting());
    table.open();
    table.append();
    table.setFieldValue(QStringLiteral("type_name"), QStringLiteral(""));
    table.post();
    QCOMPARE(db.rows(QStringLiteral("select type_name, typeof(type_name) from d_type")), QStringList{"|text"});
}

void TestPlatform::openFailures_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("message");
    QTest::newRow("no file") << "nofile" << "unable to open database file";
    QTest::newRow("no folder") << "nofolder" << "unable to open database file";
    QTest::newRow("text file") << "text" << "file is not a database";
    QTest::newRow("folder in its place") << "folder" << "unable to open database file";
}

void TestPlatform::openFailures()
{
    QFETCH(QString, setup);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QDir folder(dir.path());
    if (setup != QLatin1String("nofolder"))
        folder.mkdir(QStringLiteral("data"));
    if (setup == QLatin1String("text")) {
        QFile file(folder.filePath(QStringLiteral("data/data.db")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("These are not the words you are looking for.\n").repeated(40));
    } else if (setup == QLatin1String("folder")) {
        folder.mkdir(QStringLiteral("data/data.db"));
    }
    Connection connection;
    connection.setDatabasePath(folder.filePath(QStringLiteral("data/data.db")));
    try {
        connection.open();
        QFAIL("opened");
    } catch (const EDatabaseError &e) {
        QCOMPARE(e.message(), message);
    }
    QVERIFY(!connection.connected());
    // Nothing was created in its place.
    if (setup == QLatin1String("nofile") || setup == QLatin1String("nofolder"))
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("data/data.db"))));
}

void TestPlatform::failedOpenIsRetriedByNextStatement()
{
    QTemporaryDir dir;
    Connection connection;
    connection.setDatabasePath(dir.filePath(QStringLiteral("data/data.db")));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, connection.open());
    Query query(connection);
    query.setSQL(QStringLiteral("select * from d_type"));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, query.open());

    DatabaseTool::createDatabase(dir.filePath(QStringLiteral("data/data.db")), false);
    query.open(); // the statement opens the connection first
    QVERIFY(connection.connected());
    QVERIFY(query.eof());
}

void TestPlatform::readOnlyDatabaseReportsProviderText()
{
    TestDatabase db;
    db.addList(QStringLiteral("kept"));
    Connection connection;
    connection.setDatabasePath(QStringLiteral("data/data.db"));
    if (!db.setReadOnly(true))
        QSKIP("this file system cannot make the file read-only");
    Query query(connection);
    query.setSQL(QStringLiteral("select * from d_type"));
    query.open(); // reading still works
    QCOMPARE(query.fieldByName(QStringLiteral("type_name")), QStringLiteral("kept"));
    query.setSQL(QStringLiteral("delete from d_type"));
    try {
        query.execSQL();
        QFAIL("wrote to a read-only database");
    } catch (const EDatabaseError &e) {
        QCOMPARE(e.message(), QStringLiteral("attempt to write a readonly database"));
    }
    db.setReadOnly(false);
    QCOMPARE(db.column(QStringLiteral("select type_name from d_type")), QStringList{"kept"});
}

void TestPlatform::lockedDatabaseReportsProviderText()
{
    TestDatabase db;
    Connection connection;
    connection.setDatabasePath(QStringLiteral("data/data.db"));
    connection.setBusyTimeout(100);
    connection.open();
    db.exec(QStringLiteral("begin exclusive"));
    Query query(connection);
    query.setSQL(QStringLiteral("insert into d_type(type_name) values('x')"));
    try {
        query.execSQL();
        QFAIL("wrote through another connection's lock");
    } catch (const EDatabaseError &e) {
        QCOMPARE(e.message(), QStringLiteral("database is locked"));
    }
    db.exec(QStringLiteral("rollback"));
    query.execSQL(); // the next try succeeds once the lock is gone
    QCOMPARE(db.column(QStringLiteral("select type_name from d_type")), QStringList{"x"});
}

void TestPlatform::transactionRollsBackWhenNotCommitted()
{
    TestDatabase db;
    Connection connection;
    connection.setDatabasePath(QStringLiteral("data/data.db"));
    Query query(connection);
    {
        Transaction transaction(connection);
        query.setSQL(QStringLiteral("insert into d_type(type_name) values('dropped')"));
        query.execSQL();
    }
    {
        Transaction transaction(connection);
        query.setSQL(QStringLiteral("insert into d_type(type_name) values('kept')"));
        query.execSQL();
        transaction.commit();
    }
    QCOMPARE(db.column(QStringLiteral("select type_name from d_type")), QStringList{"kept"});
}

SPELLDECK_TEST_MAIN(TestPlatform)
#include "tst_platform.moc"
