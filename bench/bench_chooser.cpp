// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Opening the list chooser on 10,000 lists.
#include "Bench.h"

#include "Application.h"
#include "uDM.h"
#include "uSelected.h"

int main(int argc, char **argv)
{
    useHeadlessDevices();
    Application app(argc, argv);
    BenchDatabase data;
    TDM dm;
    measure(QStringLiteral("list chooser opened on 10,000 lists"), 20, [] {
        TfrmSelected form;
        form.show();
        QCoreApplication::processEvents();
    });
    return 0;
}
