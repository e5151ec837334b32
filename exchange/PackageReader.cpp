// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PackageReader.h"

#include "Exceptions.h"
#include "PackageArchive.h"
#include "PackageManifest.h"
#include "WordText.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace Exchange {

WordList readPackage(const QString &path, const PackageLimits &limits)
{
    PackageArchive archive(path, limits);
    const QString name = TextSource::file(path).name();
    if (!archive.contains(QLatin1String(kManifestName)))
        throw Exception(
            QCoreApplication::translate("Exchange", "%1 is not a Spelldeck package: it holds no %2.")
                .arg(name, QLatin1String(kManifestName)));
    const Manifest manifest = parseManifest(archive.read(QLatin1String(kManifestName)), path);

    WordList list;
    list.name = manifest.name.isEmpty() ? QFileInfo(path).completeBaseName() : manifest.name;
    list.package = QFileInfo(path).absoluteFilePath();
    list.entries.reserve(manifest.words.size());
    for (qsizetype i = 0; i < manifest.words.size(); ++i) {
        const ManifestWord &word = manifest.words.at(i);
        RecordingSource recording;
        if (!word.recording.isEmpty()) {
            if (!archive.contains(word.recording))
                throw Exception(QCoreApplication::translate("Exchange",
                                                            "Word %1 of %2 (\"%3\"): its recording \"%4\" is "
                                                            "missing from the package.")
                                    .arg(i + 1)
                                    .arg(name, word.word, word.recording));
            recording = {RecordingSource::PackageMember, word.recording};
        }
        list.entries.append({word.word, recording, word.sentence});
    }
    return list;
}

} // namespace Exchange
