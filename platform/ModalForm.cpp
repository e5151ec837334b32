// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ModalForm.h"

#include <QKeyEvent>
#include <QPushButton>

namespace {

bool hasDefaultButton(const QWidget *window)
{
    const QList<QPushButton *> buttons = window->findChildren<QPushButton *>();
    return std::any_of(buttons.cbegin(), buttons.cend(), [](const QPushButton *b) { return b->isDefault(); });
}

} // namespace

ModalForm::ModalForm(QWidget *parent) : QDialog(parent)
{
    setWindowModality(Qt::ApplicationModal);
}

int ModalForm::exec()
{
    return runModal(this);
}

void ModalForm::setFixedClientSize(int width, int height, TitleButtons buttons)
{
    setFixedLook(this, QSize(width, height), buttons);
}

void ModalForm::keyPressEvent(QKeyEvent *event)
{
    if (isPlainEscape(event)) {
        event->accept();
        return;
    }
    const bool plain = !(event->modifiers() & ~Qt::KeypadModifier);
    const bool enter = event->key() == Qt::Key_Enter || event->key() == Qt::Key_Return;
    if (enter && plain && !hasDefaultButton(this)) {
        if (auto *button = qobject_cast<QAbstractButton *>(focusWidget()); button && button->isEnabled())
            button->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
