// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "uGlobal.h"

#include <QString>

class Connection;
class QLineEdit;

// The editor's sentence of a word: shown with the selected word, typed while a word is added or
// changed, and stored with it in the same transaction.
class SentenceField
{
public:
    explicit SentenceField(QLineEdit *edit) : m_edit(edit) {}

    // The sentence of `word` (none for no word), to read.
    void show(const TData *word);
    // The sentence of the word being changed (none for a new word), to type.
    void begin(const TData *word);
    // The change is over: back to showing the selected word's.
    void end(const TData *selected);

    // What is typed, as it is stored: blanks and line breaks one space, none at the ends.
    QString text() const;

    // Before the transaction that stores the word: an older database gains the sentences' table when
    // this is the first sentence it is given. Raises EDatabaseError.
    void prepare(Connection &connection) const;
    // In that transaction: the sentence stored with the word `wordId`.
    void store(Connection &connection, const QString &wordId) const;

private:
    QLineEdit *m_edit;
};
