// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The database tool: the schema it makes, the demo list, its command line, and the export and import
// commands run as a user runs them.
#include "DatabaseTool.h"
#include "Exceptions.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QScopeGuard>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
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

struct CommandRun
{
    int exitCode = -1;
    QString output;
    QString errors;
};

// Runs the tool in `folder` with standard output and standard error apart; false when it did not start
// or did not end by itself.
bool runCommand(const QString &folder, const QStringList &arguments, CommandRun *run)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral(SPELLDECK_DB_TOOL), arguments);
    if (!process.waitForStarted(30000) || !process.waitForFinished(60000) ||
        process.exitStatus() != QProcess::NormalExit)
        return false;
    run->exitCode = process.exitCode();
    run->output = QString::fromUtf8(process.readAllStandardOutput());
    run->errors = QString::fromUtf8(process.readAllStandardError());
    return true;
}

QStringList filesBelow(const QString &folder)
{
    QStringList files;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden, QDir::Name))
        files << name;
    for (const QString &sub : dir.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name)) {
        for (const QString &name : filesBelow(dir.filePath(sub)))
            files << sub + QLatin1Char('/') + name;
    }
    return files;
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
    void exportThenImport();
    void commandsOnAnotherDatabase();
    void importsATextFileUnderItsName();
    void versionAndUpgrade();
    void listsTheVoices();
    void importSpeaksWordsWithoutARecording_data();
    void importSpeaksWordsWithoutARecording();
    void sentencesSurviveExportAndImport();
    void initMakesAServerReady();
    void copyToAServerAndBack();
    void commandHelp_data();
    void commandHelp();
    void commandFailures_data();
    void commandFailures();
};

void TestTools::createsSchema()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("nested/folder/data.db"));
    DatabaseTool::createDatabase(file, false);
    QCOMPARE(rows(file, QStringLiteral("pragma user_version")), QStringList{"4"});
    QCOMPARE(
        rows(file, QStringLiteral("select name from sqlite_master where type in ('table','index','trigger') "
                                  "and name not like 'sqlite%' order by name")),
        (QStringList{"d_answer", "d_answer_learner_time", "d_answer_learner_word", "d_answer_miss",
                     "d_answer_test", "d_answer_word", "d_learner", "d_learner_account", "d_recording",
                     "d_sentence", "d_test", "d_test_end", "d_test_learner", "d_type", "d_type_delete_words",
                     "d_word", "d_word_delete_sentence", "d_word_list_order"}));
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

void TestTools::exportThenImport()
{
    QTemporaryDir dir;
    CommandRun run;
    QVERIFY(runCommand(dir.path(), {"--demo"}, &run));
    QCOMPARE(run.exitCode, 0);

    QVERIFY(runCommand(dir.path(), {"export", "Everyday words", "demo.spelldeck"}, &run));
    QCOMPARE(run.errors, QString());
    QCOMPARE(
        run.output,
        QStringLiteral("Exported 8 words of \"Everyday words\" to demo.spelldeck; 0 without a recording.\n"));
    QCOMPARE(run.exitCode, 0);

    QVERIFY(runCommand(dir.path(), {"import", "demo.spelldeck"}, &run));
    QCOMPARE(run.errors, QString());
    QCOMPARE(run.output,
             QStringLiteral(
                 "Imported 8 words into the new list \"Everyday words\" (id 2); 8 with a recording.\n"));
    QCOMPARE(run.exitCode, 0);

    // By id, under a new name; the package of the same name is replaced.
    QVERIFY(runCommand(dir.path(), {"export", "2", "demo.spelldeck"}, &run));
    QCOMPARE(run.exitCode, 0);
    QVERIFY(runCommand(dir.path(), {"import", "--name", "  Copy of a copy ", "demo.spelldeck"}, &run));
    QCOMPARE(run.output,
             QStringLiteral(
                 "Imported 8 words into the new list \"Copy of a copy\" (id 3); 8 with a recording.\n"));
    QCOMPARE(run.exitCode, 0);

    const QString file = dir.filePath(QStringLiteral("data/data.db"));
    QCOMPARE(rows(file, QStringLiteral("select type_id, type_name from d_type order by type_id")),
             (QStringList{"1|Everyday words", "2|Everyday words", "3|Copy of a copy"}));
    const QStringList copies =
        rows(file, QStringLiteral("select word_name, word_sound, word_order from d_word "
                                  "where type_id = 3 order by word_order"));
    QCOMPARE(copies, (QStringList{"apple|data/sounds/apple-3.mp3|1", "house|data/sounds/house-3.mp3|2",
                                  "green|data/sounds/green-3.mp3|3", "water|data/sounds/water-3.mp3|4",
                                  "school|data/sounds/school-3.mp3|5", "friend|data/sounds/friend-3.mp3|6",
                                  "happy|data/sounds/happy-3.mp3|7", "little|data/sounds/little-3.mp3|8"}));
    for (const QString &row : copies) {
        const QString word = row.section(QLatin1Char('|'), 0, 0);
        QCOMPARE(contents(dir.filePath(row.section(QLatin1Char('|'), 1, 1))),
                 contents(dir.filePath(QStringLiteral("data/sounds/") + word + QStringLiteral(".mp3"))));
    }
}

