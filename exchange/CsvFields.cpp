// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CsvFields.h"

#include "CsvLibrary.h"

namespace Exchange {

QByteArray csvRecord(const QStringList &fields)
{
    const CsvApi &csv = csvLibrary();
    QByteArray record;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            record += ',';
        const QByteArray text = fields.at(i).toUtf8();
        // Quoted, a field takes at most twice its length and its two quotes.
        QByteArray field(2 * text.size() + 2, Qt::Uninitialized);
        const size_t written =
            csv.csv_write(field.data(), size_t(field.size()), text.constData(), size_t(text.size()));
        field.truncate(qsizetype(written));
        record += field;
    }
    return record + "\r\n";
}

} // namespace Exchange
