// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPushButton>

// A push button with a picture at a fixed distance from its left edge and its caption a fixed gap
// to the right of the picture, left-aligned.
class PictureButton : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(int pictureLeft READ pictureLeft WRITE setPictureLeft)
    Q_PROPERTY(int captionGap READ captionGap WRITE setCaptionGap)

public:
    explicit PictureButton(QWidget *parent = nullptr);

    int pictureLeft() const { return m_pictureLeft; }
    void setPictureLeft(int left);
    int captionGap() const { return m_captionGap; }
    void setCaptionGap(int gap);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_pictureLeft = 40;
    int m_captionGap = 20;
};