void TestTools::commandsOnAnotherDatabase()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("elsewhere")));
    CommandRun run;
    QVERIFY(runCommand(dir.path(), {"--demo", "school/words/data.db"}, &run));
    QCOMPARE(run.exitCode, 0);

    // Started from another folder, relative paths are its own.
    const QString elsewhere = dir.filePath(QStringLiteral("elsewhere"));
    QVERIFY(runCommand(elsewhere, {"export", "--database", "../school/words/data.db", "1", "demo.spelldeck"},
                       &run));
    QCOMPARE(run.errors, QString());
    QCOMPARE(run.exitCode, 0);
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("elsewhere/demo.spelldeck"))).isFile());
    QVERIFY(
        runCommand(elsewhere, {"import", "demo.spelldeck", "--database", "../school/words/data.db"}, &run));
    QCOMPARE(run.errors, QString());
    QCOMPARE(run.exitCode, 0);

    // Recordings go beside the database and are stored as the program, run from "school", finds them.
    const QString file = dir.filePath(QStringLiteral("school/words/data.db"));
    QCOMPARE(rows(file, QStringLiteral("select word_sound from d_word where type_id = 2 and word_order = 1")),
             QStringList{"words/sounds/apple-2.mp3"});
    QCOMPARE(contents(dir.filePath(QStringLiteral("school/words/sounds/apple-2.mp3"))),
             contents(dir.filePath(QStringLiteral("school/words/sounds/apple.mp3"))));
    QCOMPARE(filesBelow(elsewhere), QStringList{"demo.spelldeck"});
}

void TestTools::importsATextFileUnderItsName()
{
    QTemporaryDir dir;
    CommandRun run;
    QVERIFY(runCommand(dir.path(), {}, &run));
    QVERIFY(
        runCommand(dir.path(), {"import", QStringLiteral(SPELLDECK_FIXTURES "/exchange/words.txt")}, &run));
    QCOMPARE(run.errors, QString());
    QCOMPARE(run.output,
             QStringLiteral("Imported 4 words into the new list \"words\" (id 1); 0 with a recording.\n"));
    QCOMPARE(rows(dir.filePath(QStringLiteral("data/data.db")),
                  QStringLiteral("select word_name, word_sound, word_order from d_word order by word_order")),
             (QStringList{"apple||1", "ice cream||2", QStringLiteral("Größe||3"), "house||4"}));
}

void TestTools::listsTheVoices()
{
    QTemporaryDir dir;
    CommandRun run;
    QVERIFY(runCommand(dir.path(), {"voices"}, &run));
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.errors, QString());
    const QStringList lines = run.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(lines.size() > 100);
    // A name, then what the user reads; the names line up.
    QStringList voices;
    QSet<QString> names;
    const qsizetype column = lines.constFirst().indexOf(QStringLiteral("English"));
    for (const QString &line : lines) {
        const QString name = line.section(QLatin1Char(' '), 0, 0);
        QVERIFY2(!name.isEmpty() && line.mid(name.size(), column - name.size()).trimmed().isEmpty(),
                 qPrintable(line));
        names.insert(name);
        voices << name + QStringLiteral(": ") + line.mid(column);
    }
    QCOMPARE(names.size(), lines.size());
    QCOMPARE(voices.first(4),
             (QStringList{"flite/rms: English (America), clear, male",
                          "flite/kal16: English (America), steady, male",
                          "flite/awb: English (Scotland), male", "flite/slt: English (America), female"}));
    QVERIFY(voices.contains(QStringLiteral("gmw/de: German")));
    QVERIFY(voices.contains(QStringLiteral("roa/fr: French (France)")));
    QVERIFY(!names.contains(QStringLiteral("gmw/en")));
    // Nothing was made or written.
    QCOMPARE(filesBelow(dir.path()), QStringList{});
}

