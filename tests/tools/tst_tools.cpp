// The database tool: the schema it makes, the demo list, and its command line.
#include "DatabaseTool.h"
#include "Exceptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Rows of a query on a database file, columns joined by "|".
QStringList rows(const QString &file, const QString &sql)
{
    QStringList result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(file);
        if (!db.open())
            return {QStringLiteral("cannot open")};
        QSqlQuery query(db);
        if (!query.exec(sql))
            return {QStringLiteral("cannot run")};
        while (query.next()) {
            QStringList row;
            for (int i = 0; query.value(i).isValid(); ++i)
                row << query.value(i).toString();
            result << row.join(QLatin1Char('|'));
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
    return result;
}

struct ToolRun
{
    int exitCode = -1;
    QString output;
};

// Runs the tool in `folder`; false when it did not start or did not end by itself.
bool runTool(const QString &folder, const QStringList &arguments, ToolRun *run)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(SPELLDECK_DB_TOOL), arguments);
    if (!process.waitForStarted(30000) || !process.waitForFinished(30000) ||
        process.exitStatus() != QProcess::NormalExit)
        return false;
    run->exitCode = process.exitCode();
    run->output = QString::fromUtf8(process.readAll());
    return true;
}

QByteArray contents(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

} // namespace

class TestTools : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void createsSchema();
    void demoListPlaysFromTheFolderThatHoldsData();
    void demoKeepsRecordingsAlreadyThere();
    void refusesToOverwrite_data();
    void refusesToOverwrite();
    void failedCreationLeavesNoFile_data();
    void failedCreationLeavesNoFile();
    void commandLine();
    void commandLineRefusesTwoFiles();
};

void TestTools::createsSchema()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("nested/folder/data.db"));
    DatabaseTool::createDatabase(file, false);
    QCOMPARE(rows(file, QStringLiteral("pragma user_version")), QStringList{"1"});
    QCOMPARE(
        rows(file, QStringLiteral("select name from sqlite_master where type in ('table','index','trigger') "
                                  "and name not like 'sqlite%' order by name")),
        (QStringList{"d_type", "d_type_delete_words", "d_word", "d_word_list_order"}));
    QCOMPARE(rows(file, QStringLiteral("select count(*) from d_type")), QStringList{"0"});
    // Nothing but the database is left in the folder (no temporary or journal files).
    QCOMPARE(QDir(dir.filePath(QStringLiteral("nested/folder"))).entryList(QDir::Files | QDir::Hidden),
             QStringList{"data.db"});
}

void TestTools::demoListPlaysFromTheFolderThatHoldsData()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("data/data.db"));
    DatabaseTool::createDatabase(file, true);
    const QStringList lists = rows(file, QStringLiteral("select type_name from d_type"));
    QCOMPARE(lists, QStringList{"Everyday words"});
    const QStringList words = rows(
        file, QStringLiteral("select word_name, word_sound, word_order from d_word order by word_order"));
    QCOMPARE(words, (QStringList{"apple|data/sounds/apple.mp3|1", "house|data/sounds/house.mp3|2",
                                 "green|data/sounds/green.mp3|3", "water|data/sounds/water.mp3|4",
                                 "school|data/sounds/school.mp3|5", "friend|data/sounds/friend.mp3|6",
                                 "happy|data/sounds/happy.mp3|7", "little|data/sounds/little.mp3|8"}));
    for (const QString &row : words) {
        const QStringList columns = row.split(QLatin1Char('|'));
        const QFileInfo sound(QDir(dir.path()).filePath(columns.at(1)));
        QVERIFY2(sound.isFile(), qPrintable(columns.at(1)));
        QVERIFY(sound.size() > 1000);
        QFile mp3(sound.filePath());
        QVERIFY(mp3.open(QIODevice::ReadOnly));
        const QByteArray head = mp3.read(3);
        QVERIFY(head == "ID3" || (quint8(head.at(0)) == 0xFF && (quint8(head.at(1)) & 0xE0) == 0xE0));
    }
}

