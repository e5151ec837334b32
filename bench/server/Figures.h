// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

// The name of the 20-word list the pupils are tested on, as `bench_server fill` stores it.
inline const QString kTestListName = QStringLiteral("Week 12: everyday words");
inline const QString kBigListName = QStringLiteral("Big list");

// Median, 95th and 99th percentiles (nearest rank) and the largest of `values`, in their units.
QJsonObject spread(QList<double> values);

// Reads a JSON object another mode wrote; ends the program with a message when it cannot.
QJsonObject readFigures(const QString &file);
void writeFigures(const QString &file, const QJsonObject &figures);
