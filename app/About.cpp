#include "About.h"
#include "ui_About.h"

#include "Application.h"
#include "Toolkit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QKeyEvent>
#include <QScreen>

namespace {

QFont tahoma(int pixels)
{
    return pixelFont(QStringLiteral("Tahoma"), pixels);
}

// Labels keep this far from the panel's right edge, as they do from its left.
constexpr int kPanelMargin = 8;

} // namespace

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::TAboutBox>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowModality(Qt::ApplicationModal);
    setFont(tahoma(13));
    setFixedSize(348, 213);

    ui->ProductName->adjustSize();
    ui->Version->adjustSize();
    ui->Copyright->adjustSize();

    ui->sWebLabel1->setNormalFont(tahoma(13), Qt::black);
    ui->sWebLabel1->setHoverFont(tahoma(13), palette().color(QPalette::WindowText));
    setAddress(guideAddress());

    connectGuarded(ui->OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

TAboutBox::~TAboutBox() = default;

QPoint TAboutBox::centredIn(const QRect &workArea, QSize outer)
{
    // Integer division in C++ already drops the fraction toward zero, negative differences included.
    return {workArea.left() + (workArea.width() - outer.width()) / 2,
            workArea.top() + (workArea.height() - outer.height()) / 2};
}

QUrl TAboutBox::guideAddress(const QString &programDir, const QString &sourceCopy)
{
    const QString installed = QDir(programDir).filePath(QStringLiteral(SPELLDECK_GUIDE_FROM_BINDIR));
    for (const QString &path : {installed, sourceCopy}) {
        if (!path.isEmpty() && QFileInfo(path).isFile())
            return QUrl::fromLocalFile(QFileInfo(path).canonicalFilePath());
    }
    return {};
}

QUrl TAboutBox::guideAddress()
{
    return guideAddress(QCoreApplication::applicationDirPath(), QStringLiteral(SPELLDECK_GUIDE_SOURCE));
}

void TAboutBox::setAddress(const QUrl &address)
{
    WebLabel *label = ui->sWebLabel1;
    const QString text = address.toDisplayString();
    const int room = ui->Panel1->width() - label->x() - kPanelMargin;
    const QString shown = label->fontMetrics().elidedText(text, Qt::ElideMiddle, room);
    label->setAddress(address);
    label->setText(shown);
    label->setToolTip(shown == text ? QString() : text);
    label->adjustSize();
}

void TAboutBox::showEvent(QShowEvent *event)
{
    // The box's own placement wins over its creator's, afresh each time it is shown.
    if (!event->spontaneous()) {
        const QWidget *mainWindow = Application::mainWindow();
        const QRect area =
            mainWindow && mainWindow->screen() ? mainWindow->screen()->availableGeometry() : workArea();
        move(centredIn(area, frameGeometry().size()));
    }
    QDialog::showEvent(event);
}

void TAboutBox::keyPressEvent(QKeyEvent *event)
{
    // No cancel button, so Escape closes nothing; the close box and Alt+F4 still do.
    if (event->key() == Qt::Key_Escape && !(event->modifiers() & ~Qt::KeypadModifier)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
