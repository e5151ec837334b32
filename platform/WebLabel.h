// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QUrl>

#include <functional>

// A label that opens an address when it is pressed: pointing-hand cursor, its own font while the mouse
// is over it. The address opens on the press, not the release, and the window it sits on stays open.
class WebLabel : public QLabel
{
    Q_OBJECT

public:
    explicit WebLabel(QWidget *parent = nullptr);

    QUrl address() const { return m_address; }
    // An empty address makes pressing the label do nothing.
    void setAddress(const QUrl &address) { m_address = address; }

    void setNormalFont(const QFont &font, const QColor &color);
    void setHoverFont(const QFont &font, const QColor &color);
    bool isHovered() const { return m_hovered; }

    using Opener = std::function<void(const QUrl &)>;
    // Replaces the way addresses are opened (tests); an empty opener goes back to the desktop's.
    static void setOpener(Opener opener);

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void applyLook();

    QUrl m_address;
    QFont m_normalFont;
    QColor m_normalColor;
    QFont m_hoverFont;
    QColor m_hoverColor;
    bool m_hovered = false;
};
