// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AnswerLog.h"
#include "Learner.h"
#include "ModalForm.h"

#include <QHash>

#include <memory>
#include <optional>

class ResultStore;

namespace Ui {
class TfrmPractice;
}

// Asks which list's due words a learner practises: every list, or one of those with words due, each
// with how many are.
class TfrmPractice : public ModalForm
{
    Q_OBJECT

public:
    TfrmPractice(QWidget *parent, const Learner &learner, const QList<ListRef> &lists,
                 const QHash<qint64, int> &dueCounts);
    ~TfrmPractice() override;

    // The list chosen with Practise; typeId 0 for every list.
    std::optional<ListRef> chosen() const { return m_chosen; }

    void btnPractiseClick();
    void btnCancelClick();
    void cmbListChange();

private:
    std::unique_ptr<Ui::TfrmPractice> ui;
    QList<ListRef> m_lists; // as the choice shows them, every list first
    QList<int> m_counts;
    std::optional<ListRef> m_chosen;
};

// Opens the window at ALeft, ATop for `learner`; the list chosen, or none when the learner cancelled or
// no word is due (the learner is told so).
std::optional<ListRef> ShowPractice(ResultStore &store, const Learner &learner, int ALeft, int ATop);
