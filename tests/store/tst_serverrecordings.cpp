// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Recordings kept in a server's database: stored once by their bytes' hash, named so by the words,
// fetched one at a time and kept in this computer's cache. Runs on the throwaway server whose socket
// folder SPELLDECK_TEST_SERVER names; skips without it.
#include "Dataset.h"
#include "Exceptions.h"
#include "Recordings.h"
#include "Schema.h"
#include "ServerDatabase.h"
#include "SoundPath.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString fixture(const QString &name)
{
    return QStringLiteral(SPELLDECK_FIXTURES "/") + name;
}

const QString kCat =
    QStringLiteral("recording:0bf46ed6c481e09ae3809996344352ed58fbc41ce39695038816dcb209441d45");
const QString kHouse =
    QStringLiteral("recording:0d910d68a6689d97b131e663b866f2c40f6790df362acac4487d9bdd009ae8f3");

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(cannot read)");
}

QString messageOf(const std::function<void()> &work)
{
    try {
        work();
    } catch (const Exception &e) {
        return e.message();
    }
    return {};
}

} // namespace

class TestServerRecordings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void keptOnceByTheirBytes();
    void otherSoundsStayAsTheyAre_data();
    void otherSoundsStayAsTheyAre();
    void fetchedOnceThenPlayedFromTheCache();
    void refusals_data();
    void refusals();
    void theProgramsWordsPlayThem();

private:
    QTemporaryDir m_cache;
};

void TestServerRecordings::initTestCase()
{
    if (testServerFolder().isEmpty())
        QSKIP("SPELLDECK_TEST_SERVER names no server (scripts/test-server.sh starts one)");
    qputenv("XDG_CACHE_HOME", m_cache.path().toLocal8Bit());
}

void TestServerRecordings::init()
{
    QDir(Recordings::cacheFolder()).removeRecursively();
}

void TestServerRecordings::keptOnceByTheirBytes()
{
    ServerDatabase server;
    server.createSchema();
    QCOMPARE(Recordings::stored(server.connection, fixture("cat.mp3")), kCat);
    QCOMPARE(Recordings::stored(server.connection, fixture("house.mp3")), kHouse);
    // The same bytes under another name, with quotes and accents in its path: the same recording.
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("l'été \"chat\".mp3"));
    QVERIFY(QFile::copy(fixture("cat.mp3"), copy));
    QCOMPARE(Recordings::stored(server.connection, copy), kCat);
    QCOMPARE(server.rows("select recording_hash, length(recording_data) from d_recording order by 1"),
             (QStringList{"0bf46ed6c481e09ae3809996344352ed58fbc41ce39695038816dcb209441d45|2717",
                          "0d910d68a6689d97b131e663b866f2c40f6790df362acac4487d9bdd009ae8f3|3030"}));
    // Whoever stored it plays it from the cache at once.
    QCOMPARE(contents(Recordings::cacheFolder() + "/" + kCat.mid(10) + ".mp3"), contents(fixture("cat.mp3")));
}

void TestServerRecordings::otherSoundsStayAsTheyAre_data()
{
    QTest::addColumn<bool>("server");
    QTest::addColumn<QString>("sound");
    QTest::newRow("no sound") << true << "";
    QTest::newRow("a recording already") << true << kHouse;
    QTest::newRow("a path that names no file") << true << "data/sounds/gone.mp3";
    QTest::newRow("a folder") << true << SPELLDECK_FIXTURES;
    QTest::newRow("a file on the file backend") << false << fixture("cat.mp3");
}

void TestServerRecordings::otherSoundsStayAsTheyAre()
{
    QFETCH(bool, server);
    QFETCH(QString, sound);
    if (server) {
        ServerDatabase database;
        QSqlDatabase db = database.connection.database();
        Schema::create(db);
        QCOMPARE(Recordings::stored(database.connection, sound), sound);
        QCOMPARE(database.rows("select count(*) from d_recording"), QStringList{"0"});
    } else {
        Connection file;
        file.setDatabasePath(QStringLiteral("never-opened.db"));
        QCOMPARE(Recordings::stored(file, sound), sound);
        QVERIFY(!file.connected());
    }
}

