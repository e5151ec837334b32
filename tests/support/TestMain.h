// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Application.h"

#include <QStandardPaths>
#include <QTest>

// The main of every widget test: like QTEST_MAIN, but on the program's own application object, so its
// error report and last net are under test too, at 96 dots per inch as the windows are laid out, with
// settings kept apart from the user's.
#define SPELLDECK_TEST_MAIN(TestClass)                                                                       \
    int main(int argc, char **argv)                                                                          \
    {                                                                                                        \
        Application app(argc, argv);                                                                         \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                             \
        QStandardPaths::setTestModeEnabled(true);                                                            \
        TestClass test;                                                                                      \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
