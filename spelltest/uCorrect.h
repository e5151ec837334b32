// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ModalForm.h"

#include <memory>

namespace Ui {
class TfrmCorrect;
}

// Shown after a miss: the stored word in green above what the learner typed in red.
class TfrmCorrect : public ModalForm
{
    Q_OBJECT

public:
    explicit TfrmCorrect(QWidget *parent = nullptr);
    ~TfrmCorrect() override;

    void setWords(const QString &rightWord, const QString &word);
    void sButton1Click();

private:
    std::unique_ptr<Ui::TfrmCorrect> ui;
};

// Shows the correction over AForm and returns when it has closed.
void ShowInCorrect(QWidget *AForm, const QString &ARightWord, const QString &AWord);
