// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

// Where recordings made or brought in by the program are written: one file per word in a folder of
// recordings, named after the word, never replacing a file that is there, never half-written.
namespace RecordingFiles {

// The longest base name, in characters.
inline constexpr int kMaxBaseLength = 60;

// The file name, without extension, for a recording of `word`: letters and digits of any script are
// kept, every other character becomes "_"; at most kMaxBaseLength characters; never empty and never
// starting with a dot.
QString baseName(const QString &word);

// Writes `bytes` as a new file in `folder` (made when missing) named after `word` with `extension`
// ("apple.mp3"; "apple-2.mp3", "apple-3.mp3", ... when the name is taken) and returns its path:
// `folder` + "/" + the name, so a relative folder gives a relative path. The bytes go to a temporary
// file in the same folder that is renamed into place, so no half-written file ever carries the name.
// Raises Exception naming the folder when it cannot be written.
QString writeNew(const QString &folder, const QString &word, const QByteArray &bytes,
                 const QString &extension = QStringLiteral("mp3"));

// Removes a file written by writeNew that was not kept (a recording abandoned before it was saved).
// A missing file is not an error.
void discard(const QString &path);

} // namespace RecordingFiles
