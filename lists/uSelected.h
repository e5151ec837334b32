// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Dataset.h"
#include "ModalForm.h"
#include "uGlobal.h"

#include <memory>
#include <vector>

namespace Ui {
class TfrmSelected;
}

// The list chooser. Pick mode offers Ok and Close; manage mode also Remove and Rename.
class TfrmSelected : public ModalForm
{
    Q_OBJECT

public:
    explicit TfrmSelected(QWidget *parent = nullptr);
    ~TfrmSelected() override;

    // Pick mode: "Ok" in Rename's place, Remove and Rename hidden.
    void setPickMode();
    // The list chosen with Open / Ok, handed over to the caller; none when closed without a choice.
    std::unique_ptr<TTypeData> takeChosen();

    void FormCreate();
    void lstWordClick();
    void btnOpenClick();
    void btnCloseClick();
    void btnRemoveClick();
    void btnRenameClick();

private:
    TTypeData *GetTypeData() const;

    std::unique_ptr<Ui::TfrmSelected> ui;
    Query qryType;
    // The window owns every record until one is chosen; list entries only refer to them.
    std::vector<std::unique_ptr<TTypeData>> m_records;
    TTypeData *FCurTypeData = nullptr;
};

// Opens the chooser at (ALeft, ATop) and returns the chosen list, or none.
std::unique_ptr<TTypeData> ShowSelectWord(bool AEdit, int ALeft, int ATop);
