// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Learner.h"

#include <QSettings>

namespace {

const QString kChoice = QStringLiteral("learner/choice");
const QString kId = QStringLiteral("learner/id");
const QString kName = QStringLiteral("learner/name");

const QString kNobody = QStringLiteral("nobody");
const QString kPerson = QStringLiteral("learner");
const QString kAccount = QStringLiteral("account");

} // namespace

LearnerChoice LearnerChoice::load()
{
    const QSettings settings;
    const QString choice = settings.value(kChoice).toString();
    if (choice == kAccount)
        return account();
    bool number = false;
    const qint64 id = settings.value(kId).toLongLong(&number);
    if (choice == kPerson && number && id > 0)
        return {Person, id, settings.value(kName).toString()};
    // Anything else, a damaged file included, keeps nothing.
    return nobody();
}

void LearnerChoice::save() const
{
    QSettings settings;
    switch (kind) {
    case Nobody:
        settings.setValue(kChoice, kNobody);
        settings.remove(kId);
        settings.remove(kName);
        break;
    case Person:
        settings.setValue(kChoice, kPerson);
        settings.setValue(kId, id);
        settings.setValue(kName, name);
        break;
    case Account:
        settings.setValue(kChoice, kAccount);
        settings.remove(kId);
        settings.remove(kName);
        break;
    }
}
