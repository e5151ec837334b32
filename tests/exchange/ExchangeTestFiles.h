// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "WordList.h"
#include "uGlobal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

// Small file helpers the exchange tests share.
namespace TestFiles {

inline QString fixture(const QString &name)
{
    return QStringLiteral(SPELLDECK_FIXTURES "/") + name;
}

inline bool write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// Every file below `folder`, hidden ones included, relative to it and sorted.
inline QStringList filesBelow(const QString &folder)
{
    QStringList files;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name))
        files << name;
    for (const QString &sub : dir.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name)) {
        for (const QString &name : filesBelow(dir.filePath(sub)))
            files << sub + QLatin1Char('/') + name;
    }
    return files;
}

// The entries as "word", or "word <- kind:path" with paths below `folder` written relative to it, each
// followed by " / sentence" when it has one.
inline QStringList described(const Exchange::WordList &list, const QString &folder = {})
{
    QStringList result;
    for (const Exchange::WordEntry &entry : list.entries) {
        QString path = entry.recording.path;
        if (!folder.isEmpty() && path.startsWith(folder + QLatin1Char('/')))
            path = path.mid(folder.size() + 1);
        switch (entry.recording.kind) {
        case Exchange::RecordingSource::None:
            result << entry.word;
            break;
        case Exchange::RecordingSource::File:
            result << entry.word + QStringLiteral(" <- file:") + path;
            break;
        case Exchange::RecordingSource::PackageMember:
            result << entry.word + QStringLiteral(" <- member:") + path;
            break;
        }
        if (!entry.sentence.isEmpty())
            result.last() += QStringLiteral(" / ") + entry.sentence;
    }
    return result;
}

// A word as the database gives it, with its sound path as stored.
inline TData word(const QString &name, const QString &sound)
{
    TData data;
    data.Name = name;
    data.Sound = sound;
    return data;
}

} // namespace TestFiles
