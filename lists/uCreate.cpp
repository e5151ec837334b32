// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "uCreate.h"
#include "ui_uCreate.h"

#include "Catalogue.h"
#include "ErrorGuard.h"
#include "uDM.h"

TfrmCreate::TfrmCreate(QWidget *parent)
    : ModalForm(parent), ui(std::make_unique<Ui::TfrmCreate>()), tblType(DM->ADOConn)
{
    ui->setupUi(this);
    setFixedClientSize(344, 128);
    ui->Label1->adjustSize();

    connectGuarded(ui->sButton1, &QPushButton::clicked, this, &TfrmCreate::sButton1Click);
    connectGuarded(ui->sButton2, &QPushButton::clicked, this, &TfrmCreate::sButton2Click);

    guarded([this] { FormCreate(); });
}

TfrmCreate::~TfrmCreate() = default;

void TfrmCreate::FormCreate()
{
    TypeName.clear();
    TypeID.clear();
}

void TfrmCreate::sButton1Click()
{
    reject();
}

void TfrmCreate::sButton2Click()
{
    const QString name = ui->sEdit1->text();
    const QString id = Catalogue::AppendList(tblType, name);
    // Set only once the list is stored: after a failed Create the caller must not open an editor on a
    // list that has no identifier.
    TypeName = name;
    TypeID = id;
    accept();
}