void TestTools::importSpeaksWordsWithoutARecording_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("voice");
    QTest::newRow("the default voice: the clearest English one") << QStringList{"--speak"} << "flite/rms";
    QTest::newRow("a Flite voice") << QStringList{"--speak", "--voice", "flite/slt"} << "flite/slt";
    QTest::newRow("an espeak-ng voice") << QStringList{"--voice", "gmw/de", "--speak"} << "gmw/de";
}

void TestTools::importSpeaksWordsWithoutARecording()
{
    QFETCH(QStringList, options);
    QFETCH(QString, voice);
    QTemporaryDir dir;
    CommandRun run;
    QVERIFY(runCommand(dir.path(), {"school/data/data.db"}, &run));
    QFile words(dir.filePath(QStringLiteral("words.csv")));
    QVERIFY(words.open(QIODevice::WriteOnly));
    words.write("cat," SPELLDECK_FIXTURES "/cat.mp3\napple\n?!\nice cream\n");
    words.close();
    QProcess process;
    process.setWorkingDirectory(dir.path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(SPELLDECK_DB_TOOL),
                  QStringList{"import", "words.csv", "--database", "school/data/data.db"} + options);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(QString::fromUtf8(process.readAllStandardError()), QString());
    QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()),
             "Imported 4 words into the new list \"words\" (id 1); 3 with a recording, 2 of them spoken by " +
                 voice + ".\n");
    QCOMPARE(process.exitCode(), 0);
    // Into the sounds folder beside the database, stored relative to the folder Spelldeck runs from; a
    // word the voice says nothing for stays without a recording.
    QCOMPARE(rows(dir.filePath(QStringLiteral("school/data/data.db")),
                  QStringLiteral("select word_name, word_sound from d_word order by word_order")),
             (QStringList{"cat|" SPELLDECK_FIXTURES "/cat.mp3", "apple|data/sounds/apple.mp3", "?!|",
                          "ice cream|data/sounds/ice_cream.mp3"}));
    QCOMPARE(filesBelow(dir.filePath(QStringLiteral("school/data/sounds"))),
             (QStringList{"apple.mp3", "ice_cream.mp3"}));
    const QByteArray mp3 = contents(dir.filePath(QStringLiteral("school/data/sounds/apple.mp3")));
    QVERIFY(mp3.size() > 500);
    QVERIFY(mp3.left(400).contains("Xing") || mp3.left(400).contains("Info"));
}

void TestTools::sentencesSurviveExportAndImport()
{
    QTemporaryDir dir;
    CommandRun run;
    QVERIFY(runCommand(dir.path(), {}, &run));
    QFile words(dir.filePath(QStringLiteral("homophones.csv")));
    QVERIFY(words.open(QIODevice::WriteOnly));
    words.write("word,recording,sentence\n"
                "their,,They took their coats.\n"
                "there,,\"Put it \"\"over there\"\", please.\"\n"
                "bare\n");
    words.close();
    QVERIFY(runCommand(dir.path(), {"import", "homophones.csv", "--speak"}, &run));
    QCOMPARE(run.errors, QString());
    QCOMPARE(run.exitCode, 0);
    const QString first = dir.filePath(QStringLiteral("data/data.db"));
    const QString sentences = QStringLiteral(
        "select w.word_name, s.sentence from d_word w join d_sentence s on s.word_id = w.word_id "
        "order by w.word_order");
    QCOMPARE(rows(first, sentences),
             (QStringList{"their|They took their coats.", "there|Put it \"over there\", please."}));
    // Spoken as the word, the sentence and the word again: far longer than a word alone.
    const qint64 alone = QFileInfo(dir.filePath(QStringLiteral("data/sounds/bare.mp3"))).size();
    QVERIFY(alone > 0);
    QVERIFY2(QFileInfo(dir.filePath(QStringLiteral("data/sounds/their.mp3"))).size() > 3 * alone,
             qPrintable(QString::number(alone)));

    // Exported, then imported into a file of the first release, which gains the sentences' table.
    QVERIFY(runCommand(dir.path(), {"export", "homophones", "homophones.spelldeck"}, &run));
    QCOMPARE(run.exitCode, 0);
    const QString old = dir.filePath(QStringLiteral("old/data.db"));
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("old"))));
    QVERIFY(QFile::copy(QStringLiteral(SPELLDECK_FIXTURES "/schema/version1.db"), old));
    QFile::setPermissions(old, QFile::ReadOwner | QFile::WriteOwner);
    QVERIFY(runCommand(dir.path(), {"import", "homophones.spelldeck", "--database", "old/data.db"}, &run));
    QCOMPARE(run.errors, QString());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(rows(old, QStringLiteral("pragma user_version")), QStringList{"4"});
    QCOMPARE(rows(old, sentences),
             (QStringList{"their|They took their coats.", "there|Put it \"over there\", please."}));
    QCOMPARE(rows(old, QStringLiteral("select word_name from d_word where type_id = 3 order by word_order")),
             (QStringList{"their", "there", "bare"}));
}

