// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Account.h"

#include <QtGlobal>

#include <pwd.h>
#include <unistd.h>

#include <vector>

Account currentAccount()
{
    Account account;
    passwd entry{};
    passwd *found = nullptr;
    std::vector<char> buffer(16384);
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found) {
        account.login = QString::fromLocal8Bit(found->pw_name);
        // The comment field holds the full name first, then office and telephone numbers.
        account.fullName = QString::fromLocal8Bit(found->pw_gecos).section(QLatin1Char(','), 0, 0).trimmed();
    }
    if (account.login.isEmpty())
        account.login = qEnvironmentVariable("USER");
    return account;
}
