// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SentenceField.h"

#include "Sentences.h"

#include <QLineEdit>

void SentenceField::show(const TData *word)
{
    m_edit->setText(word ? word->Sentence : QString());
}

void SentenceField::begin(const TData *word)
{
    show(word);
    m_edit->setEnabled(true);
}

void SentenceField::end(const TData *selected)
{
    m_edit->setEnabled(false);
    show(selected);
}

QString SentenceField::text() const
{
    return m_edit->text().simplified();
}

void SentenceField::prepare(Connection &connection) const
{
    TData word;
    word.Sentence = text();
    Sentences::prepareFor(connection, {word});
}

void SentenceField::store(Connection &connection, const QString &wordId) const
{
    Sentences::store(connection, wordId, text());
}