// Statements on the test server's database `name`, as the login "spelldeck" in the role `role` (none:
// its own): each statement's rows, columns joined by "|", or the server's text of its failure.
QStringList onServer(const QString &name, const QString &role, const QStringList &statements)
{
    QStringList result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("server"));
        db.setHostName(QString::fromLocal8Bit(qgetenv("SPELLDECK_TEST_SERVER")));
        db.setDatabaseName(name);
        db.setUserName(QStringLiteral("spelldeck"));
        if (!db.open())
            return {QStringLiteral("cannot connect: ") + db.lastError().databaseText()};
        QSqlQuery query(db);
        if (!role.isEmpty())
            query.exec(QStringLiteral("set role ") + role);
        for (const QString &statement : statements) {
            if (!query.exec(statement)) {
                // "ERROR:  text\n(SQLSTATE)": the text.
                result << query.lastError().databaseText().section(QLatin1Char('\n'), 0, 0).mid(8);
                continue;
            }
            while (query.next()) {
                QStringList row;
                for (int i = 0; i < query.record().count(); ++i)
                    row << query.value(i).toString();
                result << row.join(QLatin1Char('|'));
            }
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("server"));
    return result;
}

void TestTools::initMakesAServerReady()
{
    if (qEnvironmentVariableIsEmpty("SPELLDECK_TEST_SERVER"))
        QSKIP("SPELLDECK_TEST_SERVER names no server (scripts/test-server.sh starts one)");
    const QString name = QStringLiteral("tools%1").arg(QCoreApplication::applicationPid());
    onServer(QStringLiteral("postgres"), {}, {"drop database if exists " + name, "create database " + name});
    QTemporaryDir dir;
    QFile settings(dir.filePath(QStringLiteral("database.conf")));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("[database]\ndriver=postgresql\nhost=" + qgetenv("SPELLDECK_TEST_SERVER") +
                   "\nname=" + name.toUtf8() + "\nuser=spelldeck\n");
    settings.close();

    CommandRun run;
    QVERIFY(runCommand(dir.path(), {"init", "--server", "database.conf"}, &run));
    QCOMPARE(run.errors, QString());
    QCOMPARE(run.output,
             QStringLiteral("Made the word lists' tables on the server (version 4). Teachers get the "
                            "role spelldeck_teacher, learners spelldeck_learner.\n"));
    QCOMPARE(run.exitCode, 0);
    QVERIFY(runCommand(dir.path(), {"init", "--server", "database.conf"}, &run));
    QCOMPARE(run.output,
             QStringLiteral("The server's database is at version 4 already. Teachers get the role "
                            "spelldeck_teacher, learners spelldeck_learner.\n"));
    QCOMPARE(run.exitCode, 0);

    // A teacher changes the lists; a learner reads them and adds results, and may change nothing else.
    QCOMPARE(onServer(name, QStringLiteral("spelldeck_teacher"),
                      {"insert into d_type(type_name) values('Week 1') returning type_id",
                       "insert into d_word(word_name, type_id) values('their', 1) returning word_id",
                       "insert into d_recording values('h', 'x') returning recording_hash"}),
             (QStringList{"1", "1", "h"}));
    QCOMPARE(
        onServer(name, QStringLiteral("spelldeck_learner"),
                 {"select word_name from d_word", "insert into d_word(word_name, type_id) values('x', 1)",
                  "update d_word set word_name = 'x'", "delete from d_type",
                  "insert into d_learner(learner_name) values('Ann') returning learner_id",
                  "delete from d_learner", "select recording_hash from d_recording",
                  "insert into d_recording values('i', 'y')"}),
        (QStringList{"their", "permission denied for table d_word", "permission denied for table d_word",
                     "permission denied for table d_type", "1", "permission denied for table d_learner", "h",
                     "permission denied for table d_recording"}));
    onServer(QStringLiteral("postgres"), {}, {"drop database " + name + " with (force)"});

    // Settings that name no server, and init without them.
    QFile local(dir.filePath(QStringLiteral("local.conf")));
    QVERIFY(local.open(QIODevice::WriteOnly));
    local.write("[database]\ndriver=sqlite\n");
    local.close();
    QVERIFY(runCommand(dir.path(), {"init", "--server", "local.conf"}, &run));
    QCOMPARE(run.errors,
             QStringLiteral("spelldeck-db: local.conf names no server (its driver is sqlite).\n"));
    QCOMPARE(run.exitCode, 1);
    QVERIFY(runCommand(dir.path(), {"init"}, &run));
    QCOMPARE(run.exitCode, 2);
}

