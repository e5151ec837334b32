// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TextPanel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <QTextOption>

namespace {

// Drawn by hand, the panel tells assistive technology its text itself: read as a label whose name is
// the text shown.
class AccessibleTextPanel : public QAccessibleWidget
{
public:
    explicit AccessibleTextPanel(TextPanel *panel) : QAccessibleWidget(panel, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<const TextPanel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *accessibleTextPanel(const QString &className, QObject *object)
{
    if (className == QLatin1String("TextPanel") && object && object->isWidgetType())
        return new AccessibleTextPanel(static_cast<TextPanel *>(object));
    return nullptr;
}

} // namespace

TextPanel::TextPanel(QWidget *parent) : QFrame(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleTextPanel);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setFocusPolicy(Qt::NoFocus);
}

void TextPanel::setText(const QString &text)
{
    m_text = text;
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
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