void TestTools::demoKeepsRecordingsAlreadyThere()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("data/sounds")));
    const QString own = dir.filePath(QStringLiteral("data/sounds/apple.mp3"));
    QFile mine(own);
    QVERIFY(mine.open(QIODevice::WriteOnly));
    mine.write("the teacher's own recording");
    mine.close();

    try {
        DatabaseTool::createDatabase(dir.filePath(QStringLiteral("data/data.db")), true);
    } catch (const Exception &e) {
        QFAIL(qPrintable(e.message()));
    }
    QCOMPARE(contents(own), QByteArray("the teacher's own recording"));
    // The others were copied.
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("data/sounds/house.mp3"))).size() > 1000);
}

void TestTools::refusesToOverwrite_data()
{
    QTest::addColumn<QByteArray>("existing");
    QTest::newRow("a database") << QByteArray();
    QTest::newRow("any file") << QByteArray("the teacher's notes");
}

void TestTools::refusesToOverwrite()
{
    QFETCH(QByteArray, existing);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("data.db"));
    if (existing.isEmpty()) {
        DatabaseTool::createDatabase(file, false);
        existing = [&] {
            QFile f(file);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
    } else {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(existing);
    }
    try {
        DatabaseTool::createDatabase(file, true);
        QFAIL("overwrote an existing file");
    } catch (const Exception &e) {
        QVERIFY2(e.message().contains(QStringLiteral("already exists")), qPrintable(e.message()));
    }
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), existing);
}

void TestTools::failedCreationLeavesNoFile_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<QString>("message");
    // A file where the recordings' folder must go: the database is complete by then.
    QTest::newRow("recordings cannot be copied") << "data/sounds"
                                                 << "Cannot create the folder";
    QTest::newRow("no folder for the database") << "data"
                                                << "Cannot create the folder";
}

void TestTools::failedCreationLeavesNoFile()
{
    QFETCH(QString, obstacle);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QFileInfo(dir.filePath(obstacle)).path()));
    QFile blocker(dir.filePath(obstacle));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    try {
        DatabaseTool::createDatabase(dir.filePath(QStringLiteral("data/data.db")), true);
        QFAIL("created in spite of the obstacle");
    } catch (const Exception &e) {
        QVERIFY2(e.message().contains(message), qPrintable(e.message()));
    }
    // Nothing but the obstacle: no database, no temporary file.
    QDir data(dir.filePath(QStringLiteral("data")));
    if (obstacle == QLatin1String("data"))
        QVERIFY(QFileInfo(data.path()).isFile());
    else
        QCOMPARE(data.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"sounds"});
}

void TestTools::commandLine()
{
    QTemporaryDir dir;
    ToolRun first;
    QVERIFY(runTool(dir.path(), {QStringLiteral("--demo")}, &first));
    QCOMPARE(first.exitCode, 0);
    QCOMPARE(first.output, QStringLiteral("Created data/data.db with the demo list\n"));
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("data/data.db"))).isFile());

    ToolRun again;
    QVERIFY(runTool(dir.path(), {QStringLiteral("--demo")}, &again));
    QCOMPARE(again.exitCode, 1);
    QVERIFY2(again.output.contains(QStringLiteral("already exists")), qPrintable(again.output));

    ToolRun named;
    QVERIFY(runTool(dir.path(), {QStringLiteral("other place/it's ünïcode.db")}, &named));
    QCOMPARE(named.exitCode, 0);
    QCOMPARE(rows(dir.filePath(QStringLiteral("other place/it's ünïcode.db")),
                  QStringLiteral("select count(*) from d_word")),
             QStringList{"0"});
}

void TestTools::commandLineRefusesTwoFiles()
{
    QTemporaryDir dir;
    ToolRun run;
    QVERIFY(runTool(dir.path(), {QStringLiteral("a.db"), QStringLiteral("b.db")}, &run));
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.output, QStringLiteral("spelldeck-db: give at most one file\n"));
    QVERIFY(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
}

QTEST_GUILESS_MAIN(TestTools)
#include "tst_tools.moc"
