// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>

// One learner whose results are kept.
struct Learner
{
    qint64 id = 0;
    QString name;
    QString account; // the login name of the computer account the learner stands for, if any

    bool operator==(const Learner &) const = default;
};

// Whom the next tests' results are kept for, as remembered between runs. A settings file in the
// system's configuration folder (XDG_CONFIG_DIRS, /etc/xdg/spelldeck/spelldeck.conf) presets it for
// every account of a computer until a user chooses otherwise:
//
//     [learner]
//     choice=account
class LearnerChoice
{
public:
    enum Kind
    {
        Nobody,  // results are not kept: the first-run choice
        Person,  // a learner chosen by name
        Account, // the person logged in
    };

    Kind kind = Nobody;
    // Person: the learner as last seen, so the choice shows without a query.
    qint64 id = 0;
    QString name;

    static LearnerChoice nobody() { return {}; }
    static LearnerChoice person(const Learner &learner) { return {Person, learner.id, learner.name}; }
    static LearnerChoice account() { return {Account, 0, {}}; }

    static LearnerChoice load();
    void save() const;

    bool operator==(const LearnerChoice &other) const = default;
};
