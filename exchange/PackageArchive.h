// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PackageFormat.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <memory>

struct zip;

namespace Exchange {

struct ZipApi;

// A package opened for reading, closed when the object goes. Opening checks every member before any is
// read; reading enforces the sizes again on the bytes themselves, since a damaged or forged archive may
// declare any size it likes.
class PackageArchive
{
public:
    // Raises, naming the package, for a file that is not a ZIP archive or is damaged or incomplete, more
    // than `limits.entries` members, a member outside "sounds/" (besides the manifest: "..", an absolute
    // path, a backslash), a symbolic link, an encrypted member, a member named twice, and declared sizes
    // or ratios past the limits.
    PackageArchive(const QString &path, const PackageLimits &limits = {});
    ~PackageArchive();
    PackageArchive(const PackageArchive &) = delete;
    PackageArchive &operator=(const PackageArchive &) = delete;

    const QString &path() const { return m_path; }
    bool contains(const QString &member) const { return m_members.contains(member); }

    // The member's bytes. Raises when it is missing or damaged, when it unpacks to more than the
    // entry size or at a higher ratio than the limits allow, or when everything read from this archive
    // together passes the total size.
    QByteArray read(const QString &member);

private:
    struct Member
    {
        quint64 index = 0;
        qint64 compressedSize = 0;
    };

    struct Discard
    {
        const ZipApi *api;
        void operator()(::zip *archive) const;
    };

    [[noreturn]] void refuse(const QString &problem) const;
    static QString heldTwice(const QString &member);
    // Refuses for the first name met twice; returns when none is found.
    void refuseNameHeldTwice() const;
    void checkMembers();

    const ZipApi &m_api;
    QString m_path;
    PackageLimits m_limits;
    std::unique_ptr<::zip, Discard> m_zip;
    QHash<QString, Member> m_members;
    qint64 m_totalRead = 0;
};

} // namespace Exchange
