// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "WindowRules.h"

#include <QDialog>

// A modal window of the program: fixed client size, the form font, no cancel button (Escape presses
// nothing) and, unless it has a default button, Enter presses only a button that has the focus. The
// close box still closes it.
class ModalForm : public QDialog
{
public:
    explicit ModalForm(QWidget *parent = nullptr);

    // Modal to the whole program; see runModal for the activation afterwards.
    int exec() override;

    void setFixedClientSize(int width, int height, TitleButtons buttons = TitleButtons::SystemMenuClose);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