void TestTools::copyToAServerAndBack()
{
    if (qEnvironmentVariableIsEmpty("SPELLDECK_TEST_SERVER"))
        QSKIP("SPELLDECK_TEST_SERVER names no server (scripts/test-server.sh starts one)");
    const QString name = QStringLiteral("copy%1").arg(QCoreApplication::applicationPid());
    onServer(QStringLiteral("postgres"), {}, {"drop database if exists " + name, "create database " + name});
    // A teacher's login copies; the server's owner made it ready.
    const QString teacher = QStringLiteral("teacher%1").arg(QCoreApplication::applicationPid());
    auto dropped = qScopeGuard([&] {
        onServer(QStringLiteral("postgres"), {},
                 {"drop database if exists " + name + " with (force)", "drop role if exists " + teacher});
    });
    QTemporaryDir dir;
    for (const auto &[file, user] :
         {std::pair{"database.conf", QStringLiteral("spelldeck")}, std::pair{"teacher.conf", teacher}}) {
        QFile settings(dir.filePath(QString::fromLatin1(file)));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("[database]\ndriver=postgresql\nhost=" + qgetenv("SPELLDECK_TEST_SERVER") +
                       "\nname=" + name.toUtf8() + "\nuser=" + user.toUtf8() + "\n");
    }
    CommandRun run;
    QVERIFY(runCommand(dir.path(), {"--demo"}, &run));
    QVERIFY(runCommand(dir.path(), {"copy", "--server", "database.conf"}, &run));
    QCOMPARE(run.errors,
             QStringLiteral("spelldeck-db: The server's database is not ready for this Spelldeck: "
                            "run \"spelldeck-db init --server database.conf\" first.\n"));
    QCOMPARE(run.exitCode, 1);
    QVERIFY(runCommand(dir.path(), {"init", "--server", "database.conf"}, &run));
    onServer(QStringLiteral("postgres"), {}, {"create role " + teacher + " login in role spelldeck_teacher"});

    // The demo list, a second list whose words share one recording or have none, a sentence with
    // quotes, and a learner's test with a non-ASCII answer.
    const QString file = dir.filePath(QStringLiteral("data/data.db"));
    rows(file, "insert into d_type(type_name) values('l''été \"2\"')");
    rows(file, "insert into d_word(word_name, word_sound, type_id, word_order) values"
               "('château', 'data/sounds/apple.mp3', 2, 1), ('pomme', 'data/sounds/apple.mp3', 2, 2),"
               " ('gone', 'data/sounds/gone.mp3', 2, 3)");
    rows(file, "insert into d_sentence values(9, 'Il a dit \"château\" deux fois.')");
    rows(file, "insert into d_learner(learner_name, learner_account) values('Zoë', 'zoe')");
    rows(file, "insert into d_test values('t1', 1, 2, 'l''été \"2\"', 0, 1000)");
    rows(file, "insert into d_test_end values('t1', 2000, 'finished', 1)");
    rows(file,
         "insert into d_answer values('a1', 't1', 1, 2, 'l''été \"2\"', 9, 'château', 'chateau', 0, 1, 1500,"
         " 4000000000, 2), ('a2', 't1', 1, 2, 'l''été \"2\"', 10, 'pomme', 'pomme', 1, 1, 1600, 900, 1)");
    const QStringList words =
        rows(file, "select word_id, word_name, type_id, word_order from d_word order by 1");
    QCOMPARE(words.size(), 11);
    const QStringList tables{"select * from d_type order by 1",     "select * from d_sentence order by 1",
                             "select * from d_learner order by 1",  "select * from d_test order by 1",
                             "select * from d_test_end order by 1", "select * from d_answer order by 1"};
    QStringList before;
    for (const QString &sql : tables)
        before << rows(file, sql).join('\n');

    // All or nothing: a recording that cannot be kept leaves the server as it was.
    QFile big(dir.filePath(QStringLiteral("big.mp3")));
    QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(50 * 1024 * 1024 + 1));
    big.close();
    rows(file, "update d_word set word_sound = 'big.mp3' where word_id = 11");
    QVERIFY(runCommand(dir.path(), {"copy", "--server", "teacher.conf"}, &run));
    QCOMPARE(run.errors,
             QStringLiteral("spelldeck-db: The recording \"big.mp3\" is larger than 50 MB and is not "
                            "kept.\n"));
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(onServer(name, {}, {"select count(*) from d_type", "select count(*) from d_recording"}),
             (QStringList{"0", "0"}));
    rows(file, "update d_word set word_sound = 'data/sounds/gone.mp3' where word_id = 11");

    // Up, from another folder: relative recordings are found beside the database's folder.
    const QString elsewhere = dir.filePath(QStringLiteral("elsewhere"));
    QVERIFY(QDir().mkpath(elsewhere));
    QVERIFY(runCommand(elsewhere, {"copy", "--server", "../teacher.conf", "--database", "../data/data.db"},
                       &run));
    QCOMPARE(run.errors, QString());
    QCOMPARE(run.output,
             QStringLiteral("Copied 2 lists with 11 words (10 recordings), 1 learners, 1 tests and 2 "
                            "answers to the server. 1 words' recordings were not found; they keep "
                            "their paths.\n"));
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(onServer(name, {}, {"select word_id, word_name, type_id, word_order from d_word order by 1"}),
             words);
    for (qsizetype i = 0; i < tables.size(); ++i)
        QCOMPARE(onServer(name, {}, {tables.at(i)}).join('\n'), before.at(i));
    const QString apple =
        "recording:" +
        QCryptographicHash::hash(contents(dir.filePath("data/sounds/apple.mp3")), QCryptographicHash::Sha256)
            .toHex();
    QCOMPARE(onServer(name, {},
                      {"select word_sound from d_word where word_id in (1, 9, 10, 11) order by word_id"}),
             (QStringList{apple, apple, apple, "data/sounds/gone.mp3"}));
    // Eight demo recordings, each once.
    QCOMPARE(onServer(name, {}, {"select count(*) from d_recording"}), QStringList{"8"});
    // New rows are numbered after the copied ones.
    QCOMPARE(onServer(name, QStringLiteral("spelldeck_teacher"),
                      {"insert into d_type(type_name) values('new') returning type_id",
                       "insert into d_word(word_name, type_id) values('new', 3) returning word_id"}),
             (QStringList{"3", "12"}));
    onServer(name, {}, {"delete from d_type where type_id = 3"});

    // Never into a server that holds lists.
    QVERIFY(runCommand(dir.path(), {"copy", "--server", "teacher.conf"}, &run));
    QCOMPARE(run.errors, QStringLiteral("spelldeck-db: The server already holds word lists or results; copy "
                                        "only into a server that holds none. Nothing was copied.\n"));
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(onServer(name, {}, {"select count(*) from d_word"}), QStringList{"11"});

    // And down again, into a new file, the recordings beside it.
    QVERIFY(runCommand(
        dir.path(), {"copy", "--from-server", "--server", "teacher.conf", "--database", "back/data/data.db"},
        &run));
    QCOMPARE(run.errors, QString());
    QCOMPARE(run.output,
             QStringLiteral("Copied 2 lists with 11 words (10 recordings), 1 learners, 1 tests and 2 "
                            "answers from the server to back/data/data.db.\n"));
    const QString back = dir.filePath(QStringLiteral("back/data/data.db"));
    QCOMPARE(rows(back, "select word_id, word_name, type_id, word_order from d_word order by 1"), words);
    for (qsizetype i = 0; i < tables.size(); ++i)
        QCOMPARE(rows(back, tables.at(i)).join('\n'), before.at(i));
    const QString appleBack = "data/sounds/" + apple.mid(10) + ".mp3";
    QCOMPARE(rows(back, "select word_sound from d_word where word_id in (1, 9, 11) order by word_id"),
             (QStringList{appleBack, appleBack, "data/sounds/gone.mp3"}));
    QCOMPARE(contents(dir.filePath("back/" + appleBack)), contents(dir.filePath("data/sounds/apple.mp3")));
    QCOMPARE(QDir(dir.filePath("back/data/sounds")).entryList(QDir::Files).size(), 8);
    QCOMPARE(QDir(dir.filePath("back/data")).entryList(QDir::Files | QDir::Hidden), QStringList{"data.db"});
    // Never over a file.
    const QByteArray made = contents(back);
    QVERIFY(runCommand(
        dir.path(), {"copy", "--from-server", "--server", "teacher.conf", "--database", "back/data/data.db"},
        &run));
    QCOMPARE(run.errors,
             QStringLiteral("spelldeck-db: \"back/data/data.db\" already exists; copy from the server "
                            "only into a new file.\n"));
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(contents(back), made);
}

