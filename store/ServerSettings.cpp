// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ServerSettings.h"

#include "Exceptions.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ServerSettings", text);
}

const QString kFileName = QStringLiteral("spelldeck/database.conf");
const QString kGroup = QStringLiteral("database");
const QStringList kKeys{QStringLiteral("driver"), QStringLiteral("service"), QStringLiteral("host"),
                        QStringLiteral("port"),   QStringLiteral("name"),    QStringLiteral("user"),
                        QStringLiteral("sslmode")};

QString settingsFault(const QString &file, const QString &key, const QString &problem)
{
    return QCoreApplication::translate("ServerSettings",
                                       "The database settings in \"%1\" cannot be used: %2 (key \"%3\").")
        .arg(file, problem, key);
}

[[noreturn]] void fail(const QString &file, const QString &key, const QString &problem)
{
    throw Exception(settingsFault(file, key, problem));
}

} // namespace

ServerSettings ServerSettings::load()
{
    // locateAll lists the user's folder first, then XDG_CONFIG_DIRS in order.
    const QStringList found = QStandardPaths::locateAll(QStandardPaths::GenericConfigLocation, kFileName);
    if (found.isEmpty())
        return {};
    return read(found.constFirst());
}

ServerSettings ServerSettings::read(const QString &path)
{
    if (!QFileInfo(path).isReadable())
        throw Exception(tr("The database settings in \"%1\" cannot be read.").arg(path));
    QSettings file(path, QSettings::IniFormat);
    if (file.status() != QSettings::NoError)
        fail(path, kGroup, tr("the file is not in the settings format"));
    for (const QString &key : file.allKeys()) {
        const QString group = key.section(QLatin1Char('/'), 0, 0);
        const QString name = key.section(QLatin1Char('/'), 1);
        if (group != kGroup || !kKeys.contains(name))
            fail(path, key,
                 name == QLatin1String("password")
                     ? tr("passwords are not kept here; put them in ~/.pgpass or the service file")
                     : tr("this key is not one Spelldeck knows"));
    }
    file.beginGroup(kGroup);
    const auto text = [&](const QString &key) { return file.value(key).toString().trimmed(); };

    ServerSettings settings;
    settings.file = path;
    const QString driver = text(QStringLiteral("driver"));
    if (driver == QLatin1String("sqlite"))
        return settings;
    if (driver != QLatin1String("postgresql"))
        fail(path, QStringLiteral("driver"),
             driver.isEmpty()
                 ? tr("no driver is named; it must be sqlite or postgresql")
                 : tr("the driver \"%1\" is unknown; it must be sqlite or postgresql").arg(driver));
    settings.server = true;
    settings.service = text(QStringLiteral("service"));
    settings.host = text(QStringLiteral("host"));
    settings.name = text(QStringLiteral("name"));
    settings.user = text(QStringLiteral("user"));
    settings.sslmode = text(QStringLiteral("sslmode"));
    if (const QString port = text(QStringLiteral("port")); !port.isEmpty()) {
        bool number = false;
        settings.port = port.toInt(&number);
        if (!number || settings.port < 1 || settings.port > 65535)
            fail(path, QStringLiteral("port"), tr("\"%1\" is not a port number").arg(port));
    }
    if (settings.service.isEmpty() && settings.name.isEmpty())
        fail(path, QStringLiteral("name"),
             tr("the server's database is named neither by a service nor by a name"));
    return settings;
}

QString ServerSettings::connectOptions() const
{
    QStringList options;
    if (!service.isEmpty())
        options << QStringLiteral("service=") + service;
    if (!sslmode.isEmpty())
        options << QStringLiteral("sslmode=") + sslmode;
    // An unreachable server is reported within seconds, not after the system's own timeout.
    options << QStringLiteral("connect_timeout=5");
    return options.join(QLatin1Char(';'));
}

ServerAddress serverAddress(const ServerSettings &settings)
{
    return {settings.host, settings.port, settings.name, settings.user, settings.connectOptions()};
}

void preloadServerLibrary() noexcept
{
    try {
        if (ServerSettings::load().server)
            // Stays loaded for the process: the driver's plugin then finds it in place.
            QLibrary(QStringLiteral("pq"), 5).load();
    } catch (...) {
        // Reported by the connection, where the user sees it.
    }
}

void useProgramsDatabase(Connection &connection, const QString &path)
{
    connection.setDatabasePath(path);
    // A settings file that cannot be used is reported like a database that cannot be opened: never a
    // quiet fall back to a local file, which would split a school's lists in two.
    const ServerSettings settings = ServerSettings::load();
    if (settings.server)
        connection.setServer(serverAddress(settings));
}
