#include "TextPanel.h"

#include <QPainter>
#include <QTextOption>

TextPanel::TextPanel(QWidget *parent) : QFrame(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void TextPanel::setText(const QString &text)
{
    m_text = text;
    // Drawn by hand, so a screen reader learns the text from here.
    setAccessibleDescription(text);
    update();
}

void TextPanel::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.setClipRect(inside);
    painter.setPen(palette().color(foregroundRole()));
    // Trailing blanks count in the width, so a text with blanks at its end stays centred as a whole.
    QTextOption option(Qt::AlignCenter);
    option.setWrapMode(QTextOption::NoWrap);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    painter.drawText(QRectF(inside), m_text, option);
}
