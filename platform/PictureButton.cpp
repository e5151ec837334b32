// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PictureButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

PictureButton::PictureButton(QWidget *parent) : QPushButton(parent) {}

void PictureButton::setPictureLeft(int left)
{
    m_pictureLeft = left;
    update();
}

void PictureButton::setCaptionGap(int gap)
{
    m_captionGap = gap;
    update();
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The frame and focus come from the style; picture and caption are placed here.
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QSize picture = iconSize();
    const int pressedShift = isDown() ? 1 : 0;
    const QRect pictureRect(QPoint(m_pictureLeft, (height() - picture.height()) / 2) +
                                QPoint(pressedShift, pressedShift),
                            picture);
    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    icon().paint(&painter, pictureRect, Qt::AlignCenter, mode);

    const int captionLeft = pictureRect.right() + 1 + m_captionGap;
    const QRect captionRect(captionLeft, pressedShift, width() - captionLeft - 4, height());
    painter.drawItemText(captionRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, palette(),
                         isEnabled(), text(), QPalette::ButtonText);
}
