// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// A ".spelldeck" package is a ZIP archive holding "spelldeck.json" (the list's name and its words in
// order, each with the member that holds its recording, or null) and the recordings under "sounds/".
namespace Exchange {

inline constexpr auto kPackageExtension = "spelldeck";
inline constexpr auto kManifestName = "spelldeck.json";
inline constexpr auto kPackageSoundFolder = "sounds/";
// The version in the manifest's "format"; a package of a later version is refused. Format 2 added the
// words' sentences; a list without them is still written in format 1.
inline constexpr int kPackageFormat = 2;
inline constexpr int kFirstPackageFormat = 1;
inline constexpr int kSentencePackageFormat = 2;

// What a package may hold before it is refused unopened: an archive can claim, or unpack to, far more
// than any list of recordings needs.
struct PackageLimits
{
    qint64 entries = 10000;
    qint64 entrySize = 20 * 1024 * 1024;  // bytes, uncompressed, of one member
    qint64 totalSize = 500 * 1024 * 1024; // bytes, uncompressed, of all members together
    qint64 ratio = 100;                   // uncompressed to compressed size of one member
};

// Whether a member's name keeps it inside "sounds/": relative, with "/" for separator, no NUL and no ".." or
// "." segment.
bool isInSoundFolder(const QString &member);

} // namespace Exchange
