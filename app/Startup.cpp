#include "Startup.h"

#include "Application.h"
#include "Translations.h"
#include "uDM.h"
#include "uMain.h"

#include <QIcon>

int runSpelldeck()
{
    installTranslations(QLocale(), translationsFolder());
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/spelldeck-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    // Lets the desktop match the windows to the installed menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.spelldeck.Spelldeck"));
    // A database that cannot be opened is reported before the main window appears.
    TDM dm;
    TfrmMain frmMain;
    frmMain.show();
    QApplication::exec();
    return 0;
}
