// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PackageWriter.h"

#include "Exceptions.h"
#include "PackageFormat.h"
#include "PackageManifest.h"
#include "RecordingFiles.h"
#include "SoundPath.h"
#include "WordText.h"
#include "ZipLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>

namespace Exchange {
namespace {

// A regular file readable by all, as the members' external attributes.
constexpr zip_uint32_t kMemberAttributes = 0100644u << 16;

struct Recording
{
    QString file;   // on disk
    QString member; // in the package
};

// An archive being written, discarded unless it was closed.
class ArchiveBeingWritten
{
public:
    ArchiveBeingWritten(const ZipApi &api, zip_t *archive) : m_api(api), m_archive(archive) {}
    ~ArchiveBeingWritten()
    {
        if (m_archive)
            m_api.zip_discard(m_archive);
    }
    ArchiveBeingWritten(const ArchiveBeingWritten &) = delete;
    ArchiveBeingWritten &operator=(const ArchiveBeingWritten &) = delete;

    zip_t *get() const { return m_archive; }
    void closed() { m_archive = nullptr; }

private:
    const ZipApi &m_api;
    zip_t *m_archive;
};

// What libzip's callbacks, which run inside zip_close, report to the caller. No exception may cross
// libzip's frames: one raised by the progress report is kept here, the writing cancelled, and the
// exception raised again once zip_close has returned.
struct CloseState
{
    const Progress *progress = nullptr;
    qint64 total = 0;
    std::exception_ptr failure;
};

void closeProgress(zip_t *, double fraction, void *data)
{
    auto *state = static_cast<CloseState *>(data);
    if (state->failure)
        return;
    try {
        state->progress->step(qRound64(fraction * double(state->total)), state->total);
    } catch (...) {
        state->failure = std::current_exception();
    }
}

int closeCancelled(zip_t *, void *data)
{
    const auto *state = static_cast<const CloseState *>(data);
    return state->failure || state->progress->cancelled() ? 1 : 0;
}

QString memberName(const QString &word, QSet<QString> &taken)
{
    const QString base = QLatin1String(kPackageSoundFolder) + RecordingFiles::baseName(word);
    QString name = base + QStringLiteral(".mp3");
    for (int number = 2; taken.contains(name); ++number)
        name = base + QLatin1Char('-') + QString::number(number) + QStringLiteral(".mp3");
    taken.insert(name);
    return name;
}

void addMember(const ZipApi &api, zip_t *archive, const QString &member, zip_source_t *source,
               const QString &target)
{
    const auto fail = [&] {
        throw Exception(
            QCoreApplication::translate("Exchange", "%1 cannot be written: %2")
                .arg(TextSource::file(target).name(), QString::fromUtf8(api.zip_strerror(archive))));
    };
    if (!source)
        fail();
    const zip_int64_t index =
        api.zip_file_add(archive, member.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        api.zip_source_free(source);
        fail();
    }
    // Recordings are compressed already, and the manifest stored as it is can never look like a
    // compression bomb to a reader.
    if (api.zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_STORE, 0) != 0 ||
        api.zip_file_set_external_attributes(archive, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX,
                                             kMemberAttributes) != 0)
        fail();
}

} // namespace

ExportResult writePackage(const QString &file, const QString &name, const QList<TData> &words,
                          const QString &programFolder, const Progress &progress)
{
    const QString target = TextSource::file(file).name();
    if (words.isEmpty())
        throw Exception(
            QCoreApplication::translate("Exchange", "The list \"%1\" has no words to export.").arg(name));
    const PackageLimits limits;

    Manifest manifest;
    manifest.name = name;
    QList<Recording> recordings;
    QSet<QString> taken;
    QHash<QString, QString> memberOfFile; // words sharing a recording share its member
    ExportResult result;
    qint64 total = 0;
    for (const TData &word : words) {
        const QString path = SoundPath::playable(word.Sound, programFolder);
        const QFileInfo info(path);
        QString member;
        if (!path.isEmpty() && info.isReadable()) {
            if (info.size() > limits.entrySize)
                throw Exception(QCoreApplication::translate("Exchange",
                                                            "The recording of \"%1\" (%2) is larger than a "
                                                            "package may hold (%3 MB).")
                                    .arg(word.Name, QDir::toNativeSeparators(path))
                                    .arg(limits.entrySize / (1024 * 1024)));
            member = memberOfFile.value(info.canonicalFilePath());
            if (member.isEmpty()) {
                total += info.size();
                member = memberName(word.Name, taken);
                recordings.append({path, member});
                memberOfFile.insert(info.canonicalFilePath(), member);
            }
        } else {
            ++result.withoutRecording;
        }
        manifest.words.append({word.Name, member, word.Sentence});
    }
    if (total > limits.totalSize || recordings.size() + 1 > limits.entries)
        throw Exception(QCoreApplication::translate("Exchange",
                                                    "The recordings of \"%1\" are more than a package may "
                                                    "hold (%2 files, %3 MB).")
                            .arg(name)
                            .arg(limits.entries)
                            .arg(limits.totalSize / (1024 * 1024)));
    result.words = words.size();
    const QByteArray json = manifestJson(manifest);

    const QFileInfo destination(file);
    QTemporaryFile temporary(destination.absoluteDir().filePath(QLatin1Char('.') + destination.fileName() +
                                                                QStringLiteral("-XXXXXX.part")));
    if (!temporary.open())
        throw Exception(QCoreApplication::translate("Exchange", "%1 cannot be written: %2")
                            .arg(target, temporary.errorString()));
    temporary.close();

    const ZipApi &api = zipLibrary();
    int code = 0;
    ArchiveBeingWritten archive(api, api.zip_open(QFile::encodeName(temporary.fileName()).constData(),
                                                  ZIP_CREATE | ZIP_TRUNCATE, &code));
    if (!archive.get())
        throw Exception(QCoreApplication::translate("Exchange", "%1 cannot be written: %2")
                            .arg(target, zipErrorText(api, code)));
    addMember(api, archive.get(), QLatin1String(kManifestName),
              api.zip_source_buffer(archive.get(), json.constData(), zip_uint64_t(json.size()), 0), file);
    for (const Recording &recording : std::as_const(recordings)) {
        addMember(api, archive.get(), recording.member,
                  api.zip_source_file(archive.get(), QFile::encodeName(recording.file).constData(), 0, -1),
                  file);
    }

    CloseState state{&progress, qint64(words.size()), {}};
    api.zip_register_progress_callback_with_state(archive.get(), 0.01, closeProgress, nullptr, &state);
    api.zip_register_cancel_callback_with_state(archive.get(), closeCancelled, nullptr, &state);
    const bool closed = api.zip_close(archive.get()) == 0;
    if (closed)
        archive.closed();
    // Raised by the progress report, whether or not libzip stopped writing in time.
    if (state.failure)
        std::rethrow_exception(state.failure);
    if (!closed) {
        progress.check();
        throw Exception(QCoreApplication::translate("Exchange", "%1 cannot be written: %2")
                            .arg(target, QString::fromUtf8(api.zip_strerror(archive.get()))));
    }
    progress.step(result.words, result.words);

    // rename() replaces the file of that name at once; nothing of the old or new one is left half.
    if (std::rename(QFile::encodeName(temporary.fileName()).constData(),
                    QFile::encodeName(file).constData()) != 0)
        throw Exception(QCoreApplication::translate("Exchange", "%1 cannot be written: %2")
                            .arg(target, QString::fromLocal8Bit(std::strerror(errno))));
    temporary.setAutoRemove(false);
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return result;
}

} // namespace Exchange
