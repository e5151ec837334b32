// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "uPractice.h"
#include "ui_uPractice.h"

#include "Application.h"
#include "Catalogue.h"
#include "DueWords.h"
#include "ErrorGuard.h"
#include "ResultStore.h"
#include "Schedule.h"
#include "Toolkit.h"
#include "uGlobal.h"

#include <QDate>

TfrmPractice::TfrmPractice(QWidget *parent, const Learner &learner, const QList<ListRef> &lists,
                           const QHash<qint64, int> &dueCounts)
    : ModalForm(parent), ui(std::make_unique<Ui::TfrmPractice>())
{
    ui->setupUi(this);
    setFixedClientSize(380, 136);
    ui->lblList->setText(tr("Practise the words due for %1 from:").arg(learner.name));
    int all = 0;
    for (const int count : dueCounts)
        all += count;
    m_lists << ListRef{0, tr("every list")};
    m_counts << all;
    ui->cmbList->addItem(tr("Every list (%1 due)").arg(all));
    for (const ListRef &list : lists) {
        const int count = dueCounts.value(list.typeId);
        if (count == 0)
            continue;
        m_lists << list;
        m_counts << count;
        ui->cmbList->addItem(tr("%1 (%2 due)").arg(list.typeName).arg(count));
    }
    connectGuarded(ui->btnPractise, &QPushButton::clicked, this, &TfrmPractice::btnPractiseClick);
    connectGuarded(ui->btnCancel, &QPushButton::clicked, this, &TfrmPractice::btnCancelClick);
    connectGuarded(ui->cmbList, &QComboBox::currentIndexChanged, this, &TfrmPractice::cmbListChange);
    cmbListChange();
    ui->cmbList->setFocus();
}

TfrmPractice::~TfrmPractice() = default;

void TfrmPractice::cmbListChange()
{
    const int index = std::max(0, ui->cmbList->currentIndex());
    const int count = m_counts.value(index);
    ui->lblDue->setText(count > Schedule::kPracticeWords
                            ? tr("The %1 most overdue of them are asked.").arg(Schedule::kPracticeWords)
                            : tr("All of them are asked, the most overdue first."));
}

void TfrmPractice::btnPractiseClick()
{
    m_chosen = m_lists.value(std::max(0, ui->cmbList->currentIndex()));
    accept();
}

void TfrmPractice::btnCancelClick()
{
    close();
}

std::optional<ListRef> ShowPractice(ResultStore &store, const Learner &learner, int ALeft, int ATop)
{
    const QHash<qint64, int> counts = dueCounts(store, learner.id, QDate::currentDate());
    if (counts.isEmpty()) {
        showMessage(TfrmPractice::tr("No words are due for practice now."));
        return std::nullopt;
    }
    QList<ListRef> lists;
    Query query(store.connection());
    query.setSQL(Catalogue::ListLists());
    query.open();
    for (; !query.eof(); query.next()) {
        const TTypeData list = typeDataFromRow(query);
        lists << ListRef{list.ID.toLongLong(), list.Name};
    }
    std::sort(lists.begin(), lists.end(), [](const ListRef &a, const ListRef &b) {
        return QString::localeAwareCompare(a.typeName, b.typeName) < 0;
    });
    const auto window = std::make_unique<TfrmPractice>(Application::mainWindow(), learner, lists, counts);
    window->move(ALeft, ATop);
    window->exec();
    return window->chosen();
}
