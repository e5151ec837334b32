#include "uMain.h"
#include "ui_uMain.h"

#include "About.h"
#include "Application.h"
#include "Toolkit.h"
#include "uCreate.h"
#include "uEditor.h"
#include "uSelected.h"
#include "uTest.h"


namespace {

// n / 2 rounded to the nearest whole number, an exact half going to the even neighbour.
int halfToEven(int n)
{
    const int floorHalf = n >= 0 ? n / 2 : -((-n + 1) / 2);
    if (n - 2 * floorHalf == 0 || floorHalf % 2 == 0)
        return floorHalf;
    return floorHalf + 1;
}

} // namespace

TfrmMain::TfrmMain(QWidget *parent) : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::TfrmMain>())
{
    ui->setupUi(this);
    Application::setMainWindow(this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(pixelFont(QStringLiteral("Tahoma"), 13));
    setFixedSize(338, 394);

    // Labels are sized to their text; the version keeps its right edge where it belongs.
    ui->Label1->adjustSize();
    ui->sLabel1->adjustSize();
    ui->sLabel1->move(328 - ui->sLabel1->width(), 30);

    connectGuarded(ui->btnTest, &QPushButton::clicked, this, &TfrmMain::btnTestClick);
    connectGuarded(ui->btnCreate, &QPushButton::clicked, this, &TfrmMain::btnCreateClick);
    connectGuarded(ui->btnEdit, &QPushButton::clicked, this, &TfrmMain::btnEditClick);
    connectGuarded(ui->sBitBtn1, &QPushButton::clicked, this, &TfrmMain::sBitBtn1Click);
    connectGuarded(ui->sBitBtn2, &QPushButton::clicked, this, &TfrmMain::sBitBtn2Click);

    guarded([this] { FormCreate(); });
}

TfrmMain::~TfrmMain() = default;

QPoint TfrmMain::placement(QSize workArea, QSize window)
{
    const int left = halfToEven(workArea.width() - window.width() - 720);
    const int top = halfToEven(workArea.height() - window.height());
    return {left < 0 ? 0 : left, top};
}

QPoint TfrmMain::childPosition() const
{
    const QRect frame = frameGeometry();
    return {frame.left() + frame.width(), frame.top()};
}

void TfrmMain::FormCreate()
{
    // The outer size counts the frame, which is known once the native window exists.
    winId();
    move(placement(workArea().size(), frameGeometry().size()));
}

void TfrmMain::btnTestClick()
{
    const QPoint at = childPosition();
    const std::unique_ptr<TTypeData> list = ShowSelectWord(false, at.x(), at.y());
    if (list)
        ShowSpelldeck(list->ID, list->Name, at.x(), at.y());
}

void TfrmMain::btnCreateClick()
{
    const QPoint at = childPosition();
    QString typeName;
    QString typeId;
    {
        const auto frmCreate = std::make_unique<TfrmCreate>();
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
    const auto box = std::make_unique<TAboutBox>(Application::mainWindow());
    box->move(childPosition());
    box->exec();
}

void TfrmMain::sBitBtn2Click()
{
    // Posted, so messages already waiting are handled before the loop ends.
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}
