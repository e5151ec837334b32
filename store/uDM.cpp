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
    // A school's settings file names a server; without one, the file.
    recordings.reset();
    useProgramsDatabase(ADOConn, QString::fromLatin1(Schema::kDatabasePath));
    recordings = std::make_unique<Recordings::Source>(ADOConn);
    ADOConn.open();
}

void TDM::DataModuleDestroy()
{
    recordings.reset();
    ADOConn.close();
}
