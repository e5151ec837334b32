// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Pasted text and text files: decoding, lines and the word rules.
#include "FuzzHarness.h"
#include "TextWords.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    Fuzz::refusesCleanly([&] { Fuzz::checkList(Exchange::readPastedText(QString::fromUtf8(bytes)), false); });
    Fuzz::refusesCleanly(
        [&] { Fuzz::checkList(Exchange::readTextFile(Fuzz::asFile(data, size, "txt")), false); });
    Fuzz::refusesCleanly([&] {
        for (const QString &line : Exchange::decodeLines(bytes, Exchange::TextSource::pasted()))
            (void)Exchange::checkedWord(line, QStringLiteral("fuzz"));
    });
    return 0;
}
