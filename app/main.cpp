// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Application.h"
#include "ServerSettings.h"
#include "Startup.h"

#include <thread>

int main(int argc, char **argv)
{
    // A school's server: its client library loads beside the toolkit's own start.
    std::thread preload(preloadServerLibrary);
    Application app(argc, argv);
    preload.join();
    return runSpelldeck();
}
