// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Libraries opened on first use: a missing library or function is a message naming what is missing.
#include "Exceptions.h"
#include "LazyLibrary.h"

#include <QTest>

class TestLazyLibrary : public QObject
{
    Q_OBJECT

private slots:
    void opensOnFirstUse();
    void missingLibraryIsNamed();
    void missingFunctionIsNamed();
    void hiddenLibraryIsMissing();
};

void TestLazyLibrary::opensOnFirstUse()
{
    // zlib is on every system Qt runs on.
    LazyLibrary zlib(QStringLiteral("z"), 1, QStringLiteral("Compression"));
    QVERIFY(!zlib.isLoaded());
    const auto version = zlib.resolve<const char *(*)()>("zlibVersion");
    QVERIFY(zlib.isLoaded());
    QCOMPARE(QByteArray(version()).left(2), QByteArray("1."));
}

void TestLazyLibrary::missingLibraryIsNamed()
{
    LazyLibrary missing(QStringLiteral("spelldeck-no-such-library"), 3, QStringLiteral("Speech synthesis"));
    try {
        missing.load();
        QFAIL("a missing library loaded");
    } catch (const Exception &e) {
        QVERIFY2(e.message().startsWith(QStringLiteral("Speech synthesis is not available: ")),
                 qPrintable(e.message()));
        QVERIFY2(e.message().contains(QStringLiteral("spelldeck-no-such-library")), qPrintable(e.message()));
    }
    QVERIFY(!missing.isLoaded());
}

void TestLazyLibrary::missingFunctionIsNamed()
{
    LazyLibrary zlib(QStringLiteral("z"), 1, QStringLiteral("Compression"));
    try {
        zlib.resolve<void (*)()>("spelldeck_no_such_function");
        QFAIL("a missing function resolved");
    } catch (const Exception &e) {
        QVERIFY2(e.message().contains(QStringLiteral("has no function spelldeck_no_such_function")),
                 qPrintable(e.message()));
    }
}

void TestLazyLibrary::hiddenLibraryIsMissing()
{
    // What a test sees of a system without the library, though this one has it.
    LazyLibrary::hideForTesting(QStringLiteral("z"));
    LazyLibrary zlib(QStringLiteral("z"), 1, QStringLiteral("Compression"));
    try {
        zlib.load();
        QFAIL("a hidden library loaded");
    } catch (const Exception &e) {
        QCOMPARE(e.message(), QStringLiteral("Compression is not available: libz is hidden for a test"));
    }
    QVERIFY(!zlib.isLoaded());
}

QTEST_GUILESS_MAIN(TestLazyLibrary)
#include "tst_lazylibrary.moc"
