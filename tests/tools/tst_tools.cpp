#include "DatabaseTool.h"
#include "Exceptions.h"
#include "TestMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

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
    int exitCode;
    QString output;
};

ToolRun runTool(const QString &folder, const QStringList &arguments)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(SPELLDECK_DB_TOOL), arguments);
    process.waitForFinished(30000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAll())};
}

} // namespace

class TestTools : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void createsSchema();
    void demoListPlaysFromTheFolderThatHoldsData();
    void refusesToOverwrite_data();
    void refusesToOverwrite();
    void commandLine();
};

void TestTools::createsSchema()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("nested/folder/data.db"));
    DatabaseTool::createDatabase(file, false);
    QCOMPARE(rows(file, QStringLiteral("pragma user_version")), QStringList{QString::number(DatabaseTool::kSchemaVersion)});
    QCOMPARE(rows(file, QStringLiteral("select name from sqlite_master where type in ('table','index','trigger') "
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
    QCOMPARE(lists, QStringList{QString::fromLatin1(DatabaseTool::kDemoListName)});
    const QStringList words = rows(file, QStringLiteral("select word_name, word_sound, word_order from d_word order by word_order"));
    QCOMPARE(words.size(), DatabaseTool::demoWords().size());
    QVERIFY(words.size() >= 6 && words.size() <= 10);
    int order = 0;
    for (const QString &row : words) {
        const QStringList columns = row.split(QLatin1Char('|'));
        QCOMPARE(columns.at(2).toInt(), ++order);
        QVERIFY(QDir::isRelativePath(columns.at(1)));
        const QFileInfo sound(QDir(dir.path()).filePath(columns.at(1)));
        QVERIFY2(sound.isFile(), qPrintable(columns.at(1)));
        QVERIFY(sound.size() > 1000);
        QFile mp3(sound.filePath());
        QVERIFY(mp3.open(QIODevice::ReadOnly));
        const QByteArray head = mp3.read(3);
        QVERIFY(head == "ID3" || (quint8(head.at(0)) == 0xFF && (quint8(head.at(1)) & 0xE0) == 0xE0));
    }
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

void TestTools::commandLine()
{
    QTemporaryDir dir;
    const ToolRun first = runTool(dir.path(), {QStringLiteral("--demo")});
    QCOMPARE(first.exitCode, 0);
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("data/data.db"))).isFile());

    const ToolRun again = runTool(dir.path(), {QStringLiteral("--demo")});
    QVERIFY(again.exitCode != 0);
    QVERIFY2(again.output.contains(QStringLiteral("already exists")), qPrintable(again.output));

    const ToolRun named = runTool(dir.path(), {QStringLiteral("other place/it's ünïcode.db")});
    QCOMPARE(named.exitCode, 0);
    QCOMPARE(rows(dir.filePath(QStringLiteral("other place/it's ünïcode.db")), QStringLiteral("select count(*) from d_word")),
             QStringList{"0"});
}

SPELLDECK_TEST_MAIN(TestTools)
#include "tst_tools.moc"
