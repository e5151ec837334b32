// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Spelldeck on a PostgreSQL server with a class at work, against the file: what bench/server/run.sh
// runs, one mode at a time, in the folder the program runs from and with the settings file the
// environment names (XDG_CONFIG_DIRS), so every mode opens the database the program would open.
//
//   bench_server fill --out FILE         adds the pupils' 20-word list and a list of 10,000 words
//                                        (and 9,998 more lists) to the program's database, and
//                                        prints their ids
//   bench_server class --list ID --pupils N --seconds S --out FILE
//                                        N pupils, each a process of its own, taking tests at once
//   bench_server pupil --number K --list ID --seconds S      one of them (started by class)
//   bench_server editor --list ID --runs N --out FILE        the editor opened on a list, N times
//   bench_server connect --runs N --out FILE                 what connecting costs a fresh process,
//                                        step by step (each run in a process of its own)
//   bench_server table --class F --editor-file F --editor-server F --startup CSV --connect-file F
//                      --connect-server F                the figures as a Markdown table
#include "Bench.h"
#include "Figures.h"
#include "Pupil.h"
#include "QuietToolkit.h"

#include "Application.h"
#include "Catalogue.h"
#include "Dataset.h"
#include "Schema.h"
#include "ServerSettings.h"
#include "uDM.h"
#include "uEditor.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

[[noreturn]] void fail(const QString &why)
{
    std::fprintf(stderr, "bench_server: %s\n", qPrintable(why));
    std::exit(1);
}

void check(bool ok, const QSqlQuery &query)
{
    if (!ok)
        fail(query.lastError().text());
}

// The words the pupils are asked, each with one of the demo recordings; the 8 first are the demo's own.
const QStringList kTestWords{"apple", "friend",  "green",  "happy",  "house",     "little",   "school",
                             "water", "because", "people", "their",  "there",     "said",     "would",
                             "could", "should",  "which",  "answer", "beautiful", "different"};
const QStringList kRecordings{"apple", "friend", "green", "happy", "house", "little", "school", "water"};

// Plain inserts in one transaction, the same on either database the settings name.
int fill(const QString &out)
{
    Connection connection;
    useProgramsDatabase(connection, QString::fromLatin1(Schema::kDatabasePath));
    QSqlDatabase db = connection.database();
    const bool server = connection.onServer();
    QSqlQuery query(db);
    check(db.transaction(), query);
    const auto addList = [&](const QString &name) {
        check(query.prepare(QStringLiteral("insert into d_type(type_name) values(?)") +
                            (server ? QStringLiteral(" returning type_id") : QString())),
              query);
        query.addBindValue(name);
        check(query.exec(), query);
        const qint64 id =
            server ? (query.next(), query.value(0).toLongLong()) : query.lastInsertId().toLongLong();
        query.finish();
        return id;
    };
    const auto addWords = [&](qint64 list, int count, const auto &word, const auto &sound) {
        check(query.prepare(QStringLiteral(
                  "insert into d_word(word_name, word_sound, type_id, word_order) values(?, ?, ?, ?)")),
              query);
        for (int i = 0; i < count; ++i) {
            query.addBindValue(word(i));
            query.addBindValue(sound(i));
            query.addBindValue(list);
            query.addBindValue(i + 1);
            check(query.exec(), query);
        }
    };
    const qint64 testList = addList(kTestListName);
    addWords(
        testList, int(kTestWords.size()), [](int i) { return kTestWords.at(i); },
        [](int i) {
            return QStringLiteral("data/sounds/%1.mp3").arg(kRecordings.at(i % kRecordings.size()));
        });
    // As BenchDatabase makes it for bench_editor: the big list's recordings are not there.
    const qint64 bigList = addList(kBigListName);
    addWords(
        bigList, 10000, [](int i) { return QStringLiteral("word%1").arg(i + 1); },
        [](int i) { return QStringLiteral("data/sounds/word%1.mp3").arg(i + 1); });
    check(query.prepare(QStringLiteral("insert into d_type(type_name) values(?)")), query);
    for (int i = 2; i < 10000; ++i) {
        query.addBindValue(QStringLiteral("List number %1").arg(i));
        check(query.exec(), query);
    }
    query.finish();
    check(db.commit(), query);
    if (server) {
        // Fresh statistics, as a server that has run for a while has them.
        check(query.exec(QStringLiteral("analyze")), query);
    }
    writeFigures(out, {{QStringLiteral("test_list"), testList}, {QStringLiteral("big_list"), bigList}});
    std::printf("%lld %lld\n", qlonglong(testList), qlonglong(bigList));
    return 0;
}

