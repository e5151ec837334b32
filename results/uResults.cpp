// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "uResults.h"
#include "ui_uResults.h"

#include "Application.h"
#include "ErrorGuard.h"
#include "Exceptions.h"
#include "FigureTable.h"
#include "ProgressWindow.h"
#include "ResultStore.h"
#include "ResultsCsv.h"
#include "ResultsReport.h"
#include "ScoreChart.h"
#include "Toolkit.h"
#include "WindowRules.h"

#include <QDir>
#include <QHeaderView>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

// `stretch`, a column of names, takes the room the others leave; they are fitted to their texts each
// time the figures change (fitColumns).
void showTable(QTableView *view, FigureTable *model, const QString &name, int stretch)
{
    view->setModel(model);
    view->setAccessibleName(name);
    view->setSortingEnabled(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setWordWrap(false);
    view->verticalHeader()->hide();
    // Widths judged on the first rows: a year of a class's tests need not all be measured.
    view->horizontalHeader()->setResizeContentsPrecision(200);
    view->horizontalHeader()->setSectionResizeMode(stretch, QHeaderView::Stretch);
    view->horizontalHeader()->setSortIndicatorShown(true);
    view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
}

// A point of the chart for everyone stands for a day.
QString dayText(qint64 ms)
{
    return QLocale().toString(QDateTime::fromMSecsSinceEpoch(ms).date(), QLocale::ShortFormat);
}

void fitColumns(QTableView *view)
{
    view->resizeColumnsToContents();
}

QString folderForFiles()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

} // namespace

TfrmResults::TfrmResults(QWidget *parent, ResultStore &store, qint64 learnerId)
    : ModalForm(parent), ui(std::make_unique<Ui::TfrmResults>()), m_store(store),
      m_tests(new FigureTable({tr("Date"), tr("Learner"), tr("List"), tr("First-pass score"),
                               tr("Passes needed"), tr("Time taken")},
                              this)),
      m_words(new FigureTable(
          {tr("Word"), tr("Asked"), tr("Missed"), tr("Miss rate"), tr("Last missed"), tr("Typed instead")},
          this)),
      m_points(new FigureTable({tr("Date"), tr("First-pass score")}, this)), m_chart(new ScoreChart)
{
    ui->setupUi(this);
    setFont(formFont());
    resize(820, 560);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    auto *chartLayout = new QVBoxLayout(ui->chartArea);
    chartLayout->setContentsMargins(0, 0, 0, 0);
    chartLayout->addWidget(m_chart);
    showTable(ui->tblTests, m_tests, tr("Tests by date"), 2);
    showTable(ui->tblWords, m_words, tr("Words, most missed first"), 5);
    showTable(ui->tblChart, m_points, tr("First-pass scores of the chart"), 0);
    ui->lblSummary->setAccessibleName(tr("Summary"));

    m_filling = true;
    fillLearners(learnerId);
    const QDate today = QDate::currentDate();
    ui->edtFrom->setDate(Report::firstDay(m_store, filter()).value_or(today));
    ui->edtTo->setDate(today);
    fillLists();
    m_filling = false;
    showFigures();

    connectGuarded(ui->cmbLearner, &QComboBox::currentIndexChanged, this, &TfrmResults::learnerChange);
    connectGuarded(ui->cmbList, &QComboBox::currentIndexChanged, this, &TfrmResults::filterChange);
    connectGuarded(ui->edtFrom, &QDateEdit::dateChanged, this, &TfrmResults::filterChange);
    connectGuarded(ui->edtTo, &QDateEdit::dateChanged, this, &TfrmResults::filterChange);
    connectGuarded(ui->btnRename, &QPushButton::clicked, this, &TfrmResults::btnRenameClick);
    connectGuarded(ui->btnRemove, &QPushButton::clicked, this, &TfrmResults::btnRemoveClick);
    connectGuarded(ui->btnExport, &QPushButton::clicked, this, &TfrmResults::btnExportClick);
    connectGuarded(ui->btnPrint, &QPushButton::clicked, this, &TfrmResults::btnPrintClick);
    connectGuarded(ui->btnPdf, &QPushButton::clicked, this, &TfrmResults::btnPdfClick);
    connectGuarded(ui->btnClose, &QPushButton::clicked, this, &TfrmResults::btnCloseClick);
    ui->cmbLearner->setFocus();
}

TfrmResults::~TfrmResults() = default;

Report::Filter TfrmResults::filter() const
{
    const std::optional<Learner> learner = selectedLearner();
    const int list = ui->cmbList->currentIndex();
    return Report::period(learner ? learner->id : 0, list > 0 ? m_lists.value(list - 1).typeId : 0,
                          ui->edtFrom->date(), ui->edtTo->date());
}

