// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "uDM.h"

#include "ErrorGuard.h"
#include "Schema.h"
#include "ServerSettings.h"

TDM *DM = nullptr;

TDM::TDM(QObject *parent) : QObject(parent)
{
    DM = this;
    guarded([this] { DataModuleCreate(); });
}

TDM::~TDM()
{
    guarded([this] { DataModuleDestroy(); });
    if (DM == this)
        DM = nullptr;
}

void TDM::DataModuleCreate()
{
    ADOConn.close();
    ADOConn.setDatabasePath(QString::fromLatin1(Schema::kDatabasePath));
    // A school's settings file names a server; without one, the file. A settings file that cannot be
    // used is reported like a database that cannot be opened: never a quiet fall back to a local file,
    // which would split a school's lists in two.
    const ServerSettings settings = ServerSettings::load();
    if (settings.server)
        ADOConn.setServer(serverAddress(settings));
    ADOConn.open();
}

void TDM::DataModuleDestroy()
{
    ADOConn.close();
}
