// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WordFiles.h"

#include "DelimitedWords.h"
#include "KvtmlWords.h"
#include "PackageReader.h"
#include "TextWords.h"
#include "WordText.h"

#include <QFile>
#include <QFileInfo>

namespace Exchange {
namespace {

WordFileKind kindOfContent(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return WordFileKind::Text;
    // Enough for a ZIP signature, an XML prolog and a first line of a list.
    const QByteArray head = file.read(4096);
    if (head.startsWith("PK\x03\x04") || head.startsWith("PK\x05\x06"))
        return WordFileKind::Package;
    const QByteArray text = withoutByteOrderMark(head).trimmed();
    if (text.startsWith("<?xml") || text.startsWith("<kvtml") || text.startsWith("<!DOCTYPE kvtml"))
        return WordFileKind::Kvtml;
    for (const QByteArray &line : QByteArray(text).replace('\r', '\n').split('\n')) {
        if (!line.trimmed().isEmpty())
            return line.contains('\t') ? WordFileKind::Delimited : WordFileKind::Text;
    }
    return WordFileKind::Text;
}

} // namespace

WordFileKind wordFileKind(const QString &path)
{
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension == QLatin1String(kPackageExtension))
        return WordFileKind::Package;
    if (extension == QLatin1String("kvtml"))
        return WordFileKind::Kvtml;
    if (extension == QLatin1String("csv") || extension == QLatin1String("tsv") ||
        extension == QLatin1String("tab"))
        return WordFileKind::Delimited;
    return kindOfContent(path);
}

WordList readWordFile(const QString &path, const QString &kvtmlLanguage, const PackageLimits &limits)
{
    switch (wordFileKind(path)) {
    case WordFileKind::Package:
        return readPackage(path, limits);
    case WordFileKind::Kvtml:
        return readKvtmlFile(path, kvtmlLanguage);
    case WordFileKind::Delimited:
        return readDelimitedFile(path);
    case WordFileKind::Text:
        break;
    }
    return readTextFile(path);
}

} // namespace Exchange
