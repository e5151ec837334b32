// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The package's "spelldeck.json": {"format": 2, "name": "...", "words": [{"word": "...",
// "recording": "sounds/apple.mp3" or null, "sentence": "..."}, ...]}; "sentence" comes only with a
// word that has one, and format 1, written when no word has, knows none.
namespace Exchange {

struct ManifestWord
{
    QString word;
    QString recording; // the member's name; empty for none
    QString sentence;  // empty for none
};

struct Manifest
{
    QString name;
    QList<ManifestWord> words;
};

QByteArray manifestJson(const Manifest &manifest);

// Raises, naming the package and the word by its number, for JSON that does not parse, a missing or
// unknown format version, words that are not text, are empty or longer than kMaxWordLength, recordings
// that are not text or lie outside "sounds/", sentences that are not text or too long, and a manifest
// without words.
Manifest parseManifest(const QByteArray &json, const QString &packagePath);

} // namespace Exchange
