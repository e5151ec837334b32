// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Application.h"

#include "ErrorGuard.h"
#include "Toolkit.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QPointer>
#include <QWidget>

namespace {

QPointer<QWidget> g_mainWindow;

// A Tahoma-compatible face ships with some systems in a folder fontconfig does not search.
void registerTahomaClone()
{
    for (const char *path : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"}) {
        if (QFileInfo::exists(QString::fromLatin1(path)))
            QFontDatabase::addApplicationFont(QString::fromLatin1(path));
    }
}

// The top-level error report: error icon, the application title as caption, owned by the active window.
void showErrorReport(const QString &text)
{
    if (QWidget *grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    Toolkit::instance().errorBox(QApplication::activeWindow(), applicationTitle(), text);
}

} // namespace

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    registerTahomaClone();
    setErrorReporter(showErrorReport);
}

Application::~Application()
{
    setErrorReporter({});
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportCurrentException();
        return false;
    }
}

QWidget *Application::mainWindow()
{
    return g_mainWindow;
}

void Application::setMainWindow(QWidget *window)
{
    g_mainWindow = window;
}