std::optional<Learner> TfrmResults::selectedLearner() const
{
    const int index = ui->cmbLearner->currentIndex();
    if (index <= 0 || index > m_learners.size())
        return std::nullopt;
    return m_learners.at(index - 1);
}

void TfrmResults::fillLearners(qint64 select)
{
    const bool filling = std::exchange(m_filling, true);
    m_learners = m_store.learners();
    ui->cmbLearner->clear();
    ui->cmbLearner->addItem(tr("All learners"));
    int selected = 0;
    for (const Learner &learner : std::as_const(m_learners)) {
        ui->cmbLearner->addItem(learner.name);
        if (learner.id == select)
            selected = ui->cmbLearner->count() - 1;
    }
    ui->cmbLearner->setCurrentIndex(selected);
    const bool one = selected > 0;
    ui->btnRename->setEnabled(one);
    ui->btnRemove->setEnabled(one);
    m_filling = filling;
}

void TfrmResults::fillLists()
{
    const bool filling = std::exchange(m_filling, true);
    const qint64 current = filter().typeId;
    Report::Filter everything = filter();
    everything.typeId = 0;
    everything.from = 0;
    everything.to = std::numeric_limits<qint64>::max();
    m_lists = Report::lists(m_store, everything);
    ui->cmbList->clear();
    ui->cmbList->addItem(tr("All lists"));
    for (const ListRef &list : std::as_const(m_lists)) {
        ui->cmbList->addItem(list.typeName);
        if (list.typeId == current)
            ui->cmbList->setCurrentIndex(ui->cmbList->count() - 1);
    }
    m_filling = filling;
}

void TfrmResults::learnerChange()
{
    if (m_filling)
        return;
    const bool one = selectedLearner().has_value();
    ui->btnRename->setEnabled(one);
    ui->btnRemove->setEnabled(one);
    fillLists();
    showFigures();
}

void TfrmResults::filterChange()
{
    if (!m_filling)
        showFigures();
}

void TfrmResults::showFigures()
{
    const Report::Filter current = filter();
    m_figures = Report::load(m_store, current);
    const bool everyone = current.learnerId == 0;
    ui->tblTests->setColumnHidden(1, !everyone);

    QList<FigureTable::Row> tests;
    tests.reserve(m_figures.tests.size());
    int scored = 0;
    qint64 sum = 0;
    for (const Report::Test &test : std::as_const(m_figures.tests)) {
        const auto score = test.score();
        if (score) {
            sum += *score;
            ++scored;
        }
        const auto needed = test.passesNeeded();
        tests << FigureTable::Row{
            FigureTable::moment(test.startedAt, &Report::timeText),
            {test.learnerName, {}, Qt::AlignLeft | Qt::AlignVCenter},
            {test.practice ? tr("%1 (practice)").arg(test.listName) : test.listName,
             {},
             Qt::AlignLeft | Qt::AlignVCenter},
            FigureTable::number(score.value_or(-1), Report::scoreText(test)),
            FigureTable::number(needed.value_or(0), needed ? QLocale().toString(*needed) : tr("left early")),
            FigureTable::number(test.takenMs(), Report::durationText(test.takenMs()))};
    }
    m_tests->setRows(std::move(tests));
    fitColumns(ui->tblTests);

    QList<FigureTable::Row> words;
    words.reserve(m_figures.words.size());
    int missedWords = 0;
    for (const Report::Word &word : std::as_const(m_figures.words)) {
        if (word.misses > 0)
            ++missedWords;
        QStringList typed;
        for (const Report::Misspelling &misspelling : word.misspellings)
            typed << (misspelling.times > 1
                          ? tr("%1 (%2 times)").arg(misspelling.typed).arg(misspelling.times)
                          : misspelling.typed);
        words << FigureTable::Row{{word.word, {}, Qt::AlignLeft | Qt::AlignVCenter},
                                  FigureTable::number(word.asked),
                                  FigureTable::number(word.missed),
                                  FigureTable::number(word.missRate(), tr("%1%").arg(word.missRate())),
                                  word.lastMissed ? FigureTable::moment(word.lastMissed, &Report::timeText)
                                                  : FigureTable::moment(0, QString()),
                                  {typed.join(QStringLiteral(", ")), {}, Qt::AlignLeft | Qt::AlignVCenter}};
    }
    m_words->setRows(std::move(words));
    fitColumns(ui->tblWords);

    QList<FigureTable::Row> points;
    points.reserve(m_figures.points.size());
    for (const Report::Point &point : std::as_const(m_figures.points))
        points << FigureTable::Row{FigureTable::moment(point.at, everyone ? &dayText : &Report::timeText),
                                   FigureTable::number(point.score, tr("%1%").arg(point.score))};
    m_points->setRows(std::move(points));
    fitColumns(ui->tblChart);
    m_chart->setPoints(m_figures.points, everyone);

    const qint64 mean = scored == 0 ? 0 : (sum + scored / 2) / scored;
    if (m_figures.tests.isEmpty())
        ui->lblSummary->setText(tr("No test in this period."));
    else
        ui->lblSummary->setText(
            m_figures.tests.size() == 1
                ? tr("One test, %1% right at the first try; %2 words asked, %3 of them missed at least once.")
                      .arg(mean)
                      .arg(m_figures.words.size())
                      .arg(missedWords)
                : tr("%1 tests, %2% right at the first try on average; %3 words asked, %4 of them missed at "
                     "least once.")
                      .arg(m_figures.tests.size())
                      .arg(mean)
                      .arg(m_figures.words.size())
                      .arg(missedWords));
    const bool any = !m_figures.tests.isEmpty();
    ui->btnExport->setEnabled(any);
    ui->btnPrint->setEnabled(any);
    ui->btnPdf->setEnabled(any);
}

