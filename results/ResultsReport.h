// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Report.h"

#include <memory>

class QPagedPaintDevice;
class QTextDocument;
class ResultStore;

// The printable report: a section for each learner with results in the period (or for the one
// learner the filter names), each beginning on a page of its own, with the tests and the words missed.
// Its tables take the page's width and break between rows, their headings repeated on every page.
namespace ResultsReport {

// `period` and `lists` say in words what the filter covers.
std::unique_ptr<QTextDocument> document(ResultStore &store, const Report::Filter &filter,
                                        const QString &period, const QString &lists);

// Lays the document out on the device's pages and paints them.
void print(QTextDocument &document, QPagedPaintDevice &device);

// Writes the report as a PDF file on A4 paper, through a temporary file renamed into place.
void writePdf(QTextDocument &document, const QString &path);

} // namespace ResultsReport
