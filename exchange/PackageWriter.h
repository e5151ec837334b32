// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Progress.h"
#include "uGlobal.h"

#include <QList>
#include <QString>

namespace Exchange {

struct ExportResult
{
    qsizetype words = 0;
    qsizetype withoutRecording = 0; // words whose stored sound path names no readable file
};

// Writes the list `name` with `words` (each its Name and its Sound as stored) as a ".spelldeck" package
// at `file`. A recording is found by the sound path rule (SoundPath::playable) with `programFolder`;
// a word without one is written without a recording. Words sharing a recording file share its member,
// so the file is held once. The package is written beside `file` under a
// temporary name and renamed into place, replacing a file of that name in one step: no half-written
// package is ever seen there. Progress counts words; a cancelled export raises EAbort and leaves no
// file. Raises, naming the file, when it cannot be written, when the list has no words, and when a
// recording or all of them together pass what a package may hold (PackageLimits).
ExportResult writePackage(const QString &file, const QString &name, const QList<TData> &words,
                          const QString &programFolder, const Progress &progress = {});

} // namespace Exchange
