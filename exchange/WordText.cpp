// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WordText.h"

#include "Exceptions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

namespace Exchange {
namespace {

const QByteArray kUtf8Mark("\xEF\xBB\xBF");

// Lines of `text` with their ends removed; "\r\n" is one end.
template <typename Text, typename Char> QList<Text> linesOf(const Text &text, Char cr, Char lf)
{
    QList<Text> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != cr && text.at(i) != lf)
            continue;
        lines.append(text.mid(start, i - start));
        if (text.at(i) == cr && i + 1 < text.size() && text.at(i + 1) == lf)
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

[[noreturn]] void failNul(const TextSource &source, qsizetype line)
{
    throw Exception(
        QCoreApplication::translate("Exchange", "%1 holds a NUL character: it is not a text file.")
            .arg(source.line(line)));
}

} // namespace

TextSource TextSource::file(const QString &path)
{
    TextSource source;
    source.m_path = path;
    return source;
}

TextSource TextSource::pasted()
{
    return {};
}

QString TextSource::name() const
{
    if (m_path.isEmpty())
        return QCoreApplication::translate("Exchange", "the pasted text");
    return QLatin1Char('"') + QDir::toNativeSeparators(m_path) + QLatin1Char('"');
}

QString TextSource::line(qsizetype number) const
{
    return QCoreApplication::translate("Exchange", "Line %1 of %2").arg(number).arg(name());
}

QByteArray readWholeFile(const QString &path)
{
    const TextSource source = TextSource::file(path);
    const QFileInfo info(path);
    if (!info.isFile())
        throw Exception(QCoreApplication::translate("Exchange", "%1 is not a file.").arg(source.name()));
    if (info.size() > kMaxTextFileSize)
        throw Exception(
            QCoreApplication::translate("Exchange", "%1 is too large for a word list (more than %2 MB).")
                .arg(source.name())
                .arg(kMaxTextFileSize / (1024 * 1024)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(QCoreApplication::translate("Exchange", "%1 cannot be read: %2")
                            .arg(source.name(), file.errorString()));
    // Read in pieces up to one byte past the limit: a file that grew since it was measured is still
    // refused, and memory holds what the file holds (QIODevice::read(max) reserves all of `max` first,
    // 128 MB for the smallest list).
    QByteArray bytes;
    bytes.reserve(qsizetype(std::min(info.size(), kMaxTextFileSize) + 1));
    char buffer[64 * 1024];
    while (bytes.size() <= kMaxTextFileSize) {
        const qint64 got =
            file.read(buffer, std::min<qint64>(sizeof buffer, kMaxTextFileSize + 1 - bytes.size()));
        if (got < 0)
            throw Exception(QCoreApplication::translate("Exchange", "%1 cannot be read: %2")
                                .arg(source.name(), file.errorString()));
        if (got == 0)
            break;
        bytes.append(buffer, qsizetype(got));
    }
    if (bytes.size() > kMaxTextFileSize)
        throw Exception(
            QCoreApplication::translate("Exchange", "%1 is too large for a word list (more than %2 MB).")
                .arg(source.name())
                .arg(kMaxTextFileSize / (1024 * 1024)));
    return bytes;
}

QByteArray withoutByteOrderMark(const QByteArray &bytes)
{
    return bytes.startsWith(kUtf8Mark) ? bytes.mid(kUtf8Mark.size()) : bytes;
}

QStringList decodeLines(const QByteArray &bytes, const TextSource &source)
{
    // UTF-8 never uses the bytes of CR and LF inside a character, so the bytes can be split first and
    // each line decoded on its own: an error is then named by its line.
    const QList<QByteArray> raw = linesOf(withoutByteOrderMark(bytes), '\r', '\n');
    QStringList lines;
    lines.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw.at(i).contains('\0'))
            failNul(source, i + 1);
        // The mark was removed above; one further on is a character of the text. Stateless: a character
        // cut off at the line's end is an error, not the start of one that continues.
        QStringDecoder decoder(QStringDecoder::Utf8,
                               QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        QString line = decoder.decode(raw.at(i));
        if (decoder.hasError())
            throw Exception(QCoreApplication::translate(
                                "Exchange", "%1 is not UTF-8 text: save the file as UTF-8 and try again.")
                                .arg(source.line(i + 1)));
        lines.append(std::move(line));
    }
    return lines;
}

QStringList splitLines(const QString &text, const TextSource &source)
{
    QString body = text;
    if (body.startsWith(QChar(0xFEFF)))
        body.remove(0, 1);
    const QStringList lines = linesOf(body, QLatin1Char('\r'), QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines.at(i).contains(QChar(0)))
            failNul(source, i + 1);
    }
    return lines;
}

namespace {

// A byte-order mark is also a zero-width space: one at a word's edge (a file saved with two marks, a
// word pasted from one) would make the word impossible to type, so it goes with the blanks.
bool isBlank(QChar c)
{
    return c.isSpace() || c == QChar(0xFEFF);
}

QString trimmed(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

} // namespace

QString checkedSentence(const QString &text, const QString &where)
{
    // A sentence is spoken, not typed: the line breaks of an example laid out in a file are spaces.
    const QString sentence = trimmed(text).simplified();
    if (sentence.contains(QChar(0)))
        throw Exception(
            QCoreApplication::translate("Exchange", "%1: the sentence holds a NUL character.").arg(where));
    if (sentence.size() > kMaxWordLength)
        throw Exception(
            QCoreApplication::translate("Exchange", "%1: the sentence is longer than %2 characters.")
                .arg(where)
                .arg(kMaxWordLength));
    return sentence;
}

QString checkedWord(const QString &text, const QString &where)
{
    QString word = trimmed(text);
    // Text files are refused for a NUL before their words are looked at; JSON can still spell one.
    if (word.contains(QChar(0)))
        throw Exception(
            QCoreApplication::translate("Exchange", "%1: the word holds a NUL character.").arg(where));
    if (word.size() > kMaxWordLength)
        throw Exception(QCoreApplication::translate("Exchange", "%1: the word is longer than %2 characters.")
                            .arg(where)
                            .arg(kMaxWordLength));
    return word;
}

} // namespace Exchange
