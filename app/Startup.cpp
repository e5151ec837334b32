// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Startup.h"

#include "Application.h"
#include "Pictures.h"
#include "Translations.h"
#include "uDM.h"
#include "uMain.h"

int runSpelldeck()
{
    // Settings (the editor's voice) go to the user's configuration folder under this name.
    QCoreApplication::setOrganizationName(QStringLiteral("spelldeck"));
    installTranslations(QLocale(), translationsFolder());
    QApplication::setWindowIcon(programIcon());
    // Lets the desktop match the windows to the installed menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.spelldeck.Spelldeck"));
    // A database that cannot be opened is reported before the main window appears.
    TDM dm;
    TfrmMain frmMain;
    frmMain.show();
    QApplication::exec();
    return 0;
}
