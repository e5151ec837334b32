#pragma once

// Driving windows as the user does: by mouse and keyboard, controls found by object name.

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>

template <typename T = QWidget>
T *child(const QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
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

// Each program-modal window that opens is handed to the next step, in order; a window that opens
// when no step is left is recorded and closed, so an unexpected window cannot hang the test.
class ModalScript : public QObject
{
public:
    using Step = std::function<void(QWidget *)>;

    explicit ModalScript(QList<Step> steps) : m_steps(std::move(steps))
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
        m_timer.start();
    }

    // Class names of the windows seen, in order.
    const QStringList &seen() const { return m_seen; }
    int stepsLeft() const { return int(m_steps.size()); }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == m_current)
            return;
        m_current = modal;
        m_seen << QString::fromLatin1(modal->metaObject()->className());
        if (m_steps.isEmpty()) {
            modal->close();
            return;
        }
        const Step step = m_steps.takeFirst();
        step(modal);
    }

    QList<Step> m_steps;
    QPointer<QWidget> m_current;
    QStringList m_seen;
    QTimer m_timer;
};
