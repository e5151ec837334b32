// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Recordings.h"

#include "Dataset.h"
#include "Exceptions.h"
#include "SoundPath.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlQuery>
#include <QStandardPaths>

namespace Recordings {
namespace {

QString hashOf(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

QString cachedPath(const QString &hash)
{
    return cacheFolder() + QLatin1Char('/') + hash + QStringLiteral(".mp3");
}

// Written whole or not at all: a play never finds half a recording under its hash.
void keepInCache(const QString &hash, const QByteArray &bytes)
{
    const QString path = cachedPath(hash);
    if (QFileInfo(path).isFile())
        return;
    QDir().mkpath(cacheFolder());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw Exception(QCoreApplication::translate("Recordings", "Cannot keep the recording in \"%1\": %2")
                            .arg(QDir::toNativeSeparators(path), file.errorString()));
}

} // namespace

QString cacheFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/spelldeck/recordings");
}

QString stored(Connection &connection, const QString &sound)
{
    if (!connection.onServer() || sound.isEmpty() || SoundPath::isRecording(sound))
        return sound;
    const QString path =
        SoundPath::playable(sound, QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    if (path.isEmpty())
        return sound;
    QFile file(path);
    if (file.size() > kMaxBytes)
        throw Exception(QCoreApplication::translate(
                            "Recordings", "The recording \"%1\" is larger than %2 MB and is not kept.")
                            .arg(QDir::toNativeSeparators(sound))
                            .arg(kMaxBytes / (1024 * 1024)));
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(QCoreApplication::translate("Recordings", "Cannot read the recording \"%1\": %2")
                            .arg(QDir::toNativeSeparators(sound), file.errorString()));
    const QByteArray bytes = file.readAll();
    const QString hash = hashOf(bytes);
    // Another word, or another computer, may have kept the same recording already.
    connection
        .run(QStringLiteral("insert into d_recording(recording_hash, recording_data) values(?, ?) "
                            "on conflict (recording_hash) do nothing"),
             {hash, bytes})
        .finish();
    // Whoever made it plays it without fetching it back.
    keepInCache(hash, bytes);
    return SoundPath::recordingName(hash);
}

QString fetched(Connection &connection, const QString &hash)
{
    const QString path = cachedPath(hash);
    if (QFileInfo(path).isFile())
        return path;
    // One row at a time: the bytes travel escaped, a list of them would be read whole into memory.
    QSqlQuery query = connection.run(
        QStringLiteral("select recording_data from d_recording where recording_hash = ?"), {hash});
    if (!query.next())
        return {};
    const QByteArray bytes = query.value(0).toByteArray();
    query.finish();
    if (hashOf(bytes) != hash)
        throw Exception(
            QCoreApplication::translate("Recordings", "The recording %1 in the database is damaged.")
                .arg(hash));
    keepInCache(hash, bytes);
    return path;
}

Source::Source(Connection &connection)
{
    if (!connection.onServer())
        return;
    SoundPath::setRecordingSource([&connection](const QString &hash) { return fetched(connection, hash); });
    m_set = true;
}

Source::~Source()
{
    if (m_set)
        SoundPath::setRecordingSource({});
}

} // namespace Recordings
