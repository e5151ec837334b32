// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Application.h"
#include "Startup.h"

int main(int argc, char **argv)
{
    Application app(argc, argv);
    return runSpelldeck();
}
