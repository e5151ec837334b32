// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>

// The sound path rule: where the file a word's stored sound path names is found. It lives here, below
// the widgets, because playing a word and exporting a list must find the same file.
namespace SoundPath {

// On a server a word's sound may name a recording kept in the database instead of a file:
// "recording:" followed by the SHA-256 of its bytes in lower-case hex.
inline constexpr auto kRecordingPrefix = "recording:";
bool isRecording(const QString &stored);
// The hash a recording's name carries; empty for anything else.
QString recordingHash(const QString &stored);
QString recordingName(const QString &hash);

// Where a recording kept in the database is found as a file: set by the store for the program's
// database; empty when it is not there (or nothing is set).
using RecordingSource = std::function<QString(const QString &hash)>;
void setRecordingSource(RecordingSource source);

// The path as stored when a file is there (a relative path taken against the current directory), else
// `programFolder` followed by the stored path; a recording's file from the recording source; empty
// when there is none.
QString playable(const QString &stored, const QString &programFolder);

// Whether the sound can be played, without fetching a recording kept in the database (those are
// there once named: they are never removed).
bool present(const QString &stored, const QString &programFolder);

} // namespace SoundPath
