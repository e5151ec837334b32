// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordingFiles.h"

#include "Exceptions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace RecordingFiles {

QString baseName(const QString &word)
{
    QString name;
    name.reserve(kMaxBaseLength);
    // Characters, not UTF-16 units: a letter outside the basic plane is kept whole or not at all.
    for (const uint c : word.toUcs4()) {
        const bool keep = QChar::isLetterOrNumber(c) || QChar::category(c) == QChar::Mark_NonSpacing ||
                          QChar::category(c) == QChar::Mark_SpacingCombining;
        const QString piece =
            keep ? QString::fromUcs4(reinterpret_cast<const char32_t *>(&c), 1) : QStringLiteral("_");
        if (name.size() + piece.size() > kMaxBaseLength)
            break;
        name += piece;
    }
    // A leading dot would hide the file; "_" can never be one, but an empty word gives nothing.
    if (name.isEmpty())
        name = QStringLiteral("recording");
    return name;
}

QString writeNew(const QString &folder, const QString &word, const QByteArray &bytes,
                 const QString &extension)
{
    const QDir dir(folder);
    if (!dir.mkpath(QStringLiteral(".")))
        throw Exception(
            QCoreApplication::translate("RecordingFiles", "The folder \"%1\" for recordings cannot be made.")
                .arg(folder));

    QTemporaryFile temporary(dir.filePath(QStringLiteral(".recording-XXXXXX.part")));
    if (!temporary.open())
        throw Exception(QCoreApplication::translate("RecordingFiles",
                                                    "No recording can be written in the folder \"%1\": %2")
                            .arg(folder, temporary.errorString()));
    if (temporary.write(bytes) != bytes.size() || !temporary.flush())
        throw Exception(QCoreApplication::translate(
                            "RecordingFiles", "The recording could not be written in the folder \"%1\": %2")
                            .arg(folder, temporary.errorString()));
    temporary.close();

    // rename() never replaces a file, so a name taken meanwhile by someone else is simply skipped.
    const QString base = baseName(word);
    for (int number = 1; number < 100000; ++number) {
        const QString name = (number == 1 ? base : base + QLatin1Char('-') + QString::number(number)) +
                             QLatin1Char('.') + extension;
        const QString path = folder.isEmpty() ? name : QDir::cleanPath(folder) + QLatin1Char('/') + name;
        if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
            continue;
        if (temporary.rename(dir.filePath(name))) {
            temporary.setAutoRemove(false);
            // Readable by whoever may read the lists, as any file the user saves.
            QFile::setPermissions(path,
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
            return path;
        }
        if (!QFileInfo::exists(path))
            throw Exception(
                QCoreApplication::translate("RecordingFiles",
                                            "The recording could not be stored in the folder \"%1\": %2")
                    .arg(folder, temporary.errorString()));
    }
    throw Exception(QCoreApplication::translate("RecordingFiles",
                                                "The folder \"%1\" holds too many recordings named \"%2\".")
                        .arg(folder, base));
}

void discard(const QString &path)
{
    if (!path.isEmpty())
        QFile::remove(path);
}

} // namespace RecordingFiles
