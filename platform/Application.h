// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>

// The application object: it installs the top-level error report and is the last net for exceptions
// that escape an event handler.
class Application : public QApplication
{
public:
    Application(int &argc, char **argv);
    ~Application() override;

    bool notify(QObject *receiver, QEvent *event) override;

    // The window that owns every child window (it stays in front of it and has no taskbar entry of
    // its own). Null until the main window registers itself, as in tests of a single window.
    static QWidget *mainWindow();
    static void setMainWindow(QWidget *window);
};
