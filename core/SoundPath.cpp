// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SoundPath.h"

#include <QFileInfo>

namespace SoundPath {
namespace {

bool isFile(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

} // namespace

QString playable(const QString &stored, const QString &programFolder)
{
    if (isFile(stored))
        return stored;
    // Plain concatenation: both the folder's separator and one the stored path starts with are kept.
    if (isFile(programFolder + stored))
        return programFolder + stored;
    return {};
}

} // namespace SoundPath
