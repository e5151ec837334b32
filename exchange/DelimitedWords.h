// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "WordList.h"

// CSV and tab-separated word lists: the word in the first column, optionally the path of its recording
// in the second (relative to the file's folder when relative), optionally a sentence with the word in
// the third; further columns are ignored. A first row whose first cell is "word", in any case, is a
// header.
namespace Exchange {

// The character that separates the columns, judged from the file's first line that is not blank: a tab
// when it holds tabs and no comma, a comma when it holds commas and no tab; otherwise the extension
// decides: a comma for ".csv", a tab for anything else (".tsv", ".tab", or a text file with tabs).
char delimiterFor(const QString &path, const QString &firstLine);

// The list is named after the file's base name. Raises, naming the file and the line, for bytes that
// are not UTF-8, a NUL character, an unbalanced or misplaced quote, a row with no word but other cells,
// a word longer than kMaxWordLength, and a file without words.
WordList readDelimitedFile(const QString &path);

} // namespace Exchange
