// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PackageArchive.h"

#include "Exceptions.h"
#include "WordText.h"
#include "ZipLibrary.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QSet>

namespace Exchange {
namespace {

// The Unix file type bits of a member's external attributes, and the type of a symbolic link.
constexpr quint32 kUnixTypeMask = 0170000;
constexpr quint32 kUnixSymbolicLink = 0120000;

QString sizeText(qint64 bytes)
{
    return QLocale().formattedDataSize(bytes, 0, QLocale::DataSizeTraditionalFormat);
}

bool startsLikeZip(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(2) == "PK";
}

// A member opened for reading, closed however reading ends.
class MemberFile
{
public:
    MemberFile(const ZipApi &api, zip_file_t *file) : m_api(api), m_file(file) {}
    ~MemberFile()
    {
        if (m_file)
            m_api.zip_fclose(m_file);
    }
    MemberFile(const MemberFile &) = delete;
    MemberFile &operator=(const MemberFile &) = delete;

    zip_file_t *get() const { return m_file; }

private:
    const ZipApi &m_api;
    zip_file_t *m_file;
};

} // namespace

PackageArchive::PackageArchive(const QString &path, const PackageLimits &limits)
    : m_api(zipLibrary()), m_path(path), m_limits(limits)
{
    const QString name = TextSource::file(path).name();
    int code = 0;
    // Consistency checks compare every member's local header with the central directory, which is
    // where a cut-off or altered archive shows.
    m_zip = {m_api.zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code),
             Discard{&m_api}};
    if (!m_zip) {
        if (code == ZIP_ER_NOENT || code == ZIP_ER_OPEN || code == ZIP_ER_READ)
            throw Exception(QCoreApplication::translate("Exchange", "%1 cannot be read: %2")
                                .arg(name, zipErrorText(m_api, code)));
        // Without its directory at the end, a cut-off archive looks like no archive at all to libzip.
        if (code == ZIP_ER_NOZIP && !startsLikeZip(path))
            throw Exception(QCoreApplication::translate(
                                "Exchange", "%1 is not a Spelldeck package: it is no ZIP archive.")
                                .arg(name));
        if (code == ZIP_ER_NOZIP)
            throw Exception(QCoreApplication::translate(
                                "Exchange", "%1 is damaged or incomplete: the end of the archive is missing.")
                                .arg(name));
        if (code == ZIP_ER_EXISTS)
            refuseNameHeldTwice();
        throw Exception(QCoreApplication::translate("Exchange", "%1 is damaged or incomplete: %2.")
                            .arg(name, zipErrorText(m_api, code)));
    }
    checkMembers();
}

PackageArchive::~PackageArchive() = default;

void PackageArchive::Discard::operator()(::zip *archive) const
{
    api->zip_discard(archive);
}

void PackageArchive::refuse(const QString &problem) const
{
    throw Exception(QCoreApplication::translate("Exchange", "%1 was refused: %2")
                        .arg(TextSource::file(m_path).name(), problem));
}

QString PackageArchive::heldTwice(const QString &member)
{
    return QCoreApplication::translate("Exchange", "it holds the file \"%1\" twice.").arg(member);
}

void PackageArchive::refuseNameHeldTwice() const
{
    // The consistency checks refuse a name held twice without saying which one; opened without them,
    // only to read the names, the archive can name it.
    int code = 0;
    const std::unique_ptr<::zip, Discard> archive{
        m_api.zip_open(QFile::encodeName(m_path).constData(), ZIP_RDONLY, &code), Discard{&m_api}};
    if (!archive)
        return;
    QSet<QString> seen;
    const zip_int64_t count = m_api.zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        // Compared as decoded, the way libzip compares them: a CP437 name and a UTF-8 one may be the same.
        const char *raw = m_api.zip_get_name(archive.get(), zip_uint64_t(i), ZIP_FL_ENC_GUESS);
        if (!raw)
            return;
        const QString member = QString::fromUtf8(raw);
        if (seen.contains(member))
            refuse(heldTwice(member));
        seen.insert(member);
    }
}

