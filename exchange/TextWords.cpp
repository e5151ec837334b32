// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TextWords.h"

#include "Exceptions.h"
#include "WordText.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace Exchange {
namespace {

WordList wordsOfLines(const QStringList &lines, const TextSource &source)
{
    WordList list;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString word = checkedWord(lines.at(i), source.line(i + 1));
        if (!word.isEmpty())
            list.entries.append({word, {}, {}});
    }
    if (list.entries.isEmpty())
        throw Exception(
            QCoreApplication::translate("Exchange", "There are no words in %1.").arg(source.name()));
    return list;
}

} // namespace

WordList readPastedText(const QString &text)
{
    const TextSource source = TextSource::pasted();
    return wordsOfLines(splitLines(text, source), source);
}

WordList readTextFile(const QString &path)
{
    const TextSource source = TextSource::file(path);
    WordList list = wordsOfLines(decodeLines(readWholeFile(path), source), source);
    list.name = QFileInfo(path).completeBaseName();
    return list;
}

} // namespace Exchange
