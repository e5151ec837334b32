// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ResultsReport.h"

#include "Exceptions.h"
#include "ResultStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <QTextOption>

namespace ResultsReport {
namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ResultsReport", text);
}

QString cell(const QString &text, bool number = false)
{
    return (number ? QStringLiteral("<td align=\"right\">") : QStringLiteral("<td>")) + text.toHtmlEscaped() +
           QStringLiteral("</td>");
}

QString table(const QStringList &headers, const QStringList &rows)
{
    QString html = QStringLiteral("<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\">"
                                  "<thead><tr>");
    for (const QString &header : headers)
        html += QStringLiteral("<th align=\"left\">") + header.toHtmlEscaped() + QStringLiteral("</th>");
    html += QStringLiteral("</tr></thead>");
    for (const QString &row : rows)
        html += QStringLiteral("<tr>") + row + QStringLiteral("</tr>");
    return html + QStringLiteral("</table>");
}

QString misspellingsText(const Report::Word &word)
{
    QStringList parts;
    for (const Report::Misspelling &misspelling : word.misspellings)
        parts << (misspelling.times > 1 ? tr("%1 (%2 times)").arg(misspelling.typed).arg(misspelling.times)
                                        : misspelling.typed);
    return parts.join(QStringLiteral(", "));
}

QString section(const QString &learner, const Report::Figures &figures, const QString &period,
                const QString &lists, bool firstSection)
{
    QString html =
        firstSection ? QStringLiteral("<h1>") : QStringLiteral("<h1 style=\"page-break-before: always\">");
    html += tr("Spelling results of %1").arg(learner).toHtmlEscaped() + QStringLiteral("</h1>");
    html += QStringLiteral("<p>") + tr("%1. %2.").arg(period, lists).toHtmlEscaped() + QStringLiteral("</p>");

    int scored = 0;
    qint64 sum = 0;
    QStringList testRows;
    for (const Report::Test &test : figures.tests) {
        if (const auto score = test.score()) {
            sum += *score;
            ++scored;
        }
        const auto needed = test.passesNeeded();
        testRows << cell(Report::timeText(test.startedAt)) +
                        cell(test.practice ? tr("%1 (practice)").arg(test.listName) : test.listName) +
                        cell(Report::scoreText(test), true) +
                        cell(needed ? QLocale().toString(*needed) : tr("left early"), true) +
                        cell(Report::durationText(test.takenMs()), true);
    }
    html += QStringLiteral("<p>");
    if (scored == 0)
        html += tr("No test in this period.").toHtmlEscaped();
    else
        html += (figures.tests.size() == 1
                     ? tr("One test, %1% right at the first try.").arg((sum + scored / 2) / scored)
                     : tr("%1 tests, %2% right at the first try on average.")
                           .arg(figures.tests.size())
                           .arg((sum + scored / 2) / scored))
                    .toHtmlEscaped();
    html += QStringLiteral("</p>");
    if (!testRows.isEmpty()) {
        html += QStringLiteral("<h2>") + tr("Tests").toHtmlEscaped() + QStringLiteral("</h2>");
        html += table({tr("Date"), tr("List"), tr("First-pass score"), tr("Passes needed"), tr("Time taken")},
                      testRows);
    }
    QStringList wordRows;
    for (const Report::Word &word : figures.words) {
        if (word.misses == 0)
            continue;
        wordRows << cell(word.word) + cell(QLocale().toString(word.asked), true) +
                        cell(QLocale().toString(word.missed), true) +
                        cell(tr("%1%").arg(word.missRate()), true) +
                        cell(word.lastMissed != 0 ? Report::timeText(word.lastMissed) : QString()) +
                        cell(misspellingsText(word));
    }
    if (!wordRows.isEmpty()) {
        html += QStringLiteral("<h2>") + tr("Words missed").toHtmlEscaped() + QStringLiteral("</h2>");
        html += table(
            {tr("Word"), tr("Asked"), tr("Missed"), tr("Miss rate"), tr("Last missed"), tr("Typed instead")},
            wordRows);
    }
    return html;
}

} // namespace

std::unique_ptr<QTextDocument> document(ResultStore &store, const Report::Filter &filter,
                                        const QString &period, const QString &lists)
{
    QList<std::pair<qint64, QString>> learners;
    if (filter.learnerId != 0) {
        const std::optional<Learner> learner = store.learner(filter.learnerId);
        learners << std::pair(filter.learnerId, learner ? learner->name : QString());
    } else {
        // Only those with a test in the period: a class's report has no empty pages.
        QList<qint64> seen;
        for (const Report::Test &test : Report::load(store, filter).tests) {
            if (!seen.contains(test.learnerId)) {
                seen << test.learnerId;
                learners << std::pair(test.learnerId, test.learnerName);
            }
        }
        std::sort(learners.begin(), learners.end(), [](const auto &a, const auto &b) {
            return QString::localeAwareCompare(a.second, b.second) < 0;
        });
    }
    QString html;
    for (const auto &[id, name] : std::as_const(learners)) {
        Report::Filter one = filter;
        one.learnerId = id;
        html += section(name, Report::load(store, one), period, lists, html.isEmpty());
    }
    if (html.isEmpty())
        html = QStringLiteral("<h1>") + tr("Spelling results").toHtmlEscaped() + QStringLiteral("</h1><p>") +
               tr("No test in this period.").toHtmlEscaped() + QStringLiteral("</p>");
    auto document = std::make_unique<QTextDocument>();
    // A long word or name breaks where it must rather than run off the paper.
    QTextOption option = document->defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document->setDefaultTextOption(option);
    document->setDefaultStyleSheet(QStringLiteral("h1 { font-size: 16pt; } h2 { font-size: 13pt; }"
                                                  " body, td, th { font-size: 9pt; }"));
    document->setHtml(QStringLiteral("<html><body>") + html + QStringLiteral("</body></html>"));
    return document;
}

void print(QTextDocument &document, QPagedPaintDevice &device)
{
    document.print(&device);
}

void writePdf(QTextDocument &document, const QString &path)
{
    QSaveFile file(path);
    const auto fail = [&](const QString &why) {
        throw Exception(QCoreApplication::translate("ResultsReport", "\"%1\" cannot be written: %2")
                            .arg(QDir::toNativeSeparators(path), why));
    };
    if (!file.open(QIODevice::WriteOnly))
        fail(file.errorString());
    {
        QPdfWriter pdf(&file);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        pdf.setResolution(300);
        pdf.setTitle(tr("Spelling results"));
        pdf.setCreator(QStringLiteral("Spelldeck"));
        print(document, pdf);
    }
    if (!file.commit())
        fail(file.errorString());
}

} // namespace ResultsReport
