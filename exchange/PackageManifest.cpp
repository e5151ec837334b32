// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PackageManifest.h"

#include "Exceptions.h"
#include "PackageFormat.h"
#include "WordText.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace Exchange {
namespace {

const QString kFormat = QStringLiteral("format");
const QString kName = QStringLiteral("name");
const QString kWords = QStringLiteral("words");
const QString kWord = QStringLiteral("word");
const QString kRecording = QStringLiteral("recording");
const QString kSentence = QStringLiteral("sentence");

[[noreturn]] void fail(const QString &package, const QString &problem)
{
    throw Exception(QCoreApplication::translate("Exchange", "The list in %1 cannot be read: %2")
                        .arg(TextSource::file(package).name(), problem));
}

} // namespace

QByteArray manifestJson(const Manifest &manifest)
{
    // A list without sentences is written in the first format, which every version of the program reads.
    const bool sentences = std::any_of(manifest.words.cbegin(), manifest.words.cend(),
                                       [](const ManifestWord &word) { return !word.sentence.isEmpty(); });
    QJsonArray words;
    for (const ManifestWord &word : manifest.words) {
        QJsonObject entry{{kWord, word.word},
                          {kRecording, word.recording.isEmpty() ? QJsonValue() : QJsonValue(word.recording)}};
        if (!word.sentence.isEmpty())
            entry.insert(kSentence, word.sentence);
        words.append(entry);
    }
    const QJsonObject root{
        {kFormat, sentences ? kPackageFormat : kFirstPackageFormat}, {kName, manifest.name}, {kWords, words}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

Manifest parseManifest(const QByteArray &json, const QString &packagePath)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        fail(packagePath,
             QCoreApplication::translate("Exchange", "%1 is not valid JSON (%2 at character %3).")
                 .arg(QLatin1String(kManifestName), error.errorString())
                 .arg(error.offset));
    if (!document.isObject())
        fail(
            packagePath,
            QCoreApplication::translate("Exchange", "%1 holds no object.").arg(QLatin1String(kManifestName)));
    const QJsonObject root = document.object();

    const QJsonValue format = root.value(kFormat);
    if (!format.isDouble() || format.toDouble() != double(format.toInt()))
        fail(packagePath, QCoreApplication::translate("Exchange", "%1 has no format version.")
                              .arg(QLatin1String(kManifestName)));
    if (format.toInt() < kFirstPackageFormat || format.toInt() > kPackageFormat)
        fail(packagePath, QCoreApplication::translate(
                              "Exchange", "it is in format %1, and this version of Spelldeck reads "
                                          "formats %2 to %3.")
                              .arg(format.toInt())
                              .arg(kFirstPackageFormat)
                              .arg(kPackageFormat));
    const bool sentences = format.toInt() >= kSentencePackageFormat;
    const QJsonValue name = root.value(kName);
    if (!name.isUndefined() && !name.isNull() && !name.isString())
        fail(packagePath, QCoreApplication::translate("Exchange", "its name is not text."));
    const QJsonValue words = root.value(kWords);
    if (!words.isArray())
        fail(packagePath, QCoreApplication::translate("Exchange", "%1 has no list of words.")
                              .arg(QLatin1String(kManifestName)));

    Manifest manifest;
    manifest.name = name.toString().trimmed();
    const QJsonArray array = words.toArray();
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QString where = QCoreApplication::translate("Exchange", "Word %1 of %2")
                                  .arg(i + 1)
                                  .arg(TextSource::file(packagePath).name());
        const QJsonObject entry = array.at(i).toObject();
        const QJsonValue word = entry.value(kWord);
        if (!array.at(i).isObject() || !word.isString())
            throw Exception(QCoreApplication::translate("Exchange", "%1 has no text.").arg(where));
        ManifestWord result;
        result.word = checkedWord(word.toString(), where);
        if (result.word.isEmpty())
            throw Exception(QCoreApplication::translate("Exchange", "%1 is empty.").arg(where));
        const QJsonValue recording = entry.value(kRecording);
        if (recording.isString()) {
            result.recording = recording.toString();
            if (!isInSoundFolder(result.recording) || result.recording.endsWith(QLatin1Char('/')))
                throw Exception(QCoreApplication::translate(
                                    "Exchange", "%1: its recording \"%2\" lies outside the folder \"%3\".")
                                    .arg(where, result.recording, QLatin1String(kPackageSoundFolder)));
        } else if (!recording.isNull() && !recording.isUndefined()) {
            throw Exception(
                QCoreApplication::translate("Exchange", "%1: its recording is not text.").arg(where));
        }
        if (sentences) {
            const QJsonValue sentence = entry.value(kSentence);
            if (sentence.isString())
                result.sentence = checkedSentence(sentence.toString(), where);
            else if (!sentence.isNull() && !sentence.isUndefined())
                throw Exception(
                    QCoreApplication::translate("Exchange", "%1: its sentence is not text.").arg(where));
        }
        manifest.words.append(result);
    }
    if (manifest.words.isEmpty())
        fail(packagePath, QCoreApplication::translate("Exchange", "it holds no words."));
    return manifest;
}

} // namespace Exchange
