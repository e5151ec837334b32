// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "KvtmlWords.h"

#include "Exceptions.h"
#include "RecordingReference.h"
#include "WordText.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace Exchange {
namespace {

// Far beyond what a vocabulary file's own entities need, and small enough that a document built to
// expand into gigabytes fails at once.
constexpr int kEntityExpansionLimit = 4096;

struct Translation
{
    QString text;
    QString sound;
};

struct Entry
{
    QString id;
    QHash<QString, Translation> translations; // by language id
};

struct Document
{
    QList<KvtmlLanguage> languages;
    QList<Entry> entries;
};

class KvtmlParser
{
public:
    KvtmlParser(const QString &path, const QByteArray &bytes) : m_source(TextSource::file(path)), m_xml(bytes)
    {
        m_xml.setEntityExpansionLimit(kEntityExpansionLimit);
    }

    Document parse()
    {
        if (!m_xml.readNextStartElement() || m_xml.name() != QLatin1String("kvtml"))
            failOrNotKvtml();
        if (!m_xml.attributes().value(QLatin1String("version")).startsWith(QLatin1String("2")))
            throw Exception(QCoreApplication::translate("Exchange",
                                                        "%1 is not a KVTML 2 vocabulary file (its "
                                                        "version is \"%2\").")
                                .arg(m_source.name(), m_xml.attributes().value(QLatin1String("version"))));
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() == QLatin1String("identifiers"))
                readIdentifiers();
            else if (m_xml.name() == QLatin1String("entries"))
                readEntries();
            else
                m_xml.skipCurrentElement();
        }
        // Whatever follows the root element must be well-formed too.
        while (!m_xml.atEnd())
            m_xml.readNext();
        failOnXmlError();
        return std::move(m_document);
    }

private:
    void readIdentifiers()
    {
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() != QLatin1String("identifier")) {
                m_xml.skipCurrentElement();
                continue;
            }
            KvtmlLanguage language;
            language.id = m_xml.attributes().value(QLatin1String("id")).toString().trimmed();
            while (m_xml.readNextStartElement()) {
                if (m_xml.name() == QLatin1String("name"))
                    language.name = m_xml.readElementText().trimmed();
                else if (m_xml.name() == QLatin1String("locale"))
                    language.locale = m_xml.readElementText().trimmed();
                else
                    m_xml.skipCurrentElement();
            }
            m_document.languages.append(language);
        }
    }

    void readEntries()
    {
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() != QLatin1String("entry")) {
                m_xml.skipCurrentElement();
                continue;
            }
            Entry entry;
            entry.id = m_xml.attributes().value(QLatin1String("id")).toString().trimmed();
            if (entry.id.isEmpty())
                entry.id = QString::number(m_document.entries.size());
            while (m_xml.readNextStartElement()) {
                if (m_xml.name() == QLatin1String("translation"))
                    readTranslation(entry);
                else
                    m_xml.skipCurrentElement();
            }
            m_document.entries.append(std::move(entry));
        }
    }

    void readTranslation(Entry &entry)
    {
        const QString language = m_xml.attributes().value(QLatin1String("id")).toString().trimmed();
        Translation translation;
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() == QLatin1String("text"))
                translation.text = m_xml.readElementText();
            else if (m_xml.name() == QLatin1String("sound"))
                translation.sound = m_xml.readElementText().trimmed();
            else
                m_xml.skipCurrentElement();
        }
        entry.translations.insert(language, translation);
    }

    void failOnXmlError()
    {
        if (!m_xml.hasError())
            return;
        throw Exception(
            QCoreApplication::translate("Exchange", "%1 is not well-formed XML: %2 (line %3, column %4).")
                .arg(m_source.name(), m_xml.errorString())
                .arg(m_xml.lineNumber())
                .arg(m_xml.columnNumber()));
    }

    [[noreturn]] void failOrNotKvtml()
    {
        failOnXmlError();
        throw Exception(QCoreApplication::translate("Exchange", "%1 is not a KVTML vocabulary file.")
                            .arg(m_source.name()));
    }

    TextSource m_source;
    QXmlStreamReader m_xml;
    Document m_document;
};

// Whether the document is UTF-8: no other encoding is declared and it starts with no UTF-16 mark.
bool isUtf8(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return false;
    static const QRegularExpression declared(
        QStringLiteral("^\\s*<\\?xml[^>]*encoding\\s*=\\s*[\"']([^\"']*)[\"']"));
    const QRegularExpressionMatch match =
        declared.match(QString::fromLatin1(withoutByteOrderMark(bytes).left(200)));
    return !match.hasMatch() || match.captured(1).compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) == 0;
}

Document parseFile(const QString &path)
{
    const QByteArray bytes = readWholeFile(path);
    // The XML reader decodes ahead of where it parses and would name the wrong line for bytes that are
    // not UTF-8; the text's own check names the right one.
    if (isUtf8(bytes))
        decodeLines(bytes, TextSource::file(path));
    return KvtmlParser(path, bytes).parse();
}

} // namespace

QList<KvtmlLanguage> kvtmlLanguages(const QString &path)
{
    return parseFile(path).languages;
}

WordList readKvtmlFile(const QString &path, const QString &languageId)
{
    const TextSource source = TextSource::file(path);
    const Document document = parseFile(path);
    if (document.entries.isEmpty())
        throw Exception(
            QCoreApplication::translate("Exchange", "There are no entries in %1.").arg(source.name()));
    const auto language =
        std::find_if(document.languages.cbegin(), document.languages.cend(),
                     [&](const KvtmlLanguage &l) { return languageId.isEmpty() || l.id == languageId; });
    if (language == document.languages.cend()) {
        if (languageId.isEmpty())
            throw Exception(
                QCoreApplication::translate("Exchange", "%1 declares no language.").arg(source.name()));
        throw Exception(QCoreApplication::translate("Exchange", "%1 has no language with the id \"%2\".")
                            .arg(source.name(), languageId));
    }

    WordList list;
    list.name = QFileInfo(path).completeBaseName();
    const QString folder = QFileInfo(path).absolutePath();
    for (const Entry &entry : document.entries) {
        const auto translation = entry.translations.constFind(language->id);
        if (translation == entry.translations.cend())
            continue;
        const QString word = checkedWord(
            translation->text,
            QCoreApplication::translate("Exchange", "Entry %1 of %2").arg(entry.id, source.name()));
        if (!word.isEmpty())
            list.entries.append({word, recordingAt(translation->sound, folder)});
    }
    if (list.entries.isEmpty())
        throw Exception(
            QCoreApplication::translate("Exchange", "There are no words in %1 in the language \"%2\".")
                .arg(source.name(), language->name.isEmpty() ? language->id : language->name));
    return list;
}

} // namespace Exchange
