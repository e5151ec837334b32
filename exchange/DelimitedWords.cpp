// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DelimitedWords.h"

#include "CsvLibrary.h"
#include "Exceptions.h"
#include "RecordingReference.h"
#include "WordText.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace Exchange {
namespace {

struct Row
{
    QList<QByteArray> cells;
    qsizetype lastLine = 0; // the line the row ends on
};

// What libcsv's callbacks fill in.
struct Collector
{
    QList<QByteArray> cells;
    QList<Row> rows;
    qsizetype line = 1; // the line being parsed
};

void fieldEnded(void *data, std::size_t size, void *collector)
{
    static_cast<Collector *>(collector)->cells.append(
        QByteArray(static_cast<const char *>(data), qsizetype(size)));
}

void rowEnded(int, void *collector)
{
    auto *c = static_cast<Collector *>(collector);
    c->rows.append({std::move(c->cells), c->line});
    c->cells.clear();
}

// A parser freed however reading ends.
class Parser
{
public:
    Parser(const CsvApi &api, char delimiter) : m_api(api)
    {
        if (m_api.csv_init(&m_parser, CSV_STRICT | CSV_STRICT_FINI) != 0)
            throw std::bad_alloc();
        m_api.csv_set_delim(&m_parser, static_cast<unsigned char>(delimiter));
    }
    ~Parser() { m_api.csv_free(&m_parser); }
    Parser(const Parser &) = delete;
    Parser &operator=(const Parser &) = delete;

    csv_parser *get() { return &m_parser; }

private:
    const CsvApi &m_api;
    csv_parser m_parser{};
};

// The first line of a row: blank lines before it belong to no row.
qsizetype firstLineOf(const QStringList &lines, qsizetype afterLine, qsizetype lastLine)
{
    qsizetype line = afterLine + 1;
    while (line < lastLine && lines.at(line - 1).trimmed().isEmpty())
        ++line;
    return line;
}

} // namespace

char delimiterFor(const QString &path, const QString &firstLine)
{
    const bool tabs = firstLine.contains(QLatin1Char('\t'));
    const bool commas = firstLine.contains(QLatin1Char(','));
    if (tabs && !commas)
        return '\t';
    if (commas && !tabs)
        return ',';
    // Only a ".csv" is comma-separated by name; a list of another name comes here for its tabs.
    return QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0 ? ',' : '\t';
}

WordList readDelimitedFile(const QString &path)
{
    const TextSource source = TextSource::file(path);
    const QByteArray bytes = withoutByteOrderMark(readWholeFile(path));
    // Encoding and NUL errors are named by their line before the parser sees the bytes.
    const QStringList lines = decodeLines(bytes, source);
    QString firstLine;
    for (const QString &line : lines) {
        if (!line.trimmed().isEmpty()) {
            firstLine = line;
            break;
        }
    }

    const CsvApi &api = csvLibrary();
    Parser parser(api, delimiterFor(path, firstLine));
    Collector collector;
    // Fed a line at a time (with its end), so each row is known by the line it ends on.
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes.at(end) != '\r' && bytes.at(end) != '\n')
            ++end;
        if (end < bytes.size())
            end += (bytes.at(end) == '\r' && end + 1 < bytes.size() && bytes.at(end + 1) == '\n') ? 2 : 1;
        const std::size_t size = std::size_t(end - start);
        if (api.csv_parse(parser.get(), bytes.constData() + start, size, fieldEnded, rowEnded, &collector) !=
            size) {
            if (api.csv_error(parser.get()) == CSV_EPARSE)
                throw Exception(QCoreApplication::translate(
                                    "Exchange", "%1: a quote is out of place (a field with quotes "
                                                "must start and end with one).")
                                    .arg(source.line(collector.line)));
            throw Exception(
                QCoreApplication::translate("Exchange", "%1 cannot be read: %2")
                    .arg(source.name(), QString::fromUtf8(api.csv_strerror(api.csv_error(parser.get())))));
        }
        start = end;
        ++collector.line;
    }
    collector.line = lines.size();
    const qsizetype lastEnd = collector.rows.isEmpty() ? 0 : collector.rows.constLast().lastLine;
    if (api.csv_fini(parser.get(), fieldEnded, rowEnded, &collector) != 0) {
        if (api.csv_error(parser.get()) == CSV_EPARSE)
            throw Exception(QCoreApplication::translate("Exchange", "%1: a quoted field is never closed.")
                                .arg(source.line(firstLineOf(lines, lastEnd, lines.size()))));
        throw Exception(
            QCoreApplication::translate("Exchange", "%1 cannot be read: %2")
                .arg(source.name(), QString::fromUtf8(api.csv_strerror(api.csv_error(parser.get())))));
    }

    WordList list;
    list.name = QFileInfo(path).completeBaseName();
    const QString folder = QFileInfo(path).absolutePath();
    bool first = true;
    qsizetype previousEnd = 0;
    for (const Row &row : std::as_const(collector.rows)) {
        const qsizetype line = firstLineOf(lines, previousEnd, row.lastLine);
        previousEnd = row.lastLine;
        QStringList cells;
        for (const QByteArray &cell : row.cells)
            cells.append(QString::fromUtf8(cell).trimmed());
        if (std::all_of(cells.cbegin(), cells.cend(), [](const QString &cell) { return cell.isEmpty(); }))
            continue;
        if (std::exchange(first, false) &&
            cells.constFirst().compare(QLatin1String("word"), Qt::CaseInsensitive) == 0)
            continue;
        const QString word = checkedWord(cells.constFirst(), source.line(line));
        if (word.isEmpty())
            throw Exception(QCoreApplication::translate("Exchange", "%1: the first column holds no word.")
                                .arg(source.line(line)));
        list.entries.append({word, cells.size() > 1 ? recordingAt(cells.at(1), folder) : RecordingSource(),
                             cells.size() > 2 ? checkedSentence(cells.at(2), source.line(line)) : QString()});
    }
    if (list.entries.isEmpty())
        throw Exception(
            QCoreApplication::translate("Exchange", "There are no words in %1.").arg(source.name()));
    return list;
}

} // namespace Exchange