void TestTools::versionAndUpgrade()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("data/data.db"));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("data")));
    QVERIFY(QFile::copy(QStringLiteral(SPELLDECK_FIXTURES "/schema/version1.db"), file));
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    const QStringList words = rows(file, QStringLiteral("select * from d_word order by word_id"));
    CommandRun run;
    const QList<std::pair<QStringList, QString>> steps{
        {{"version"}, "data/data.db: version 1; \"spelldeck-db upgrade\" brings it to version 4.\n"},
        {{"upgrade"}, "Upgraded data/data.db from version 1 to version 4.\n"},
        {{"version"}, "data/data.db: version 4, the newest this Spelldeck knows.\n"},
        {{"upgrade"}, "data/data.db is at version 4 already.\n"},
    };
    for (const auto &[arguments, output] : steps) {
        QVERIFY(runCommand(dir.path(), arguments, &run));
        QCOMPARE(run.errors, QString());
        QCOMPARE(run.output, output);
        QCOMPARE(run.exitCode, 0);
    }
    QCOMPARE(rows(file, QStringLiteral("pragma user_version")), QStringList{"4"});
    QCOMPARE(rows(file, QStringLiteral("select * from d_word order by word_id")), words);

    // A newer file is reported and left alone.
    rows(file, QStringLiteral("pragma user_version = 5"));
    QVERIFY(runCommand(dir.path(), {"version", "--database", file}, &run));
    QCOMPARE(run.output, file + ": version 5, made by a newer Spelldeck (this one knows up to version 4).\n");
    QVERIFY(runCommand(dir.path(), {"upgrade", "--database", file}, &run));
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.errors, "spelldeck-db: " + file +
                             " is version 5, made by a newer Spelldeck; this one knows up to version 4 and "
                             "leaves it as it is.\n");
    QCOMPARE(rows(file, QStringLiteral("pragma user_version")), QStringList{"5"});
}

