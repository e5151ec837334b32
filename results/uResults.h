// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AnswerLog.h"
#include "Learner.h"
#include "ModalForm.h"
#include "Report.h"

#include <memory>

class FigureTable;
class ResultStore;
class ScoreChart;

namespace Ui {
class TfrmResults;
}

// The results kept: for one learner or all, one list or all, over a period; the tests by date, each
// word's misses and misspellings, a chart of first-pass scores with its figures in a table beside it;
// exported as CSV, printed or saved as PDF. Learners are renamed and removed here.
class TfrmResults : public ModalForm
{
    Q_OBJECT

public:
    TfrmResults(QWidget *parent, ResultStore &store, qint64 learnerId);
    ~TfrmResults() override;

    // What the filter controls cover now.
    Report::Filter filter() const;
    const Report::Figures &figures() const { return m_figures; }

    void filterChange();
    void learnerChange();
    void btnRenameClick();
    void btnRemoveClick();
    void btnExportClick();
    void btnPrintClick();
    void btnPdfClick();
    void btnCloseClick();

private:
    void fillLearners(qint64 select);
    void fillLists();
    void showFigures();
    std::optional<Learner> selectedLearner() const;
    QString periodText() const;
    QString listsText() const;

    std::unique_ptr<Ui::TfrmResults> ui;
    ResultStore &m_store;
    QList<Learner> m_learners;
    QList<ListRef> m_lists;
    Report::Figures m_figures;
    FigureTable *m_tests;
    FigureTable *m_words;
    FigureTable *m_points;
    ScoreChart *m_chart;
    bool m_filling = false;
};

// Opens the Results window at ALeft, ATop on `learnerId` (0: every learner) and returns when it has
// closed.
void ShowResults(ResultStore &store, qint64 learnerId, int ALeft, int ATop);