// The pupils' processes are started first and start answering together, once every one is connected.
int runClass(qint64 list, int pupils, int seconds, const QString &out)
{
    std::vector<std::unique_ptr<QProcess>> processes;
    QElapsedTimer setUp;
    setUp.start();
    for (int i = 1; i <= pupils; ++i) {
        auto process = std::make_unique<QProcess>();
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(QCoreApplication::applicationFilePath(),
                       {QStringLiteral("pupil"), QStringLiteral("--number"), QString::number(i),
                        QStringLiteral("--list"), QString::number(list), QStringLiteral("--seconds"),
                        QString::number(seconds)});
        processes.push_back(std::move(process));
    }
    for (auto &process : processes) {
        while (!process->canReadLine()) {
            if (!process->waitForReadyRead(120000))
                fail(QStringLiteral("a pupil did not get ready: ") + process->errorString());
        }
        if (process->readLine().trimmed() != "ready")
            fail(QStringLiteral("a pupil said something other than ready"));
    }
    const double setUpSeconds = double(setUp.elapsed()) / 1000;
    for (auto &process : processes)
        process->write("go\n");
    for (auto &process : processes)
        process->waitForBytesWritten();

    QList<double> checks, stores, hits, misses, ends;
    int tests = 0, kept = 0, unkept = 0, failed = 0;
    QString reason;
    for (auto &process : processes) {
        if (!process->waitForFinished((seconds + 120) * 1000) ||
            process->exitStatus() != QProcess::NormalExit || process->exitCode() != 0) {
            ++failed;
            continue;
        }
        const QJsonObject figures = QJsonDocument::fromJson(process->readAllStandardOutput()).object();
        for (const QJsonValue &sample : figures.value(QStringLiteral("samples")).toArray()) {
            const QJsonArray values = sample.toArray();
            checks << values.at(0).toDouble();
            stores << values.at(1).toDouble();
            (values.at(2).toInt() ? misses : hits) << values.at(0).toDouble();
        }
        for (const QJsonValue &end : figures.value(QStringLiteral("ends")).toArray())
            ends << end.toDouble();
        tests += figures.value(QStringLiteral("tests")).toInt();
        kept += figures.value(QStringLiteral("kept")).toInt();
        unkept += figures.value(QStringLiteral("unkept")).toInt();
        if (const QString why = figures.value(QStringLiteral("reason")).toString(); !why.isEmpty())
            reason = why;
    }

    // What the server holds afterwards, to say that every answer counted was kept.
    Connection connection;
    useProgramsDatabase(connection, QString::fromLatin1(Schema::kDatabasePath));
    QSqlQuery query(connection.database());
    check(query.exec(
              QStringLiteral("select (select count(*) from d_answer), (select count(*) from d_test_end)")),
          query);
    query.next();
    const qint64 storedAnswers = query.value(0).toLongLong();
    const qint64 storedEnds = query.value(1).toLongLong();

    writeFigures(out, {{QStringLiteral("pupils"), pupils},
                       {QStringLiteral("seconds"), seconds},
                       {QStringLiteral("set_up_s"), setUpSeconds},
                       {QStringLiteral("failed_pupils"), failed},
                       {QStringLiteral("tests"), tests},
                       {QStringLiteral("kept"), kept},
                       {QStringLiteral("unkept"), unkept},
                       {QStringLiteral("reason"), reason},
                       {QStringLiteral("stored_answers"), storedAnswers},
                       {QStringLiteral("stored_ends"), storedEnds},
                       {QStringLiteral("check"), spread(checks)},
                       {QStringLiteral("check_right"), spread(hits)},
                       {QStringLiteral("check_miss"), spread(misses)},
                       {QStringLiteral("store"), spread(stores)},
                       {QStringLiteral("test_end"), spread(ends)}});
    return failed == 0 && unkept == 0 ? 0 : 1;
}

