// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Figures.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

QJsonObject spread(QList<double> values)
{
    if (values.isEmpty())
        return {{QStringLiteral("count"), 0}};
    std::sort(values.begin(), values.end());
    const auto rank = [&](double p) {
        const qsizetype index = qsizetype(std::ceil(p * double(values.size()))) - 1;
        return values.at(std::clamp<qsizetype>(index, 0, values.size() - 1));
    };
    return {{QStringLiteral("count"), values.size()},
            {QStringLiteral("median"), rank(0.5)},
            {QStringLiteral("p95"), rank(0.95)},
            {QStringLiteral("p99"), rank(0.99)},
            {QStringLiteral("max"), values.constLast()}};
}

QJsonObject readFigures(const QString &file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "bench_server: cannot read %s\n", qPrintable(file));
        std::exit(1);
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(in.readAll(), &error);
    if (!document.isObject()) {
        std::fprintf(stderr, "bench_server: %s: %s\n", qPrintable(file), qPrintable(error.errorString()));
        std::exit(1);
    }
    return document.object();
}

void writeFigures(const QString &file, const QJsonObject &figures)
{
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(QJsonDocument(figures).toJson()) < 0) {
        std::fprintf(stderr, "bench_server: cannot write %s\n", qPrintable(file));
        std::exit(1);
    }
}
