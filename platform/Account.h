// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The computer account the program runs under.
struct Account
{
    QString login;
    QString fullName; // empty when the account has none

    // The full name, else the login name.
    QString displayName() const { return fullName.isEmpty() ? login : fullName; }
};

Account currentAccount();