void TestTools::commandHelp_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("mentioned");
    QTest::newRow("the tool") << QStringList{"--help"}
                              << QStringList{"spelldeck-db export LIST FILE", "spelldeck-db import FILE",
                                             "--speak", "spelldeck-db voices", "--demo"};
    QTest::newRow("export") << QStringList{"export", "--help"}
                            << QStringList{"export LIST FILE", "--database"};
    QTest::newRow("import") << QStringList{"import", "-h"}
                            << QStringList{"import FILE", "--database", "--name", "--speak", "--voice"};
    QTest::newRow("voices") << QStringList{"voices", "--help"} << QStringList{"voices", "Flite", "espeak-ng"};
    QTest::newRow("version") << QStringList{"version", "--help"} << QStringList{"version", "--database"};
    QTest::newRow("upgrade") << QStringList{"upgrade", "--help"} << QStringList{"upgrade", "--database"};
}

void TestTools::commandHelp()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, mentioned);
    QTemporaryDir dir;
    CommandRun run;
    QVERIFY(runCommand(dir.path(), arguments, &run));
    QCOMPARE(run.exitCode, 0);
    for (const QString &text : mentioned)
        QVERIFY2(run.output.contains(text), qPrintable(run.output));
    QCOMPARE(filesBelow(dir.path()), QStringList{});
}

