// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Word lists in and out: 1,000 pasted words stored, and a list of 1,000 words with recordings (copies
// of a short MP3) exported to a package and imported from it.
#include "Bench.h"

#include "DatabaseTool.h"
#include "Dataset.h"
#include "Import.h"
#include "PackageWriter.h"
#include "Schema.h"
#include "TextWords.h"
#include "WordFiles.h"
#include "WordStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    DatabaseTool::createDatabase(dir.filePath(QString::fromLatin1(Schema::kDatabasePath)), false);
    QDir::setCurrent(dir.path());
    Connection connection;
    connection.setDatabasePath(QString::fromLatin1(Schema::kDatabasePath));

    QStringList lines;
    for (int i = 1; i <= 1000; ++i)
        lines << QStringLiteral("  word number %1 ").arg(i);
    const QString pasted = lines.join(QStringLiteral("\r\n"));
    QString list;
    measure(
        QStringLiteral("1,000 pasted words read and stored"), 20,
        [&] {
            Exchange::importIntoList(connection, Exchange::readPastedText(pasted), list,
                                     QStringLiteral("data/sounds"));
        },
        [&] { list = Exchange::createList(connection, QStringLiteral("Pasted")); });

    // A list of 1,000 words, each with a recording of its own.
    QFile cat(QStringLiteral(SPELLDECK_FIXTURES "/cat.mp3"));
    cat.open(QIODevice::ReadOnly);
    const QByteArray recording = cat.readAll();
    QDir().mkpath(QStringLiteral("data/sounds"));
    QList<TData> words;
    for (int i = 1; i <= 1000; ++i) {
        TData word;
        word.Name = QStringLiteral("word%1").arg(i);
        word.Sound = QStringLiteral("data/sounds/word%1.mp3").arg(i);
        QFile file(word.Sound);
        file.open(QIODevice::WriteOnly);
        file.write(recording);
        words << word;
    }
    const QString recorded = Exchange::storeNewList(connection, QStringLiteral("Recorded"), words).typeId;

    const QString package = dir.filePath(QStringLiteral("recorded.spelldeck"));
    measure(QStringLiteral("1,000 words with recordings exported"), 10, [&] {
        Exchange::writePackage(package, QStringLiteral("Recorded"), Exchange::listWords(connection, recorded),
                               QStringLiteral("/nowhere/"));
    });
    int run = 0;
    QString folder;
    measure(
        QStringLiteral("1,000 words with recordings imported"), 10,
        [&] {
            const Exchange::WordList list = Exchange::readWordFile(package);
            Exchange::importAsNewList(connection, list, list.name, folder);
        },
        // Each run into a folder of its own, so that no run pays for the names the one before took.
        [&] { folder = QStringLiteral("data/sounds-%1").arg(++run); });
    QDir::setCurrent(QDir::tempPath());
    return 0;
}