QString TfrmResults::periodText() const
{
    const QLocale locale;
    return tr("From %1 to %2")
        .arg(locale.toString(ui->edtFrom->date(), QLocale::LongFormat),
             locale.toString(ui->edtTo->date(), QLocale::LongFormat));
}

QString TfrmResults::listsText() const
{
    const int list = ui->cmbList->currentIndex();
    return list > 0 ? tr("List: %1").arg(m_lists.value(list - 1).typeName) : tr("Every list");
}

void TfrmResults::btnRenameClick()
{
    const std::optional<Learner> learner = selectedLearner();
    if (!learner)
        return;
    const QString name = Toolkit::instance().inputText(this, tr("Rename learner"),
                                                       tr("New name of the learner:"), learner->name);
    if (name == learner->name)
        return;
    m_store.renameLearner(learner->id, name);
    fillLearners(learner->id);
    showFigures();
}

void TfrmResults::btnRemoveClick()
{
    const std::optional<Learner> learner = selectedLearner();
    if (!learner)
        return;
    if (!Toolkit::instance().question(
            this, tr("Confirm Deletion"),
            tr("Remove the learner \"%1\" and every result of theirs? This cannot be undone.")
                .arg(learner->name)))
        return;
    m_store.removeLearner(learner->id);
    fillLearners(0);
    fillLists();
    showFigures();
}

void TfrmResults::btnExportClick()
{
    const std::optional<QString> path = Toolkit::instance().saveFile(
        this, tr("CSV files|*.csv"), folderForFiles(), tr("spelling results.csv"));
    if (!path)
        return;
    const Report::Filter current = filter();
    qsizetype rows = 0;
    runInForeground(this, tr("Exporting the answers..."),
                    [&](const ProgressReport &report, const std::atomic_bool &cancelled) {
                        rows = ResultsCsv::write(m_store, current, *path, [&](qint64 done, qint64 total) {
                            if (cancelled)
                                throw EAbort();
                            report(done, total);
                        });
                    });
    showMessage(rows == 1
                    ? tr("One answer was exported to %1.").arg(QDir::toNativeSeparators(*path))
                    : tr("%1 answers were exported to %2.").arg(rows).arg(QDir::toNativeSeparators(*path)));
}

void TfrmResults::btnPrintClick()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(tr("Spelling results"));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print the results"));
    if (runModal(&dialog) != QDialog::Accepted)
        return;
    const auto document = ResultsReport::document(m_store, filter(), periodText(), listsText());
    ResultsReport::print(*document, printer);
}

void TfrmResults::btnPdfClick()
{
    const std::optional<QString> path = Toolkit::instance().saveFile(
        this, tr("PDF files|*.pdf"), folderForFiles(), tr("spelling results.pdf"));
    if (!path)
        return;
    const auto document = ResultsReport::document(m_store, filter(), periodText(), listsText());
    ResultsReport::writePdf(*document, *path);
    showMessage(tr("The report was saved to %1.").arg(QDir::toNativeSeparators(*path)));
}

void TfrmResults::btnCloseClick()
{
    close();
}

void ShowResults(ResultStore &store, qint64 learnerId, int ALeft, int ATop)
{
    const auto window = std::make_unique<TfrmResults>(Application::mainWindow(), store, learnerId);
    window->move(ALeft, ATop);
    window->exec();
}