void TestTools::commandFailures_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message"); // the first line on standard error; {dir} is the folder

    QTest::newRow("export without a file")
        << QStringList{"export", "1"} << 2 << "spelldeck-db: export takes a list and a file.";
    QTest::newRow("export with three arguments") << QStringList{"export", "1", "a.spelldeck", "b"} << 2
                                                 << "spelldeck-db: export takes a list and a file.";
    QTest::newRow("import without a file")
        << QStringList{"import"} << 2 << "spelldeck-db: import takes one file.";
    QTest::newRow("import of two files")
        << QStringList{"import", "a.txt", "b.txt"} << 2 << "spelldeck-db: import takes one file.";
    QTest::newRow("unknown option") << QStringList{"import", "--demo", "words.txt"} << 2
                                    << "spelldeck-db: Unknown option 'demo'.";
    QTest::newRow("name without a value")
        << QStringList{"import", "words.txt", "--name"} << 2 << "spelldeck-db: Missing value after '--name'.";
    QTest::newRow("blank name") << QStringList{"import", "--name", "  ", "words.txt"} << 2
                                << "spelldeck-db: the list's name must not be empty.";
    QTest::newRow("a voice without speaking") << QStringList{"import", "words.txt", "--voice", "gmw/de"} << 2
                                              << "spelldeck-db: --voice goes with --speak.";
    QTest::newRow("an unknown voice")
        << QStringList{"import", "words.txt", "--speak", "--voice", "flite/kal"} << 1
        << "spelldeck-db: The voice \"flite/kal\" is not available; \"spelldeck-db voices\" lists those "
           "that are.";
    QTest::newRow("voices with an argument")
        << QStringList{"voices", "English"} << 2 << "spelldeck-db: voices takes no arguments.";
    QTest::newRow("no such list") << QStringList{"export", "Animals", "a.spelldeck"} << 1
                                  << "spelldeck-db: There is no list \"Animals\".";
    QTest::newRow("no such file") << QStringList{"import", "nothing.txt"} << 1
                                  << "spelldeck-db: \"{dir}/nothing.txt\" is not a file.";
    QTest::newRow("a bad CSV file")
        << QStringList{"import", "bad.csv"} << 1
        << "spelldeck-db: Line 2 of \"{dir}/bad.csv\": a quoted field is never closed.";
    QTest::newRow("no such database")
        << QStringList{"import", "--database", "other/data.db", "words.txt"} << 1
        << "spelldeck-db: The database \"other/data.db\" does not exist; make one "
           "with spelldeck-db first.";
    QTest::newRow("version of a file named without --database")
        << QStringList{"version", "data/data.db"} << 2
        << "spelldeck-db: version takes no file; name the database with --database.";
    QTest::newRow("upgrade of a missing database")
        << QStringList{"upgrade", "--database", "other/data.db"} << 1
        << "spelldeck-db: The database \"other/data.db\" does not exist.";
    QTest::newRow("package into a missing folder") << QStringList{"export", "1", "missing/a.spelldeck"} << 1
                                                   << "spelldeck-db: \"{dir}/missing/a.spelldeck\" cannot be "
                                                      "written: ...";
}

void TestTools::commandFailures()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QTemporaryDir dir;
    CommandRun run;
    QVERIFY(runCommand(dir.path(), {"--demo"}, &run));
    QFile words(dir.filePath(QStringLiteral("words.txt")));
    QVERIFY(words.open(QIODevice::WriteOnly));
    words.write("cat\n");
    words.close();
    QFile bad(dir.filePath(QStringLiteral("bad.csv")));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("cat\n\"dog,x\n");
    bad.close();
    const QStringList before = filesBelow(dir.path());
    const QString database = dir.filePath(QStringLiteral("data/data.db"));
    const QStringList lists = rows(database, QStringLiteral("select * from d_type"));

    QVERIFY(runCommand(dir.path(), arguments, &run));
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.output, QString());
    const QString expected = QString(message).replace(QStringLiteral("{dir}"), dir.path());
    const QString first = run.errors.section(QLatin1Char('\n'), 0, 0);
    if (expected.endsWith(QStringLiteral("...")))
        QVERIFY2(first.startsWith(expected.chopped(3)), qPrintable(run.errors));
    else
        QCOMPARE(first, expected);
    if (exitCode == 2)
        QCOMPARE(run.errors.section(QLatin1Char('\n'), 1),
                 QStringLiteral("Try \"spelldeck-db %1 --help\".\n").arg(arguments.constFirst()));
    // Nothing was stored or written.
    QCOMPARE(filesBelow(dir.path()), before);
    QCOMPARE(rows(database, QStringLiteral("select * from d_type")), lists);
}

QTEST_GUILESS_MAIN(TestTools)
#include "tst_tools.moc"
