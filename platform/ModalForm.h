#pragma once

#include <QDialog>

// A modal window without default or cancel button: Enter presses only a button that has the focus,
// Escape presses nothing. The close box still closes it.
class ModalForm : public QDialog
{
public:
    explicit ModalForm(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
