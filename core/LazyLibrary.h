// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLibrary>
#include <QString>

#include <mutex>

// A shared library opened the first time something needs it, so that start-up never pays for
// sound, speech or encoding libraries. Functions are called through pointers of the types their
// headers declare:
//
//     struct Api { SPELLDECK_LAZY_FUNCTION(lame_init); };
//     api.lame_init = library.resolve<decltype(&::lame_init)>("lame_init");
class LazyLibrary
{
public:
    // `fileName` without prefix or suffix ("mp3lame"), `version` the major version of its file
    // ("libmp3lame.so.0"); `purpose` says in a message what is missing ("MP3 encoding").
    LazyLibrary(QString fileName, int version, QString purpose);

    // Opens the library once; later calls return at once. Raises Exception naming the library and
    // the loader's reason when it cannot be opened.
    void load();
    bool isLoaded() const;

    // Tests: the library `fileName` (as given to the constructor) counts as missing from now on in
    // this process, so that what happens without it can be seen on a system that has it.
    static void hideForTesting(const QString &fileName);

    // The function `name` of the loaded library; raises Exception when the library has none.
    template <typename Function> Function resolve(const char *name)
    {
        return reinterpret_cast<Function>(address(name));
    }

private:
    QFunctionPointer address(const char *name);

    QLibrary m_library;
    QString m_fileName;
    QString m_purpose;
    std::mutex m_mutex;
};

#define SPELLDECK_LAZY_FUNCTION(name) decltype(&::name) name = nullptr
