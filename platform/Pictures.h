// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The program's pictures are PNG files among its resources, rendered when it was built. They are read
// as PNG outright: left to guess the format, the image reader would load every image-format plugin
// (and the libraries behind them) to ask each one, which start-up cannot afford.

QPixmap picture(const QString &path);
// The picture at `path` and, when there is one, its twice-as-dense "name@2x.png" for such screens.
QIcon pictureIcon(const QString &path);
// The program icon in the sizes rendered for window decorations and task lists.
QIcon programIcon();
