#pragma once

#include "Application.h"

#include <QTest>

// Like QTEST_MAIN, but on the program's own application object, so its error net is under test too.
#define SPELLDECK_TEST_MAIN(TestClass)                                                                     \
    int main(int argc, char **argv)                                                                        \
    {                                                                                                      \
        Application app(argc, argv);                                                                       \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                           \
        TestClass test;                                                                                    \
        QTEST_SET_MAIN_SOURCE_PATH                                                                         \
        return QTest::qExec(&test, argc, argv);                                                            \
    }
