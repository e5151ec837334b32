// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "uCorrect.h"
#include "ui_uCorrect.h"

#include "Application.h"
#include "ErrorGuard.h"

TfrmCorrect::TfrmCorrect(QWidget *parent) : ModalForm(parent), ui(std::make_unique<Ui::TfrmCorrect>())
{
    ui->setupUi(this);
    setFixedClientSize(465, 206);
    // The fallback face is wider than the one the window was laid out with: no label may cut its text.
    ui->sLabel1->adjustSize();
    ui->sLabel2->adjustSize();
    // The panels take no focus, so Close has it and Enter or Space closes the window.
    ui->sButton1->setFocus();

    connectGuarded(ui->sButton1, &QPushButton::clicked, this, &TfrmCorrect::sButton1Click);
}

TfrmCorrect::~TfrmCorrect() = default;

void TfrmCorrect::setWords(const QString &rightWord, const QString &word)
{
    ui->Panel1->setText(rightWord);
    ui->Panel2->setText(word);
}

void TfrmCorrect::sButton1Click()
{
    close();
}

void ShowInCorrect(QWidget *AForm, const QString &ARightWord, const QString &AWord)
{
    const auto frmCorrect = std::make_unique<TfrmCorrect>(AForm ? AForm : Application::mainWindow());
    frmCorrect->setWords(ARightWord, AWord);
    if (AForm)
        moveFrameTo(frmCorrect.get(),
                    centredOver(AForm->frameGeometry(), outerSize(frmCorrect.get()), desktopRect()));
    frmCorrect->exec();
}
