// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WebLabel.h"

#include "ErrorGuard.h"

#include <QDesktopServices>
#include <QMouseEvent>

namespace {

WebLabel::Opener &opener()
{
    static WebLabel::Opener current;
    return current;
}

} // namespace

WebLabel::WebLabel(QWidget *parent) : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
    m_normalFont = m_hoverFont = font();
    m_normalColor = m_hoverColor = palette().color(QPalette::WindowText);
}

void WebLabel::setNormalFont(const QFont &font, const QColor &color)
{
    m_normalFont = font;
    m_normalColor = color;
    applyLook();
}

void WebLabel::setHoverFont(const QFont &font, const QColor &color)
{
    m_hoverFont = font;
    m_hoverColor = color;
    applyLook();
}

void WebLabel::setOpener(Opener newOpener)
{
    opener() = std::move(newOpener);
}

void WebLabel::enterEvent(QEnterEvent *event)
{
    m_hovered = true;
    applyLook();
    QLabel::enterEvent(event);
}

void WebLabel::leaveEvent(QEvent *event)
{
    m_hovered = false;
    applyLook();
    QLabel::leaveEvent(event);
}

void WebLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    event->accept();
    if (m_address.isEmpty())
        return;
    // Whether the desktop managed to open it is not our concern: the result is ignored.
    guarded([this] {
        if (opener())
            opener()(m_address);
        else
            QDesktopServices::openUrl(m_address);
    });
}

void WebLabel::applyLook()
{
    setFont(m_hovered ? m_hoverFont : m_normalFont);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, m_hovered ? m_hoverColor : m_normalColor);
    setPalette(colours);
}
