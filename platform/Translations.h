// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QString>

// The program's own texts are English. For another language the program's translation and Qt's own
// (the standard buttons Yes, No, OK, Cancel) are installed; for English or the C locale none is, so
// every text stays exactly as written.
//
// `folder` holds spelldeck_<language>.qm; Qt's own come from Qt's translations folder. Returns true
// when a translation of the program was installed.
bool installTranslations(const QLocale &locale, const QString &folder);

// Where the program's translations are: installed beside the program's data, else, run from a build
// folder, the build tree's copy.
QString translationsFolder();
