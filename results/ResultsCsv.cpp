// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ResultsCsv.h"

#include "CsvFields.h"
#include "Exceptions.h"
#include "ResultStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlQuery>

namespace ResultsCsv {
namespace {

[[noreturn]] void cannotWrite(const QString &path, const QString &why)
{
    throw Exception(QCoreApplication::translate("ResultsCsv", "\"%1\" cannot be written: %2")
                        .arg(QDir::toNativeSeparators(path), why));
}

QString utcText(qint64 ms)
{
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC).toString(Qt::ISODateWithMs);
}

} // namespace

QStringList header()
{
    return {QStringLiteral("answer_id"), QStringLiteral("test_id"),      QStringLiteral("learner"),
            QStringLiteral("list_id"),   QStringLiteral("list"),         QStringLiteral("word_id"),
            QStringLiteral("word"),      QStringLiteral("typed"),        QStringLiteral("right"),
            QStringLiteral("pass"),      QStringLiteral("answered_utc"), QStringLiteral("think_ms"),
            QStringLiteral("plays")};
}

qsizetype write(ResultStore &store, const Report::Filter &filter, const QString &path,
                const std::function<void(qint64, qint64)> &report)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        cannotWrite(path, file.errorString());
    const auto put = [&](const QByteArray &bytes) {
        if (file.write(bytes) != bytes.size())
            cannotWrite(path, file.errorString());
    };
    put("\xEF\xBB\xBF");
    put(Exchange::csvRecord(header()));

    qsizetype rows = 0;
    if (store.hasResults()) {
        Query count(store.connection());
        const Catalogue::Results::Bound counting = Catalogue::Results::AnswerCountOf(filter);
        count.setSQL(counting.text);
        count.setValues(counting.values);
        count.open();
        const qint64 total = count.fieldByName(QStringLiteral("answers")).toLongLong();
        // Read as it is written: a year of a class's answers is too much to hold at once.
        const Catalogue::Results::Bound statement = Catalogue::Results::AnswersOf(filter);
        QSqlQuery query(store.connection().database());
        query.setForwardOnly(true);
        if (!query.prepare(statement.text))
            raiseDatabaseError(query.lastError());
        for (const QVariant &value : statement.values)
            query.addBindValue(value);
        if (!query.exec())
            raiseDatabaseError(query.lastError());
        while (query.next()) {
            QStringList fields;
            fields.reserve(13);
            for (int column = 0; column < 13; ++column)
                fields << query.value(column).toString();
            fields[8] = query.value(8).toInt() != 0 ? QStringLiteral("1") : QStringLiteral("0");
            fields[10] = utcText(query.value(10).toLongLong());
            put(Exchange::csvRecord(fields));
            if (++rows % 1000 == 0 && report)
                report(rows, total);
        }
        if (query.lastError().isValid())
            raiseDatabaseError(query.lastError());
    }
    if (!file.commit())
        cannotWrite(path, file.errorString());
    if (report)
        report(rows, rows);
    return rows;
}

} // namespace ResultsCsv
