// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordingReference.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

namespace Exchange {

RecordingSource recordingAt(const QString &reference, const QString &folder)
{
    const QString text = reference.trimmed();
    if (text.isEmpty())
        return {};
    QString path = text;
    // A scheme is two or more letters before a colon, so "C:" and plain names stay paths.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    if (scheme.match(text).hasMatch()) {
        const QUrl url(text);
        if (!url.isValid() || !url.isLocalFile())
            return {};
        path = url.toLocalFile();
    }
    const QFileInfo file(QDir(folder).absoluteFilePath(path));
    if (!file.isFile())
        return {};
    return {RecordingSource::File, QDir::cleanPath(file.absoluteFilePath())};
}

} // namespace Exchange
