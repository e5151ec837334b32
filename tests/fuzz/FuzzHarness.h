// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What every reader promises, whatever bytes it is given: it refuses with the program's own Exception
// and a message, or it gives words that pass the word rules. Anything else aborts, which the fuzzer
// reports with the input that did it.

#include "Exceptions.h"
#include "PackageFormat.h"
#include "WordList.h"
#include "WordText.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace Fuzz {

[[noreturn]] inline void broken(const char *promise, const QString &detail = {})
{
    std::fprintf(stderr, "broken promise: %s %s\n", promise, qPrintable(detail));
    std::abort();
}

// The input as a file of the given suffix, rewritten for each input in one folder kept for the run.
inline QString asFile(const uint8_t *data, size_t size, const char *suffix)
{
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("input.") + QString::fromLatin1(suffix));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        broken("the input could not be written");
    return path;
}

inline void checkWord(const QString &word)
{
    if (word.isEmpty() || word.size() > Exchange::kMaxWordLength)
        broken("a word within the rules", word);
    try {
        if (Exchange::checkedWord(word, QStringLiteral("fuzz")) != word)
            broken("a word as the rules would keep it", word);
    } catch (const Exception &e) {
        broken("a word the rules accept", e.message());
    }
}

// A sentence may be empty; otherwise it keeps the same rules as a word, its blanks single.
inline void checkSentence(const QString &sentence)
{
    if (sentence.size() > Exchange::kMaxWordLength)
        broken("a sentence within the rules", sentence);
    try {
        if (Exchange::checkedSentence(sentence, QStringLiteral("fuzz")) != sentence)
            broken("a sentence as the rules would keep it", sentence);
    } catch (const Exception &e) {
        broken("a sentence the rules accept", e.message());
    }
}

inline void checkList(const Exchange::WordList &list, bool inPackage)
{
    for (const Exchange::WordEntry &entry : list.entries) {
        checkWord(entry.word);
        checkSentence(entry.sentence);
        if (entry.recording.kind == Exchange::RecordingSource::PackageMember &&
            (!inPackage || !Exchange::isInSoundFolder(entry.recording.path)))
            broken("a recording inside the package's sound folder", entry.recording.path);
    }
}

// Runs a reader: a refusal must be the program's Exception with a message.
inline void refusesCleanly(const std::function<void()> &read)
{
    try {
        read();
    } catch (const Exception &e) {
        if (e.message().trimmed().isEmpty())
            broken("a refusal with a message");
    } catch (const std::exception &e) {
        broken("a refusal as the program's Exception", QString::fromLocal8Bit(e.what()));
    } catch (...) {
        broken("a refusal as the program's Exception");
    }
}

} // namespace Fuzz
