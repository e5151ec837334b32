// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The rules every reader applies to the text it takes words from.
namespace Exchange {

// The longest word, counted as the editor's word field counts (UTF-16 units), so that every imported
// word can be edited there.
inline constexpr int kMaxWordLength = 255;
// No word list comes near this; a larger file is refused before it is read into memory.
inline constexpr qint64 kMaxTextFileSize = 64 * 1024 * 1024;

// The source of a word list as messages name it: a file, or the pasted text.
class TextSource
{
public:
    static TextSource file(const QString &path);
    static TextSource pasted();

    const QString &path() const { return m_path; }
    // "\"words.csv\"", or "the pasted text".
    QString name() const;
    // "Line 4 of \"words.csv\"", or "Line 4 of the pasted text".
    QString line(qsizetype number) const;

private:
    QString m_path;
};

// The bytes of a file a word list is read from. Raises, naming the file, when it is no file, cannot
// be read or is larger than kMaxTextFileSize.
QByteArray readWholeFile(const QString &path);

// The bytes without a UTF-8 byte-order mark at their start.
QByteArray withoutByteOrderMark(const QByteArray &bytes);

// UTF-8 text split into lines; a byte-order mark at the start is dropped and lines end with "\n",
// "\r\n" or "\r". Raises, naming the source and the line, for a NUL character or bytes that are not
// UTF-8.
QStringList decodeLines(const QByteArray &bytes, const TextSource &source);
// Text split into lines the same way; raises for a NUL character.
QStringList splitLines(const QString &text, const TextSource &source);

// `text` trimmed of blanks and byte-order marks. Raises, beginning with `where` ("Line 4 of ..."), when it
// holds a NUL character or is longer than kMaxWordLength.
QString checkedWord(const QString &text, const QString &where);
// A word's sentence as stored: every run of blanks and line breaks one space, none at the ends, as for
// checkedWord. Raises, beginning with `where`, for a NUL character or more than kMaxWordLength
// characters. Empty for none.
QString checkedSentence(const QString &text, const QString &where);

} // namespace Exchange
