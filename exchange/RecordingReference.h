// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "WordList.h"

namespace Exchange {

// The recording a word list file names for a word: a path, taken against `folder` (the file's own
// folder) when relative, or a file: URL. A file that is not there, or a URL of any other kind, gives
// no recording.
RecordingSource recordingAt(const QString &reference, const QString &folder);

} // namespace Exchange
