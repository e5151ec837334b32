// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings file that puts the word lists on a server: which file decides, what it may say, and
// each fault named by the file and the key.
#include "Exceptions.h"
#include "ServerSettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString described(const ServerSettings &s)
{
    if (!s.server)
        return QStringLiteral("file");
    return QStringLiteral("server service=%1 host=%2 port=%3 name=%4 user=%5 | %6")
        .arg(s.service, s.host)
        .arg(s.port)
        .arg(s.name, s.user, s.connectOptions());
}

} // namespace

class TestServerSettings : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void refused_data();
    void refused();
    void theUsersFileDecidesBeforeTheSystems();
};

void TestServerSettings::read_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("settings");
    QTest::newRow("the file, said so") << QByteArray("[database]\ndriver=sqlite\n") << "file";
    QTest::newRow("a service") << QByteArray("[database]\ndriver=postgresql\nservice=spelldeck\n")
                               << "server service=spelldeck host= port=0 name= user= | "
                                  "service=spelldeck;connect_timeout=5";
    QTest::newRow("every option, blanks around")
        << QByteArray("[database]\ndriver = postgresql\nhost = db.school.lan\nport = 5433\nname = lists\n"
                      "user = teacher\nsslmode = require\n")
        << "server service= host=db.school.lan port=5433 name=lists user=teacher | "
           "sslmode=require;connect_timeout=5";
    QTest::newRow("a socket folder") << QByteArray(
                                            "[database]\ndriver=postgresql\nhost=/run/postgresql\nname=x\n")
                                     << "server service= host=/run/postgresql port=0 name=x user= | "
                                        "connect_timeout=5";
}

void TestServerSettings::read()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, settings);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("database.conf"));
    QVERIFY(write(file, bytes));
    const ServerSettings read = ServerSettings::read(file);
    QCOMPARE(described(read), settings);
    QCOMPARE(read.file, file);
}

void TestServerSettings::refused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message"); // {file} for the file
    const QString start = QStringLiteral("The database settings in \"{file}\" cannot be used: ");
    QTest::newRow("no driver") << QByteArray("[database]\nname=x\n")
                               << start +
                                      "no driver is named; it must be sqlite or postgresql (key \"driver\").";
    QTest::newRow("an unknown driver")
        << QByteArray("[database]\ndriver=mysql\n")
        << start + "the driver \"mysql\" is unknown; it must be sqlite or postgresql (key \"driver\").";
    QTest::newRow("a password")
        << QByteArray("[database]\ndriver=postgresql\nname=x\npassword=secret\n")
        << start + "passwords are not kept here; put them in ~/.pgpass or the service file "
                   "(key \"database/password\").";
    QTest::newRow("a misspelt key") << QByteArray("[database]\ndriver=postgresql\nname=x\nhots=db\n")
                                    << start + "this key is not one Spelldeck knows (key \"database/hots\").";
    QTest::newRow("a key outside the group")
        << QByteArray("driver=postgresql\n")
        << start + "this key is not one Spelldeck knows (key \"driver\").";
    QTest::newRow("a port that is no number")
        << QByteArray("[database]\ndriver=postgresql\nname=x\nport=54x\n")
        << start + "\"54x\" is not a port number (key \"port\").";
    QTest::newRow("a port out of range") << QByteArray("[database]\ndriver=postgresql\nname=x\nport=70000\n")
                                         << start + "\"70000\" is not a port number (key \"port\").";
    QTest::newRow("no database")
        << QByteArray("[database]\ndriver=postgresql\nhost=db\n")
        << start + "the server's database is named neither by a service nor by a name (key "
                   "\"name\").";
    QTest::newRow("not a settings file")
        << QByteArray("[database\ndriver=postgresql\n")
        << start + "the file is not in the settings format (key \"database\").";
}

void TestServerSettings::refused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("database.conf"));
    QVERIFY(write(file, bytes));
    try {
        ServerSettings::read(file);
        QFAIL("the settings were taken");
    } catch (const Exception &e) {
        QCOMPARE(e.message(), QString(message).replace(QStringLiteral("{file}"), file));
    }
}

void TestServerSettings::theUsersFileDecidesBeforeTheSystems()
{
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(QStringLiteral("home"))));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(dir.filePath(QStringLiteral("etc1")) + QLatin1Char(':') +
                                                 dir.filePath(QStringLiteral("etc2"))));
    // None: the file, as always.
    QCOMPARE(described(ServerSettings::load()), QStringLiteral("file"));
    QCOMPARE(ServerSettings::load().file, QString());
    QVERIFY(write(dir.filePath(QStringLiteral("etc2/spelldeck/database.conf")),
                  "[database]\ndriver=postgresql\nservice=second\n"));
    QCOMPARE(ServerSettings::load().service, QStringLiteral("second"));
    QVERIFY(write(dir.filePath(QStringLiteral("etc1/spelldeck/database.conf")),
                  "[database]\ndriver=postgresql\nservice=first\n"));
    QCOMPARE(ServerSettings::load().service, QStringLiteral("first"));
    // The user's own file wins, even to say "the file".
    QVERIFY(
        write(dir.filePath(QStringLiteral("home/spelldeck/database.conf")), "[database]\ndriver=sqlite\n"));
    QCOMPARE(described(ServerSettings::load()), QStringLiteral("file"));
}

QTEST_GUILESS_MAIN(TestServerSettings)
#include "tst_serversettings.moc"