// As the main window's Edit spelldeck opens it, and bench_editor measures it on the file.
int openEditor(qint64 list, int runs, const QString &out)
{
    QuietToolkit toolkit;
    Toolkit::setInstance(&toolkit);
    TDM dm;
    if (!dm.ADOConn.connected())
        fail(QStringLiteral("the word lists are not open"));
    const QString id = QString::number(list);
    QList<double> opened, selected;
    // One opening first, unmeasured: the first one pays for the style, fonts and plugins.
    for (int i = 0; i <= runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        const auto editor = TfrmEditor::Create(nullptr, id, kBigListName, false, 0, 0);
        editor->show();
        QApplication::processEvents();
        if (i > 0)
            opened << double(timer.nsecsElapsed()) / 1e6;
    }
    // The editor's select alone, on the same connection.
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        Query query(dm.ADOConn);
        query.setSQL(Catalogue::ListWords(id));
        query.open();
        selected << double(timer.nsecsElapsed()) / 1e6;
        if (query.recordCount() != 10000)
            fail(QStringLiteral("the big list has %1 words").arg(query.recordCount()));
    }
    Toolkit::setInstance(nullptr);
    writeFigures(out, {{QStringLiteral("server"), dm.ADOConn.onServer()},
                       {QStringLiteral("open"), spread(opened)},
                       {QStringLiteral("select"), spread(selected)}});
    return 0;
}

// What a start of the program pays for its database, step by step, in a fresh process: reading the
// settings, loading the driver (its plugin and the libraries under it), connecting with the driver's
// own set-up, one statement's round trip, and the program's Connection::open() as TDM runs it.
QJsonObject connectOnce()
{
    QElapsedTimer timer;
    const auto lap = [&] {
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        timer.start();
        return ms;
    };
    timer.start();
    Connection connection;
    useProgramsDatabase(connection, QString::fromLatin1(Schema::kDatabasePath));
    const double settings = lap();
    const bool server = connection.onServer();
    const QString name = QStringLiteral("bench-connect");
    double driver = 0, open = 0, statement = 0;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(server ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"), name);
        driver = lap();
        if (server) {
            const ServerSettings settingsFile = ServerSettings::load();
            db.setHostName(settingsFile.host);
            db.setDatabaseName(settingsFile.name);
            db.setUserName(settingsFile.user);
            db.setConnectOptions(settingsFile.connectOptions());
        } else {
            db.setDatabaseName(QString::fromLatin1(Schema::kDatabasePath));
        }
        timer.start();
        if (!db.open())
            fail(db.lastError().text());
        open = lap();
        QSqlQuery query(db);
        check(query.exec(QStringLiteral("select 1")), query);
        statement = lap();
    }
    QSqlDatabase::removeDatabase(name);
    timer.start();
    connection.open();
    const double program = lap();
    return {{QStringLiteral("settings"), settings},
            {QStringLiteral("driver"), driver},
            {QStringLiteral("open"), open},
            {QStringLiteral("statement"), statement},
            {QStringLiteral("program_open"), program}};
}

// connectOnce in `runs` fresh processes: a driver is loaded once a process.
int measureConnecting(int runs, const QString &out)
{
    QHash<QString, QList<double>> steps;
    for (int i = 0; i < runs; ++i) {
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("connect-once")});
        if (!process.waitForFinished(60000) || process.exitCode() != 0)
            fail(QStringLiteral("connect-once failed"));
        const QJsonObject once = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
        for (auto step = once.begin(); step != once.end(); ++step)
            steps[step.key()] << step.value().toDouble();
    }
    QJsonObject figures;
    for (auto step = steps.cbegin(); step != steps.cend(); ++step)
        figures.insert(step.key(), spread(step.value()));
    writeFigures(out, figures);
    return 0;
}

QString ms(const QJsonObject &figures, const char *key)
{
    return QString::number(figures.value(QLatin1String(key)).toDouble(), 'f', 1);
}

