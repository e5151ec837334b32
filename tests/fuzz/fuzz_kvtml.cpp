// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// KVTML vocabulary files: their languages, then the words of each (and of the default one).
#include "FuzzHarness.h"
#include "KvtmlWords.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = Fuzz::asFile(data, size, "kvtml");
    QList<Exchange::KvtmlLanguage> languages;
    Fuzz::refusesCleanly([&] { languages = Exchange::kvtmlLanguages(path); });
    Fuzz::refusesCleanly([&] { Fuzz::checkList(Exchange::readKvtmlFile(path), false); });
    for (const Exchange::KvtmlLanguage &language : std::as_const(languages).mid(0, 3))
        Fuzz::refusesCleanly([&] { Fuzz::checkList(Exchange::readKvtmlFile(path, language.id), false); });
    return 0;
}
