#include "ModalForm.h"

#include "Toolkit.h"

#include <QAbstractButton>
#include <QKeyEvent>

ModalForm::ModalForm(QWidget *parent) : QDialog(parent)
{
    setWindowModality(Qt::ApplicationModal);
}

void ModalForm::setFixedClientSize(int width, int height)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(pixelFont(QStringLiteral("Tahoma"), 13));
    setFixedSize(width, height);
}

void ModalForm::keyPressEvent(QKeyEvent *event)
{
    const bool plain = !(event->modifiers() & ~Qt::KeypadModifier);
    switch (event->key()) {
    case Qt::Key_Escape:
        if (plain) {
            event->accept();
            return;
        }
        break;
    case Qt::Key_Enter:
    case Qt::Key_Return:
        if (plain) {
            if (auto *button = qobject_cast<QAbstractButton *>(focusWidget()); button && button->isEnabled())
                button->click();
            event->accept();
            return;
        }
        break;
    default:
        break;
    }
    QDialog::keyPressEvent(event);
}
