// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFrame>
#include <QString>

// A panel showing one line of text centred both ways, exactly as given: leading and trailing blanks
// take their room, nothing wraps, and a text wider than the panel is cut at its inner edges.
class TextPanel : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)

public:
    explicit TextPanel(QWidget *parent = nullptr);

    const QString &text() const { return m_text; }
    void setText(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
};
