#include "uCorrect.h"
#include "ui_uCorrect.h"

#include "Application.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace {

QRect desktopRect()
{
    QRect desktop;
    for (const QScreen *screen : QGuiApplication::screens())
        desktop |= screen->geometry();
    return desktop;
}

} // namespace

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

QPoint TfrmCorrect::placement(const QRect &owner, const QSize &size, const QRect &desktop)
{
    // Integer division truncates towards zero, as the placement asks.
    const int left = owner.left() + (owner.width() - size.width()) / 2;
    const int top = owner.top() + (owner.height() - size.height()) / 2;
    return {std::max(left, desktop.left()), std::max(top, desktop.top())};
}

void ShowInCorrect(QWidget *AForm, const QString &ARightWord, const QString &AWord)
{
    const auto frmCorrect = std::make_unique<TfrmCorrect>(AForm ? AForm : Application::mainWindow());
    frmCorrect->setWords(ARightWord, AWord);
    if (AForm) {
        // Not shown yet, the window has no frame: give it the owner's.
        const QRect owner = AForm->frameGeometry();
        const QSize frame = owner.size() - AForm->size();
        frmCorrect->move(TfrmCorrect::placement(owner, frmCorrect->size() + frame, desktopRect()));
    }
    frmCorrect->exec();
}
