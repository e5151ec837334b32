// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Dataset.h"
#include "Recordings.h"

#include <QObject>

#include <memory>

// The data module: the one shared connection and the shared statement component.
class TDM : public QObject
{
public:
    // Runs DataModuleCreate; a failed open is reported and leaves the connection closed, to be
    // tried again by the next statement.
    explicit TDM(QObject *parent = nullptr);
    ~TDM() override;

    Connection ADOConn;
    Query qry{ADOConn};
    // Plays the recordings a server keeps; set up with the connection.
    std::unique_ptr<Recordings::Source> recordings;

    void DataModuleCreate();
    void DataModuleDestroy();
};

// The single instance, set while a TDM exists.
extern TDM *DM;