QString yes(bool met)
{
    return met ? QStringLiteral("yes") : QStringLiteral("**no**");
}

// The start-up driver's file: one header line, then program,run,mapped_ms,drawn_ms,... of plain
// numbers (no quoting), program being the label of its --bare or --spelldeck program.
QHash<QString, QList<double>> drawnTimes(const QString &file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text))
        fail(QStringLiteral("cannot read ") + file);
    QHash<QString, QList<double>> times;
    in.readLine();
    while (!in.atEnd()) {
        const QList<QByteArray> fields = in.readLine().trimmed().split(',');
        if (fields.size() >= 4)
            times[QString::fromUtf8(fields.at(0))] << fields.at(3).toDouble();
    }
    return times;
}

int printTable(const QCommandLineParser &options)
{
    const QJsonObject group = readFigures(options.value(QStringLiteral("class")));
    const QJsonObject file = readFigures(options.value(QStringLiteral("editor-file")));
    const QJsonObject server = readFigures(options.value(QStringLiteral("editor-server")));
    const QHash<QString, QList<double>> startup = drawnTimes(options.value(QStringLiteral("startup")));
    const QJsonObject connectFile = readFigures(options.value(QStringLiteral("connect-file")));
    const QJsonObject connectServer = readFigures(options.value(QStringLiteral("connect-server")));
    // The driver calls its reference program "bare window": run.sh gives it Spelldeck on the file.
    const QJsonObject startFile = spread(startup.value(QStringLiteral("bare window")));
    const QJsonObject startServer = spread(startup.value(QStringLiteral("spelldeck")));

    QTextStream out(stdout);
    const QJsonObject check = group.value(QStringLiteral("check")).toObject();
    const QJsonObject right = group.value(QStringLiteral("check_right")).toObject();
    const QJsonObject miss = group.value(QStringLiteral("check_miss")).toObject();
    const QJsonObject store = group.value(QStringLiteral("store")).toObject();
    const QJsonObject end = group.value(QStringLiteral("test_end")).toObject();
    const auto four = [](const QJsonObject &f) {
        return ms(f, "median") + QStringLiteral(" / ") + ms(f, "p95") + QStringLiteral(" / ") + ms(f, "p99") +
               QStringLiteral(" / ") + ms(f, "max");
    };
    out << "| Measure | Figures (ms) | Target | Met |\n|---|---|---|---|\n";
    out << "| Check word with the answer stored, " << group.value(QStringLiteral("pupils")).toInt()
        << " pupils at once for " << group.value(QStringLiteral("seconds")).toInt() << " s, "
        << check.value(QStringLiteral("count")).toInt() << " answers: median / p95 / p99 / max | "
        << four(check) << " | p99 < 20 | " << yes(check.value(QStringLiteral("p99")).toDouble() < 20)
        << " |\n";
    out << "| &nbsp;&nbsp;right answers (next word shown), " << right.value(QStringLiteral("count")).toInt()
        << " | " << four(right) << " | | |\n";
    out << "| &nbsp;&nbsp;misses (correction shown), " << miss.value(QStringLiteral("count")).toInt() << " | "
        << four(miss) << " | | |\n";
    out << "| &nbsp;&nbsp;of which storing the answer (AnswerLog) | " << four(store) << " | | |\n";
    out << "| End of a test stored, " << end.value(QStringLiteral("count")).toInt() << " tests | "
        << four(end) << " | | |\n";
    out << "| Editor opened on 10,000 words, file, "
        << file.value(QStringLiteral("open")).toObject().value("count").toInt()
        << " openings: median / p95 | " << ms(file.value(QStringLiteral("open")).toObject(), "median")
        << " / " << ms(file.value(QStringLiteral("open")).toObject(), "p95") << " | | |\n";
    const QJsonObject serverOpen = server.value(QStringLiteral("open")).toObject();
    out << "| Editor opened on 10,000 words, server (Unix socket): median / p95 | "
        << ms(serverOpen, "median") << " / " << ms(serverOpen, "p95") << " | < 50 | "
        << yes(serverOpen.value(QStringLiteral("p95")).toDouble() < 50) << " |\n";
    out << "| &nbsp;&nbsp;its select of 10,000 words alone, file / server: median | "
        << ms(file.value(QStringLiteral("select")).toObject(), "median") << " / "
        << ms(server.value(QStringLiteral("select")).toObject(), "median") << " | | |\n";
    const double ratio = startServer.value(QStringLiteral("median")).toDouble() /
                         startFile.value(QStringLiteral("median")).toDouble();
    out << "| Start-up to the main window drawn, file / server, "
        << startFile.value(QStringLiteral("count")).toInt() << " launches each: median | "
        << ms(startFile, "median") << " / " << ms(startServer, "median") << " (server "
        << QString::number(ratio, 'f', 2) << "x) | server within 1.2x | " << yes(ratio <= 1.2) << " |\n";
    const auto step = [&](const char *name, const char *key) {
        out << "| &nbsp;&nbsp;" << name << ", file / server: median | "
            << ms(connectFile.value(QLatin1String(key)).toObject(), "median") << " / "
            << ms(connectServer.value(QLatin1String(key)).toObject(), "median") << " | | |\n";
    };
    step("settings read", "settings");
    step("SQL driver loaded (plugin and the libraries under it)", "driver");
    step("a connection opened by the driver alone (with its own set-up queries)", "open");
    step("one statement's round trip", "statement");
    step("Connection::open() as TDM runs it, driver loaded", "program_open");
    out << "\nAnswers counted by the pupils " << group.value(QStringLiteral("kept")).toInt()
        << ", stored on the server " << group.value(QStringLiteral("stored_answers")).toInteger()
        << ", not kept " << group.value(QStringLiteral("unkept")).toInt() << "; tests "
        << group.value(QStringLiteral("tests")).toInt() << ", ends stored "
        << group.value(QStringLiteral("stored_ends")).toInteger() << "; pupils failed "
        << group.value(QStringLiteral("failed_pupils")).toInt() << "; pupils ready after "
        << QString::number(group.value(QStringLiteral("set_up_s")).toDouble(), 'f', 1) << " s.\n";
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const bool windows = mode == QLatin1String("pupil") || mode == QLatin1String("editor");
    if (windows)
        useHeadlessDevices();
    // The program's own application object where windows are shown, so its error report is the one in use.
    std::unique_ptr<QCoreApplication> app =
        windows ? std::make_unique<Application>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);

    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("mode"),
                                 QStringLiteral("fill, class, pupil, editor or table"));
    for (const char *name : {"out", "list", "pupils", "seconds", "number", "runs", "class", "editor-file",
                             "editor-server", "startup", "connect-file", "connect-server"})
        parser.addOption({QString::fromLatin1(name), QString(), QStringLiteral("value")});
    parser.process(*app);
    const auto number = [&](const char *name) {
        bool ok = false;
        const qint64 value = parser.value(QString::fromLatin1(name)).toLongLong(&ok);
        if (!ok)
            fail(QStringLiteral("--%1 needs a number").arg(QString::fromLatin1(name)));
        return value;
    };
    const QString out = parser.value(QStringLiteral("out"));

    if (mode == QLatin1String("fill"))
        return fill(out);
    if (mode == QLatin1String("class"))
        return runClass(number("list"), int(number("pupils")), int(number("seconds")), out);
    if (mode == QLatin1String("pupil")) {
        QuietToolkit toolkit;
        Toolkit::setInstance(&toolkit);
        const QJsonObject figures = takeTests(int(number("number")), number("list"), int(number("seconds")));
        Toolkit::setInstance(nullptr);
        std::fputs(QJsonDocument(figures).toJson(QJsonDocument::Compact).constData(), stdout);
        return 0;
    }
    if (mode == QLatin1String("editor"))
        return openEditor(number("list"), int(number("runs")), out);
    if (mode == QLatin1String("connect"))
        return measureConnecting(int(number("runs")), out);
    if (mode == QLatin1String("connect-once")) {
        std::fputs(QJsonDocument(connectOnce()).toJson(QJsonDocument::Compact).constData(), stdout);
        return 0;
    }
    if (mode == QLatin1String("table"))
        return printTable(parser);
    parser.showHelp(2);
}
