// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Dataset.h"
#include "ModalForm.h"

#include <memory>

namespace Ui {
class TfrmCreate;
}

// The new-list dialog: asks for a name and stores a list under it.
class TfrmCreate : public ModalForm
{
    Q_OBJECT

public:
    explicit TfrmCreate(QWidget *parent = nullptr);
    ~TfrmCreate() override;

    // Both empty unless a list was stored: then the name as typed and the new list's type_id.
    QString TypeName;
    QString TypeID;

    void FormCreate();
    void sButton1Click();
    void sButton2Click();

private:
    std::unique_ptr<Ui::TfrmCreate> ui;
    Table tblType;
};