void TestServerRecordings::fetchedOnceThenPlayedFromTheCache()
{
    ServerDatabase server;
    server.createSchema();
    Recordings::stored(server.connection, fixture("house.mp3"));
    // Another computer: its cache is empty.
    QDir(Recordings::cacheFolder()).removeRecursively();
    const QString hash = kHouse.mid(10);
    const QString path = Recordings::fetched(server.connection, hash);
    QCOMPARE(path, Recordings::cacheFolder() + "/" + hash + ".mp3");
    QCOMPARE(contents(path), contents(fixture("house.mp3")));
    // The second play reads no row: with the row gone it still plays.
    server.exec("delete from d_recording");
    QCOMPARE(Recordings::fetched(server.connection, hash), path);
    QCOMPARE(QDir(Recordings::cacheFolder()).entryList(QDir::Files), QStringList{hash + ".mp3"});
    // A recording the database does not hold is nowhere.
    QCOMPARE(Recordings::fetched(server.connection, kCat.mid(10)), QString());
}

void TestServerRecordings::refusals_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("message");
    QTest::newRow("damaged in the database")
        << "damaged"
        << "The recording 0bf46ed6c481e09ae3809996344352ed58fbc41ce39695038816dcb209441d45 in the database "
           "is damaged.";
    QTest::newRow("too large") << "large"
                               << "The recording \"big.mp3\" is larger than 50 MB and is not kept.";
    QTest::newRow("unreadable") << "unreadable"
                                << "Cannot read the recording \"secret.mp3\": Permission denied";
}

void TestServerRecordings::refusals()
{
    QFETCH(QString, what);
    QFETCH(QString, message);
    ServerDatabase server;
    server.createSchema();
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    auto back = qScopeGuard([&] { QDir::setCurrent(previous); });
    if (what == "damaged") {
        server.exec("insert into d_recording values('" + kCat.mid(10) + "', 'not the cat')");
        QCOMPARE(messageOf([&] { Recordings::fetched(server.connection, kCat.mid(10)); }), message);
        QVERIFY(QDir(Recordings::cacheFolder()).isEmpty());
        return;
    }
    QFile file(what == "large" ? "big.mp3" : "secret.mp3");
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(what == "large" ? 50 * 1024 * 1024 + 1 : 10));
    file.close();
    if (what == "unreadable") {
        QVERIFY(file.setPermissions(QFileDevice::WriteOwner));
        if (contents(file.fileName()) != "(cannot read)")
            QSKIP("this account reads every file (root)");
    }
    QCOMPARE(messageOf([&] { Recordings::stored(server.connection, file.fileName()); }), message);
    QCOMPARE(server.rows("select count(*) from d_recording"), QStringList{"0"});
}

void TestServerRecordings::theProgramsWordsPlayThem()
{
    ServerDatabase server;
    server.createSchema();
    Recordings::stored(server.connection, fixture("cat.mp3"));
    QDir(Recordings::cacheFolder()).removeRecursively();
    const QString cached = Recordings::cacheFolder() + "/" + kCat.mid(10) + ".mp3";
    {
        const Recordings::Source source(server.connection);
        QVERIFY(SoundPath::present(kCat, QString()));
        // Marking a list's words reads no recording.
        QVERIFY(!QFile::exists(cached));
        QCOMPARE(SoundPath::playable(kCat, QString()), cached);
        QCOMPARE(SoundPath::playable(kHouse, QString()), QString());
        // Paths play as ever.
        QCOMPARE(SoundPath::playable(fixture("cat.mp3"), QString()), fixture("cat.mp3"));
    }
    // Without the program's server, a recording's name names nothing.
    QVERIFY(!SoundPath::present(kCat, QString()));
    QCOMPARE(SoundPath::playable(kCat, QString()), QString());
    // Nor does the file backend set one.
    Connection file;
    const Recordings::Source none(file);
    QCOMPARE(SoundPath::playable(kCat, QString()), QString());
}

QTEST_GUILESS_MAIN(TestServerRecordings)
#include "tst_serverrecordings.moc"
