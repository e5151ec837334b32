// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Finding and using controls as the user does: by object name, with the mouse and the keyboard.

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <exception>

// Raised after a failed lookup has been recorded, so the test goes no further with a missing control.
class MissingControl : public std::exception
{
public:
    const char *what() const noexcept override { return "missing control"; }
};

// The control `name` of `window`; a missing one fails the test with its name.
template <typename T = QWidget> T *child(const QWidget *window, const char *name)
{
    T *found = window ? window->findChild<T *>(QString::fromLatin1(name)) : nullptr;
    if (!found) {
        QTest::qFail(qPrintable(QStringLiteral("no control %1 of type %2 in %3")
                                    .arg(QString::fromLatin1(name),
                                         QString::fromLatin1(T::staticMetaObject.className()),
                                         window ? QString::fromLatin1(window->metaObject()->className())
                                                : QStringLiteral("no window"))),
                     __FILE__, __LINE__);
        throw MissingControl();
    }
    return found;
}

// Clicks a button with the mouse; false (and no click) when the button is disabled or hidden.
inline bool press(const QWidget *window, const char *name)
{
    auto *button = child<QAbstractButton>(window, name);
    if (!button->isEnabled() || !button->isVisible())
        return false;
    QTest::mouseClick(button, Qt::LeftButton);
    return true;
}

// Replaces the field's text by typing it, one key press per character.
inline void typeInto(QLineEdit *field, const QString &text)
{
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(field, c.toLatin1());
        else // a key the keyboard layout has no name for, typing this character
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// The next control that Tab moves to.
inline QWidget *nextTabStop(QWidget *widget)
{
    QWidget *next = widget->nextInFocusChain();
    while (next != widget && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    return next;
}

// Clicks a row of a list box with the mouse.
inline void clickRow(QListWidget *list, int row)
{
    QListWidgetItem *item = list->item(row);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

inline QStringList shownRows(const QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

inline int selectedRow(const QListWidget *list)
{
    const QList<QListWidgetItem *> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.constFirst());
}
