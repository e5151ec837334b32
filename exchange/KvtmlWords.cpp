// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "KvtmlWords.h"

#include "Exceptions.h"
#include "RecordingReference.h"
#include "WordText.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QXmlStreamReader>

namespace Exchange {
namespace {

// Far beyond what a vocabulary file's own entities need (a word has at most 255 characters), and small
// enough that a document built to expand into gigabytes fails at once.
constexpr int kEntityExpansionLimit = 4096;
// All references together: a long entity referenced over and over goes as far as nested ones do.
constexpr qint64 kEntityExpansionTotal = 1000000;

// A general entity reference, "&name;"; character references ("&#38;") start with "#".
const QRegularExpression &entityReference()
{
    static const QRegularExpression reference(QStringLiteral("&([^&;<>#\\s][^&;<>\\s]*);"));
    return reference;
}

// How many characters each declared entity expands to, worked out from the declarations alone, counted
// up to one past a cap.
class EntitySizes
{
public:
    EntitySizes(const QXmlStreamEntityDeclarations &declarations, qint64 cap) : m_cap(cap)
    {
        // A name declared twice (or as a general and a parameter entity) counts as all its values.
        for (const QXmlStreamEntityDeclaration &declaration : declarations)
            m_values[declaration.name().toString()].append(declaration.value().toString());
    }

    bool isDeclared(const QString &name) const { return m_values.contains(name); }

    qint64 of(const QString &name)
    {
        if (!m_sizes.contains(name))
            measure(name);
        return m_sizes.value(name);
    }

private:
    struct Pending
    {
        QString name;
        QStringList references;
        qsizetype next = 0;
        qint64 size = 0;
    };

    qint64 capped(qint64 size) const { return std::min(size, m_cap + 1); }

    Pending open(const QString &name)
    {
        m_open.insert(name);
        Pending pending{name, {}, 0, 0};
        for (const QString &value : m_values.value(name)) {
            pending.size += value.size();
            QRegularExpressionMatchIterator matches = entityReference().globalMatch(value);
            while (matches.hasNext()) {
                const QRegularExpressionMatch match = matches.next();
                // A predefined or undeclared one stays one character (the reader refuses an undeclared one).
                pending.size -= match.capturedLength() - 1;
                if (isDeclared(match.captured(1))) {
                    pending.size -= 1;
                    pending.references.append(match.captured(1));
                }
            }
        }
        pending.size = capped(pending.size);
        return pending;
    }

    // Depth first without recursion: a chain of a million declarations must not exhaust the stack.
    void measure(const QString &name)
    {
        QList<Pending> stack{open(name)};
        while (!stack.isEmpty()) {
            if (stack.last().next < stack.last().references.size()) {
                const QString reference = stack.last().references.at(stack.last().next++);
                if (m_sizes.contains(reference))
                    stack.last().size = capped(stack.last().size + m_sizes.value(reference));
                // An entity inside itself is left to the reader, which refuses it where it is used.
                else if (!m_open.contains(reference))
                    stack.append(open(reference));
                continue;
            }
            const Pending done = stack.takeLast();
            m_open.remove(done.name);
            m_sizes.insert(done.name, done.size);
            if (!stack.isEmpty())
                stack.last().size = capped(stack.last().size + done.size);
        }
    }

    qint64 m_cap;
    QHash<QString, QStringList> m_values;
    QHash<QString, qint64> m_sizes;
    QSet<QString> m_open;
};

struct Translation
{
    QString text;
    QString sound;
    QString example; // the first sentence given with the text
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
    KvtmlParser(const QString &path, const QByteArray &bytes)
        : m_source(TextSource::file(path)), m_bytes(bytes), m_xml(bytes)
    {
        // Qt's own limit, the same as its default, stays as a second line behind checkEntities().
        m_xml.setEntityExpansionLimit(kEntityExpansionLimit);
    }

    Document parse()
    {
        if (!readToRootElement() || m_xml.name() != QLatin1String("kvtml"))
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
    bool readToRootElement()
    {
        QString encoding;
        while (!m_xml.atEnd()) {
            switch (m_xml.readNext()) {
            case QXmlStreamReader::StartDocument:
                encoding = m_xml.documentEncoding().toString();
                break;
            case QXmlStreamReader::DTD:
                checkEntities(encoding);
                break;
            case QXmlStreamReader::StartElement:
                return true;
            default:
                break;
            }
        }
        return false;
    }

    // The entities are measured from their declarations before the reader expands a single one: its own
    // limit counts one reference at a time, so it neither names the entity nor stops a long one
    // referenced a million times.
    void checkEntities(const QString &encoding)
    {
        const QXmlStreamEntityDeclarations declarations = m_xml.entityDeclarations();
        if (declarations.isEmpty())
            return;
        EntitySizes sizes(declarations, kEntityExpansionTotal);
        for (const QXmlStreamEntityDeclaration &declaration : declarations) {
            if (sizes.of(declaration.name().toString()) > kEntityExpansionLimit)
                throw Exception(
                    QCoreApplication::translate("Exchange",
                                                "%1 was refused: its entity \"%2\" expands to more than %3 "
                                                "characters.")
                        .arg(m_source.name(), declaration.name(), QString::number(kEntityExpansionLimit)));
        }
        // Every reference in the document is counted, those inside the declarations too: a few more
        // than the reader expands.
        qint64 total = 0;
        const QString text = decoded(encoding);
        QRegularExpressionMatchIterator matches = entityReference().globalMatch(text);
        while (matches.hasNext()) {
            const QString name = matches.next().captured(1);
            if (sizes.isDeclared(name))
                total += sizes.of(name);
            if (total > kEntityExpansionTotal)
                throw Exception(QCoreApplication::translate(
                                    "Exchange", "%1 was refused: its entities expand to more than %2 "
                                                "characters in all.")
                                    .arg(m_source.name(), QString::number(kEntityExpansionTotal)));
        }
    }

    // The document as the XML reader decodes it: in its declared encoding, else by its first bytes.
    QString decoded(const QString &encoding) const
    {
        QStringDecoder decoder(encoding.toLatin1().constData());
        if (!decoder.isValid())
            decoder = QStringDecoder(
                QStringConverter::encodingForData(m_bytes, u'<').value_or(QStringConverter::Utf8));
        return decoder.decode(m_bytes);
    }

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
            else if (m_xml.name() == QLatin1String("example") && translation.example.isEmpty())
                translation.example = m_xml.readElementText();
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
    QByteArray m_bytes;
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
        const QString where =
            QCoreApplication::translate("Exchange", "Entry %1 of %2").arg(entry.id, source.name());
        const QString word = checkedWord(translation->text, where);
        if (!word.isEmpty())
            list.entries.append({word, recordingAt(translation->sound, folder),
                                 checkedSentence(translation->example, where)});
    }
    if (list.entries.isEmpty())
        throw Exception(
            QCoreApplication::translate("Exchange", "There are no words in %1 in the language \"%2\".")
                .arg(source.name(), language->name.isEmpty() ? language->id : language->name));
    return list;
}

} // namespace Exchange
