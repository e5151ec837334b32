// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QWidget>

#include <memory>

class LearnerMenu;

namespace Ui {
class TfrmMain;
}

// The main window: five commands in a column of picture buttons.
class TfrmMain : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmMain(QWidget *parent = nullptr);
    ~TfrmMain() override;

    // Where a window opened from here goes: beside the main window's right edge, level with its top.
    QPoint childPosition() const;

    void FormCreate();
    void btnTestClick();
    void btnCreateClick();
    void btnEditClick();
    void sBitBtn1Click();
    void sBitBtn2Click();

    LearnerMenu &learners() const { return *m_learners; }

private:
    std::unique_ptr<Ui::TfrmMain> ui;
    // Whom the tests' results are kept for; its button sits in the top panel's free corner.
    LearnerMenu *m_learners;
};
