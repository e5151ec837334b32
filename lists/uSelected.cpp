// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "uSelected.h"
#include "ui_uSelected.h"

#include "Application.h"
#include "Catalogue.h"
#include "ErrorGuard.h"
#include "ListEntries.h"
#include "Toolkit.h"
#include "uDM.h"

#include <QSignalBlocker>

TfrmSelected::TfrmSelected(QWidget *parent)
    : ModalForm(parent), ui(std::make_unique<Ui::TfrmSelected>()), qryType(DM->ADOConn)
{
    ui->setupUi(this);
    setFixedClientSize(419, 394);
    ui->Label1->adjustSize();
    setRowHeight(ui->lstWord, 20);

    connectGuarded(ui->lstWord, &QListWidget::itemSelectionChanged, this, &TfrmSelected::lstWordClick);
    connectGuarded(ui->btnOpen, &QPushButton::clicked, this, &TfrmSelected::btnOpenClick);
    connectGuarded(ui->btnRemove, &QPushButton::clicked, this, &TfrmSelected::btnRemoveClick);
    connectGuarded(ui->btnRename, &QPushButton::clicked, this, &TfrmSelected::btnRenameClick);
    connectGuarded(ui->btnClose, &QPushButton::clicked, this, &TfrmSelected::btnCloseClick);

    guarded([this] { FormCreate(); });
}

TfrmSelected::~TfrmSelected() = default;

void TfrmSelected::setPickMode()
{
    ui->btnOpen->setText(tr("Ok"));
    ui->btnOpen->move(ui->btnRename->x(), ui->btnOpen->y());
    ui->btnRemove->hide();
    ui->btnRename->hide();
}

std::unique_ptr<TTypeData> TfrmSelected::takeChosen()
{
    for (auto &record : m_records) {
        if (record.get() == FCurTypeData) {
            FCurTypeData = nullptr;
            return std::move(record);
        }
    }
    return nullptr;
}

void TfrmSelected::FormCreate()
{
    // The buttons stay disabled until the user selects a row, also when the lists cannot be read.
    qryType.close();
    qryType.setSQL(Catalogue::ListLists());
    qryType.open();
    QStringList names;
    QList<TTypeData *> records;
    while (!qryType.eof()) {
        m_records.push_back(std::make_unique<TTypeData>(typeDataFromRow(qryType)));
        names << m_records.back()->Name;
        records << m_records.back().get();
        qryType.next();
    }
    appendEntries(ui->lstWord, names, records);
    lstWordClick();
}

TTypeData *TfrmSelected::GetTypeData() const
{
    const QList<QListWidgetItem *> selected = ui->lstWord->selectedItems();
    return selected.isEmpty() ? nullptr : entryRecord<TTypeData>(selected.constFirst());
}

void TfrmSelected::lstWordClick()
{
    const bool selected = GetTypeData() != nullptr;
    ui->btnOpen->setEnabled(selected);
    ui->btnRemove->setEnabled(selected);
    ui->btnRename->setEnabled(selected);
}

void TfrmSelected::btnOpenClick()
{
    FCurTypeData = GetTypeData();
    accept();
}

void TfrmSelected::btnCloseClick()
{
    reject();
}

void TfrmSelected::btnRemoveClick()
{
    TTypeData *record = GetTypeData();
    if (!record)
        return;
    if (!Toolkit::instance().question(this, tr("Confirm Deletion"),
                                      tr("Are you sure you wish to permanently delete this list?")))
        return;
    qryType.close();
    qryType.setSQL(Catalogue::DeleteList(record->ID));
    qryType.execSQL();

    // Stored: only now does the entry go, and with it the record nothing refers to any more.
    {
        const QSignalBlocker blocker(ui->lstWord);
        delete ui->lstWord->takeItem(ui->lstWord->row(ui->lstWord->selectedItems().constFirst()));
        ui->lstWord->clearSelection();
        ui->lstWord->setCurrentItem(nullptr);
    }
    std::erase_if(m_records, [record](const auto &owned) { return owned.get() == record; });
    lstWordClick();
}

void TfrmSelected::btnRenameClick()
{
    TTypeData *record = GetTypeData();
    if (!record)
        return;
    const QString name = Toolkit::instance().inputText(
        this, tr("Rename"), tr("Please enter the name of the new spelldeck:"), record->Name);
    qryType.close();
    qryType.setSQL(Catalogue::RenameList(name, record->ID));
    qryType.execSQL();

    // The list shows the new name only once it is stored.
    record->Name = name;
    ui->lstWord->selectedItems().constFirst()->setText(name);
}

std::unique_ptr<TTypeData> ShowSelectWord(bool AEdit, int ALeft, int ATop)
{
    auto form = std::make_unique<TfrmSelected>(Application::mainWindow());
    form->move(ALeft, ATop);
    if (!AEdit)
        form->setPickMode();
    form->exec();
    return form->takeChosen();
}
