// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The list inside a package (spelldeck.json).
#include "FuzzHarness.h"
#include "PackageManifest.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray json(reinterpret_cast<const char *>(data), qsizetype(size));
    Fuzz::refusesCleanly([&] {
        const Exchange::Manifest manifest = Exchange::parseManifest(json, QStringLiteral("fuzz.spelldeck"));
        for (const Exchange::ManifestWord &word : manifest.words) {
            Fuzz::checkWord(word.word);
            Fuzz::checkSentence(word.sentence);
            if (!word.recording.isEmpty() && !Exchange::isInSoundFolder(word.recording))
                Fuzz::broken("a recording inside the package's sound folder", word.recording);
        }
    });
    return 0;
}
