// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ImportedRecordings.h"

#include "PackageArchive.h"
#include "RecordingFiles.h"

#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

#include <optional>

namespace Exchange {
namespace {

// The member's own extension when it is a plausible one, so that a package made elsewhere with WAV or
// Ogg recordings keeps them playable; "mp3" otherwise.
QString extensionOf(const QString &member)
{
    static const QRegularExpression plausible(QStringLiteral("^[a-z0-9]{1,5}$"));
    const QString suffix = QFileInfo(member).suffix().toLower();
    return plausible.match(suffix).hasMatch() ? suffix : QStringLiteral("mp3");
}

} // namespace

ImportedRecordings::~ImportedRecordings()
{
    for (const QString &path : std::as_const(m_written))
        RecordingFiles::discard(path);
}

QStringList ImportedRecordings::bringIn(const WordList &list, const QString &folder, const Progress &progress,
                                        const PackageLimits &limits)
{
    qint64 members = 0;
    for (const WordEntry &entry : list.entries)
        members += entry.recording.kind == RecordingSource::PackageMember ? 1 : 0;
    // Opened again, and checked again, so that a package changed since it was read is still refused.
    std::optional<PackageArchive> archive;
    if (members > 0)
        archive.emplace(list.package, limits);

    QStringList sounds;
    sounds.reserve(list.entries.size());
    QHash<QString, QString> extracted; // member -> file written
    qint64 done = 0;
    progress.step(done, members);
    for (const WordEntry &entry : list.entries) {
        switch (entry.recording.kind) {
        case RecordingSource::None:
            sounds.append(QString());
            break;
        case RecordingSource::File:
            sounds.append(entry.recording.path);
            break;
        case RecordingSource::PackageMember: {
            QString path = extracted.value(entry.recording.path);
            if (path.isEmpty()) {
                path = RecordingFiles::writeNew(folder, entry.word, archive->read(entry.recording.path),
                                                extensionOf(entry.recording.path));
                m_written.append(path);
                extracted.insert(entry.recording.path, path);
            }
            sounds.append(path);
            progress.step(++done, members);
            break;
        }
        }
    }
    return sounds;
}

} // namespace Exchange
