// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "WordList.h"

// Word lists with one word on each line: blank lines are skipped and blanks around each word dropped.
namespace Exchange {

// Text pasted by the user; the list has no name. Raises when the text holds no words, a NUL character
// or a word longer than kMaxWordLength, naming the line.
WordList readPastedText(const QString &text);

// A UTF-8 text file; the list is named after the file's base name. Raises as readPastedText does, and
// for bytes that are not UTF-8, naming the file and the line.
WordList readTextFile(const QString &path);

} // namespace Exchange
