// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "About.h"
#include "ui_About.h"

#include "Application.h"
#include "ErrorGuard.h"
#include "Pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QShowEvent>

namespace {

// Labels keep this far from the panel's right edge, as they do from its left.
constexpr int kPanelMargin = 8;

} // namespace

TAboutBox::TAboutBox(QWidget *parent) : ModalForm(parent), ui(std::make_unique<Ui::TAboutBox>())
{
    ui->setupUi(this);
    setFixedClientSize(348, 213, TitleButtons::Close);
    ui->ProgramIcon->setPixmap(picture(QStringLiteral(":/icons/spelldeck.png")));

    ui->ProductName->adjustSize();
    ui->Version->adjustSize();
    ui->Copyright->adjustSize();

    ui->sWebLabel1->setNormalFont(formFont(), Qt::black);
    ui->sWebLabel1->setHoverFont(formFont(), palette().color(QPalette::WindowText));
    setAddress(guideAddress());

    connectGuarded(ui->OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

TAboutBox::~TAboutBox() = default;

QUrl TAboutBox::guideAddress(const QString &programDir, const QString &sourceCopy, const QLocale &locale)
{
    const QString installed = QDir(programDir).filePath(QStringLiteral(SPELLDECK_GUIDE_FROM_BINDIR));
    const QString language = locale.name().section(QLatin1Char('_'), 0, 0);
    const bool english = locale.language() == QLocale::English || locale.language() == QLocale::C;
    for (const QString &path : {installed, sourceCopy}) {
        if (path.isEmpty())
            continue;
        QStringList candidates;
        if (!english) {
            const QFileInfo guide(path);
            candidates << guide.dir().filePath(guide.completeBaseName() + QLatin1Char('.') + language +
                                               QLatin1Char('.') + guide.suffix());
        }
        candidates << path;
        for (const QString &candidate : std::as_const(candidates)) {
            if (QFileInfo(candidate).isFile())
                return QUrl::fromLocalFile(QFileInfo(candidate).canonicalFilePath());
        }
    }
    return {};
}

QUrl TAboutBox::guideAddress()
{
    return guideAddress(QCoreApplication::applicationDirPath(), QStringLiteral(SPELLDECK_GUIDE_SOURCE),
                        QLocale());
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
    if (!event->spontaneous())
        moveFrameTo(this, centredIn(workAreaOf(Application::mainWindow()), outerSize(this)));
    ModalForm::showEvent(event);
}
