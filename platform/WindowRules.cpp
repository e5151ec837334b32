// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowRules.h"

#include "FrameExtents.h"

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace {

// The control that has the keyboard shows it from the moment the window appears, as after a Tab; a
// click hides it again. Showing a window resets this, so it is set as the window is shown.
class FocusShownOnShow : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType())
            static_cast<QWidget *>(watched)->setAttribute(Qt::WA_KeyboardFocusChange);
        return false;
    }
};

} // namespace

QFont pixelFont(const QString &family, int pixels)
{
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

QFont formFont()
{
    return pixelFont(QStringLiteral("Tahoma"), 13);
}

void setFixedLook(QWidget *window, QSize clientSize, TitleButtons buttons)
{
    Qt::WindowFlags flags = window->windowFlags() & Qt::WindowType_Mask;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (buttons != TitleButtons::Close)
        flags |= Qt::WindowSystemMenuHint;
    if (buttons == TitleButtons::SystemMenuMinimise)
        flags |= Qt::WindowMinimizeButtonHint;
    window->setWindowFlags(flags);
    window->installEventFilter(new FocusShownOnShow(window));
    window->setFont(formFont());
    window->setFixedSize(clientSize);
}

bool isPlainEscape(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Escape && !(event->modifiers() & ~Qt::KeypadModifier);
}

int runModal(QDialog *dialog)
{
    // The window active now, or, between two windows a command opens in turn, the owner.
    QPointer<QWidget> previous = QApplication::activeWindow();
    if (!previous && dialog->parentWidget())
        previous = dialog->parentWidget()->window();
    // QDialog's own, so that a dialog whose exec() comes here is not sent round again.
    const int result = dialog->QDialog::exec();
    // Once the events of the closing have run: by then a window manager has given the activation back,
    // or the command has opened its next window, which has it.
    QTimer::singleShot(0, previous, [previous] {
        const QWidget *modal = QApplication::activeModalWidget();
        if (previous && previous->isVisible() && !QApplication::activeWindow() &&
            (!modal || modal == previous))
            previous->activateWindow();
    });
    return result;
}

QRect workArea()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        return screen->availableGeometry();
    return {};
}

QRect workAreaOf(const QWidget *window)
{
    if (window && window->screen())
        return window->screen()->availableGeometry();
    return workArea();
}

QRect desktopRect()
{
    QRect desktop;
    for (const QScreen *screen : QGuiApplication::screens())
        desktop |= screen->geometry();
    return desktop;
}

namespace {

QMargins frameOf(QWidget *window)
{
    if (!window->testAttribute(Qt::WA_Mapped))
        return expectedFrame(window);
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

} // namespace

QSize outerSize(QWidget *window)
{
    return window->size().grownBy(frameOf(window));
}

void moveFrameTo(QWidget *window, QPoint frameTopLeft)
{
    // Before the native window exists, a move is taken as the frame's position. Once it exists but is
    // not yet mapped, the toolkit does not know the frame and would put the client area there: place
    // the client area inside the frame the window manager will draw.
    if (!window->testAttribute(Qt::WA_WState_Created)) {
        window->move(frameTopLeft);
        return;
    }
    const QMargins frame = frameOf(window);
    window->setGeometry(QRect(frameTopLeft + QPoint(frame.left(), frame.top()), window->size()));
}

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

QPoint mainWindowPlacement(QSize workArea, QSize outer)
{
    const int left = halfToEven(workArea.width() - outer.width() - 720);
    const int top = halfToEven(workArea.height() - outer.height());
    return {std::max(left, 0), top};
}

QPoint childPlacement(const QWidget *mainWindow)
{
    const QRect frame = mainWindow->frameGeometry();
    return {frame.left() + frame.width(), frame.top()};
}

QPoint centredIn(const QRect &area, QSize outer)
{
    // Integer division in C++ already drops the fraction toward zero, negative differences included.
    return {area.left() + (area.width() - outer.width()) / 2,
            area.top() + (area.height() - outer.height()) / 2};
}

QPoint centredOver(const QRect &owner, QSize outer, const QRect &desktop)
{
    const QPoint centred = centredIn(owner, outer);
    return {std::max(centred.x(), desktop.left()), std::max(centred.y(), desktop.top())};
}
