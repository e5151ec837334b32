// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QStringList>

namespace Exchange {

// One record of a CSV file as RFC 4180 has it: every field in UTF-8 between double quotes, quotes
// inside doubled, fields joined by commas, ended by CR LF.
QByteArray csvRecord(const QStringList &fields);

} // namespace Exchange
