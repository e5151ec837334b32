// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PackageFormat.h"

#include <QStringList>

namespace Exchange {

bool isInSoundFolder(const QString &member)
{
    // Names are never used as paths on disk, but one that leaves the folder can only be an attack.
    // A NUL ends the name where libzip and the file system read it: "sounds/\0x" is the folder itself.
    if (!member.startsWith(QLatin1String(kPackageSoundFolder)) || member.contains(QLatin1Char('\\')) ||
        member.contains(QChar(0)))
        return false;
    const QStringList segments = member.split(QLatin1Char('/'));
    return std::none_of(segments.cbegin(), segments.cend(), [](const QString &segment) {
        return segment == QLatin1String("..") || segment == QLatin1String(".");
    });
}

} // namespace Exchange
