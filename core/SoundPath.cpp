// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SoundPath.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace SoundPath {
namespace {

bool isFile(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

RecordingSource &source()
{
    static RecordingSource theSource;
    return theSource;
}

} // namespace

QString recordingHash(const QString &stored)
{
    static const QRegularExpression name(QStringLiteral("^recording:([0-9a-f]{64})$"));
    const QRegularExpressionMatch match = name.match(stored);
    return match.hasMatch() ? match.captured(1) : QString();
}

bool isRecording(const QString &stored)
{
    return !recordingHash(stored).isEmpty();
}

QString recordingName(const QString &hash)
{
    return QLatin1String(kRecordingPrefix) + hash;
}

void setRecordingSource(RecordingSource recordingSource)
{
    source() = std::move(recordingSource);
}

QString playable(const QString &stored, const QString &programFolder)
{
    if (const QString hash = recordingHash(stored); !hash.isEmpty())
        return source() ? source()(hash) : QString();
    if (isFile(stored))
        return stored;
    // Plain concatenation: both the folder's separator and one the stored path starts with are kept.
    if (isFile(programFolder + stored))
        return programFolder + stored;
    return {};
}

bool present(const QString &stored, const QString &programFolder)
{
    if (isRecording(stored))
        return bool(source());
    return isFile(stored) || isFile(programFolder + stored);
}

} // namespace SoundPath
