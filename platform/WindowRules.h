// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>

class QDialog;
class QKeyEvent;
class QWidget;

// The look and the rules every window of the program shares: fonts given in pixels, a fixed client
// size with its title-bar buttons, the keys a window without a cancel button ignores, and where
// windows open.

// A font given by its character height in pixels, as every window's fonts are.
QFont pixelFont(const QString &family, int pixels);
// The face every window is laid out with.
QFont formFont();

enum class TitleButtons
{
    Close,              // a close box only
    SystemMenuClose,    // system menu and close box
    SystemMenuMinimise, // system menu, minimise and close box; no maximise
};

// A window of exactly `clientSize`, not resizable, with the given title-bar buttons and the form font;
// the control that has the keyboard shows it from the start.
void setFixedLook(QWidget *window, QSize clientSize, TitleButtons buttons);

// No window has a cancel button: a plain Escape presses nothing.
bool isPlainEscape(const QKeyEvent *event);

// Shows `dialog` modally and returns its result. Afterwards the window that was active before gets the
// activation and its focused control the keyboard back: a window manager usually does that, but
// without one (or with one that does not) the keyboard would reach no window at all.
int runModal(QDialog *dialog);

// --- Where windows open ----------------------------------------------------------------------

// The primary screen's work area (the screen minus task bars and docks).
QRect workArea();
// The work area of the screen showing `window`; the primary one when it shows on none.
QRect workAreaOf(const QWidget *window);
// All screens together.
QRect desktopRect();
// The window's size with its frame and title bar. Before the window is first shown, the window
// manager is asked for the frame it will add; without one, the client size.
QSize outerSize(QWidget *window);
// Puts the window's frame, as the window manager draws it, with its top left at `frameTopLeft`.
void moveFrameTo(QWidget *window, QPoint frameTopLeft);

// The main window: the left edge of a band 720 pixels wider than the window, centred in the work
// area's width and never left of 0; vertically centred. Halves go to the even neighbour. Only the
// work area's size counts, not its origin.
QPoint mainWindowPlacement(QSize workArea, QSize outer);
// A window opened from the main window: beside its right edge, level with its top.
QPoint childPlacement(const QWidget *mainWindow);
// A window of outer size `outer` centred in `area`; halves drop their fraction toward zero, so a
// window larger than the area overhangs it evenly.
QPoint centredIn(const QRect &area, QSize outer);
// Centred over `owner` (its outer frame), but never left of or above the desktop.
QPoint centredOver(const QRect &owner, QSize outer, const QRect &desktop);
