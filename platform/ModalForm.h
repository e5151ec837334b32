#pragma once

#include <QDialog>

// A modal window without default or cancel button: Enter presses only a button that has the focus,
// Escape presses nothing. The close box still closes it.
class ModalForm : public QDialog
{
public:
    explicit ModalForm(QWidget *parent = nullptr);

protected:
    // The look every such window shares: fixed client size, close box only, Tahoma at 13 pixels.
    void setFixedClientSize(int width, int height);

    void keyPressEvent(QKeyEvent *event) override;
};
