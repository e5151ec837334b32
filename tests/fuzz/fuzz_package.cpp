// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A whole .spelldeck package, with the limits as shipped.
#include "FuzzHarness.h"
#include "PackageReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = Fuzz::asFile(data, size, "spelldeck");
    Fuzz::refusesCleanly([&] { Fuzz::checkList(Exchange::readPackage(path), true); });
    return 0;
}
