#include "Application.h"
#include "uDM.h"
#include "uMain.h"

#include <QIcon>

int main(int argc, char **argv)
{
    Application app(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/spelldeck.svg")));

    // The data module comes before the main window, so a database that cannot be opened is reported
    // first; it is destroyed after the main window.
    TDM dm;
    TfrmMain frmMain;
    frmMain.show();
    Application::exec();
    return 0;
}
