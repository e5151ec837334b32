// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class Connection;

// Recordings kept in the database, as every computer of a school plays them from its server. A word's
// sound then names one by the hash of its bytes (SoundPath::recordingName); a computer keeps each it
// played in its cache folder under that hash, so the next play reads no row. The file keeps its
// recordings as files, stored by path.
namespace Recordings {

// Larger files are refused rather than kept in every computer's cache.
inline constexpr qint64 kMaxBytes = 50 * 1024 * 1024;

// The sound a word is to be stored with. On a server, a sound that names a file (found by the sound
// path rule) is kept in the database, once however many words use it, in the caller's transaction,
// and its recording's name returned; anything else (the file backend, an empty sound, a recording's
// name, a path that names no file) comes back as it is. Raises Exception for a file that cannot be
// read or is too large, EDatabaseError for the server's failures.
QString stored(Connection &connection, const QString &sound);

// The cached file of a recording kept in the database, fetched when it is not there yet; empty when
// the database holds no recording of that hash.
QString fetched(Connection &connection, const QString &hash);

// The folder of the recordings this computer played: "spelldeck/recordings" in the user's cache.
QString cacheFolder();

// For as long as it lives, words of the connection's database play their recordings from it (when it
// is a server; nothing otherwise).
class Source
{
public:
    explicit Source(Connection &connection);
    ~Source();
    Source(const Source &) = delete;
    Source &operator=(const Source &) = delete;

private:
    bool m_set = false;
};

} // namespace Recordings
