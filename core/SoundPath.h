// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The sound path rule: where the file a word's stored sound path names is found. It lives here, below
// the widgets, because playing a word and exporting a list must find the same file.
namespace SoundPath {

// The path as stored when a file is there (a relative path taken against the current directory), else
// `programFolder` followed by the stored path; empty when neither is a file.
QString playable(const QString &stored, const QString &programFolder);

} // namespace SoundPath
