// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// CSV and tab-separated files: the first byte chooses which the rest is read as.
#include "DelimitedWords.h"
#include "FuzzHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const char *suffix = data[0] % 2 == 0 ? "csv" : "tsv";
    const QString path = Fuzz::asFile(data + 1, size - 1, suffix);
    Fuzz::refusesCleanly([&] { Fuzz::checkList(Exchange::readDelimitedFile(path), false); });
    return 0;
}
