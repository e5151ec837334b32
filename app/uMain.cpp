// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "uMain.h"
#include "ui_uMain.h"

#include "About.h"
#include "AnswerLog.h"
#include "Application.h"
#include "ErrorGuard.h"
#include "LearnerMenu.h"
#include "Pictures.h"
#include "WindowRules.h"

#include "uCreate.h"
#include "uEditor.h"
#include "uSelected.h"
#include "uTest.h"
#include <QToolButton>

TfrmMain::TfrmMain(QWidget *parent) : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::TfrmMain>())
{
    ui->setupUi(this);
    Application::setMainWindow(this);
    setFixedLook(this, QSize(338, 394), TitleButtons::SystemMenuMinimise);
    ui->btnTest->setIcon(pictureIcon(QStringLiteral(":/icons/test.png")));
    ui->btnCreate->setIcon(pictureIcon(QStringLiteral(":/icons/create.png")));
    ui->btnEdit->setIcon(pictureIcon(QStringLiteral(":/icons/edit.png")));
    ui->sBitBtn1->setIcon(pictureIcon(QStringLiteral(":/icons/about.png")));
    ui->sBitBtn2->setIcon(pictureIcon(QStringLiteral(":/icons/exit.png")));

    // Labels are sized to their text; the version keeps its right edge where it belongs.
    ui->Label1->adjustSize();
    ui->sLabel1->adjustSize();
    ui->sLabel1->move(328 - ui->sLabel1->width(), 30);

    // Above the version label, right of the title; after Exit in tab order.
    m_learners = new LearnerMenu(ui->sPanel1, QRect(186, 5, 146, 22), [this] { return childPosition(); });
    m_learners->button()->setIcon(pictureIcon(QStringLiteral(":/icons/learner.png")));
    QWidget::setTabOrder(ui->sBitBtn2, m_learners->button());

    connectGuarded(ui->btnTest, &QPushButton::clicked, this, &TfrmMain::btnTestClick);
    connectGuarded(ui->btnCreate, &QPushButton::clicked, this, &TfrmMain::btnCreateClick);
    connectGuarded(ui->btnEdit, &QPushButton::clicked, this, &TfrmMain::btnEditClick);
    connectGuarded(ui->sBitBtn1, &QPushButton::clicked, this, &TfrmMain::sBitBtn1Click);
    connectGuarded(ui->sBitBtn2, &QPushButton::clicked, this, &TfrmMain::sBitBtn2Click);

    guarded([this] { FormCreate(); });
}

TfrmMain::~TfrmMain() = default;

QPoint TfrmMain::childPosition() const
{
    return childPlacement(this);
}

void TfrmMain::FormCreate()
{
    // The outer size counts the frame the window manager will add.
    moveFrameTo(this, mainWindowPlacement(workArea().size(), outerSize(this)));
}

void TfrmMain::btnTestClick()
{
    const QPoint at = childPosition();
    const std::unique_ptr<TTypeData> list = ShowSelectWord(false, at.x(), at.y());
    if (list) {
        // None when nobody's results are kept: the test then runs exactly as it always has.
        const std::unique_ptr<AnswerLog> log = m_learners->testLog(*list);
        ShowSpelldeck(list->ID, list->Name, at.x(), at.y(), log.get());
        m_learners->testOver(log.get());
    }
}

void TfrmMain::btnCreateClick()
{
    const QPoint at = childPosition();
    QString typeName;
    QString typeId;
    {
        const auto frmCreate = std::make_unique<TfrmCreate>(this);
        frmCreate->move(at);
        frmCreate->exec();
        typeName = frmCreate->TypeName;
        typeId = frmCreate->TypeID;
    }
    // The dialog hands back a name only for a stored list; an empty name opens nothing either.
    if (!typeName.isEmpty())
        ShowWord(typeId, typeName, true, at.x(), at.y());
}

void TfrmMain::btnEditClick()
{
    const QPoint at = childPosition();
    const std::unique_ptr<TTypeData> list = ShowSelectWord(true, at.x(), at.y());
    if (list)
        ShowWord(list->ID, list->Name, false, at.x(), at.y());
}

void TfrmMain::sBitBtn1Click()
{
    const auto box = std::make_unique<TAboutBox>(this);
    box->move(childPosition());
    box->exec();
}

void TfrmMain::sBitBtn2Click()
{
    // Posted, so messages already waiting are handled before the loop ends.
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}
