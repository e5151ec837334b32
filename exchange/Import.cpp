// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Import.h"

#include "ImportedRecordings.h"
#include "WordStore.h"

namespace Exchange {
namespace {

qint64 membersOf(const WordList &list)
{
    return std::count_if(list.entries.cbegin(), list.entries.cend(), [](const WordEntry &entry) {
        return entry.recording.kind == RecordingSource::PackageMember;
    });
}

QList<TData> wordsToStore(const WordList &list, const QStringList &sounds)
{
    QList<TData> words;
    words.reserve(list.entries.size());
    for (qsizetype i = 0; i < list.entries.size(); ++i) {
        TData word;
        word.Name = list.entries.at(i).word;
        word.Sound = sounds.at(i);
        word.Sentence = list.entries.at(i).sentence;
        words.append(word);
    }
    return words;
}

// Brings the recordings in, then runs `store` with the words; the recordings stay only when it returns.
template <typename Store>
ImportResult import(const WordList &list, const QString &soundFolder, const Progress &progress,
                    const PackageLimits &limits, Store store)
{
    const qint64 members = membersOf(list);
    const qint64 total = members + list.entries.size();
    ImportedRecordings recordings;
    ImportResult result;
    result.sounds = recordings.bringIn(list, soundFolder, progress.part(0, total), limits);
    store(wordsToStore(list, result.sounds), progress.part(members, total), result);
    recordings.keep();
    return result;
}

} // namespace

ImportResult importAsNewList(Connection &connection, const WordList &list, const QString &name,
                             const QString &soundFolder, const Progress &progress,
                             const PackageLimits &limits)
{
    return import(list, soundFolder, progress, limits,
                  [&](const QList<TData> &words, const Progress &storing, ImportResult &result) {
                      StoredList stored = storeNewList(connection, name, words, storing);
                      result.typeId = stored.typeId;
                      result.wordIds = std::move(stored.wordIds);
                  });
}

ImportResult importIntoList(Connection &connection, const WordList &list, const QString &typeId,
                            const QString &soundFolder, const Progress &progress, const PackageLimits &limits)
{
    return import(list, soundFolder, progress, limits,
                  [&](const QList<TData> &words, const Progress &storing, ImportResult &result) {
                      result.typeId = typeId;
                      result.wordIds = appendWords(connection, typeId, words, storing);
                  });
}

} // namespace Exchange
