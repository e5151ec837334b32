// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMargins>

class QWidget;

// The frame (borders and title bar) the window system will put around `window` once it is shown.
// A window manager adds it only when it maps the window, so on X11 it is asked in advance
// (_NET_REQUEST_FRAME_EXTENTS) and given a moment to answer; without a window manager, or without
// an answer, there is no frame. Elsewhere the toolkit knows the frame of a window not yet shown.
QMargins expectedFrame(QWidget *window);
