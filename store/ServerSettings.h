// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Dataset.h"

#include <QString>

// Where the word lists live: the database file (the default), or a PostgreSQL server named by a
// settings file an administrator deploys, "spelldeck/database.conf" in the XDG config folders:
//
//     [database]
//     driver=postgresql
//     service=spelldeck          ; a libpq service name, or the options below
//     host=server.school.lan     ; a host name, or the folder of a Unix socket
//     port=5432
//     name=spelldeck
//     user=teacher
//     sslmode=require
//
// Passwords never go here: libpq reads them from ~/.pgpass or the service file.
struct ServerSettings
{
    QString file; // the settings file that was read; empty when there is none
    bool server = false;
    QString service;
    QString host;
    int port = 0; // 0: libpq's default
    QString name;
    QString user;
    QString sslmode;

    // The settings that decide: the user's own file (XDG_CONFIG_HOME) when there is one, else the first
    // of XDG_CONFIG_DIRS that has one, else none (the database file). Raises Exception as read() does.
    static ServerSettings load();
    // One file. Raises Exception naming the file, and the key where one is at fault, for a file that
    // cannot be read or parsed, a missing or unknown driver, a key it does not know (a password among
    // them), a port that is not a number from 1 to 65535, and a server named neither by a service nor by
    // a database name.
    static ServerSettings read(const QString &path);

    // The libpq options that have no field of their own in Qt's driver.
    QString connectOptions() const;
};

// The server the settings name, as the connection takes it.
ServerAddress serverAddress(const ServerSettings &settings);

// When the settings name a server, loads its client library (libpq and the many libraries under it),
// so that connecting later does not wait for them. Safe on any thread, before the application object
// exists; anything wrong with the settings is left for the connection to report.
void preloadServerLibrary() noexcept;

// Points a connection of the program at its database: the server the settings name, else the file at
// `path`. Raises Exception as ServerSettings::load() does.
void useProgramsDatabase(Connection &connection, const QString &path);