void PackageArchive::checkMembers()
{
    const zip_int64_t count = m_api.zip_get_num_entries(m_zip.get(), 0);
    if (count > m_limits.entries)
        refuse(QCoreApplication::translate("Exchange", "it holds more than %1 files.").arg(m_limits.entries));
    qint64 total = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        const char *raw = m_api.zip_get_name(m_zip.get(), zip_uint64_t(i), ZIP_FL_ENC_GUESS);
        zip_stat_t stat;
        if (!raw || m_api.zip_stat_index(m_zip.get(), zip_uint64_t(i), 0, &stat) != 0)
            throw Exception(QCoreApplication::translate("Exchange", "%1 is damaged or incomplete: %2.")
                                .arg(TextSource::file(m_path).name(),
                                     QString::fromUtf8(m_api.zip_strerror(m_zip.get()))));
        const QString member = QString::fromUtf8(raw);
        const bool folder = member.endsWith(QLatin1Char('/'));
        if (member != QLatin1String(kManifestName) && member != QLatin1String(kPackageSoundFolder) &&
            !isInSoundFolder(member))
            refuse(QCoreApplication::translate("Exchange", "its file \"%1\" lies outside the folder \"%2\".")
                       .arg(member, QLatin1String(kPackageSoundFolder)));
        zip_uint8_t system = 0;
        zip_uint32_t attributes = 0;
        if (m_api.zip_file_get_external_attributes(m_zip.get(), zip_uint64_t(i), 0, &system, &attributes) ==
                0 &&
            system == ZIP_OPSYS_UNIX && ((attributes >> 16) & kUnixTypeMask) == kUnixSymbolicLink)
            refuse(
                QCoreApplication::translate("Exchange", "its file \"%1\" is a symbolic link.").arg(member));
        if (folder)
            continue;
        if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE)
            refuse(QCoreApplication::translate("Exchange", "its file \"%1\" is encrypted.").arg(member));
        if (m_members.contains(member))
            refuse(heldTwice(member));
        const qint64 declared =
            qint64(std::min<zip_uint64_t>(stat.size, zip_uint64_t(m_limits.totalSize) + 1));
        const qint64 compressed =
            qint64(std::min<zip_uint64_t>(stat.comp_size, zip_uint64_t(m_limits.totalSize) + 1));
        if (declared > m_limits.entrySize)
            refuse(QCoreApplication::translate("Exchange", "its file \"%1\" is larger than %2.")
                       .arg(member, sizeText(m_limits.entrySize)));
        if (declared > m_limits.ratio * std::max<qint64>(compressed, 1))
            refuse(QCoreApplication::translate("Exchange", "its file \"%1\" is compressed more than %2 to 1.")
                       .arg(member)
                       .arg(m_limits.ratio));
        total += declared;
        if (total > m_limits.totalSize)
            refuse(QCoreApplication::translate("Exchange", "its files hold more than %1 in all.")
                       .arg(sizeText(m_limits.totalSize)));
        m_members.insert(member, {zip_uint64_t(i), compressed});
    }
}

QByteArray PackageArchive::read(const QString &member)
{
    const QString name = TextSource::file(m_path).name();
    const auto found = m_members.constFind(member);
    if (found == m_members.cend())
        throw Exception(
            QCoreApplication::translate("Exchange", "%1 holds no file \"%2\".").arg(name, member));
    const MemberFile file(m_api, m_api.zip_fopen_index(m_zip.get(), found->index, 0));
    if (!file.get())
        throw Exception(QCoreApplication::translate("Exchange", "The file \"%1\" in %2 cannot be read: %3.")
                            .arg(member, name, QString::fromUtf8(m_api.zip_strerror(m_zip.get()))));
    QByteArray bytes;
    char buffer[64 * 1024];
    for (;;) {
        const zip_int64_t got = m_api.zip_fread(file.get(), buffer, sizeof buffer);
        if (got < 0)
            throw Exception(QCoreApplication::translate("Exchange",
                                                        "%1 is damaged or incomplete: the file \"%2\" cannot "
                                                        "be read (%3).")
                                .arg(name, member, QString::fromUtf8(m_api.zip_file_strerror(file.get()))));
        if (got == 0)
            break;
        // Counted before the bytes are kept: memory never holds more than the limits plus one buffer.
        const qint64 size = bytes.size() + got;
        if (size > m_limits.entrySize)
            refuse(QCoreApplication::translate("Exchange", "its file \"%1\" is larger than %2.")
                       .arg(member, sizeText(m_limits.entrySize)));
        if (size > m_limits.ratio * std::max<qint64>(found->compressedSize, 1))
            refuse(QCoreApplication::translate("Exchange", "its file \"%1\" is compressed more than %2 to 1.")
                       .arg(member)
                       .arg(m_limits.ratio));
        if (m_totalRead + size > m_limits.totalSize)
            refuse(QCoreApplication::translate("Exchange", "its files hold more than %1 in all.")
                       .arg(sizeText(m_limits.totalSize)));
        bytes.append(buffer, qsizetype(got));
    }
    m_totalRead += bytes.size();
    return bytes;
}

} // namespace Exchange
