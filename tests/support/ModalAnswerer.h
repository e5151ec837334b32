#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// Answers a real modal dialog: polls for the active modal widget and hands it to `answer` once.
// For the few tests that must drive a real box rather than the scripted one.
class ModalAnswerer : public QObject
{
public:
    explicit ModalAnswerer(std::function<void(QWidget *)> answer, int timeoutMs = 5000)
        : m_answer(std::move(answer))
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this, timeoutMs] {
            m_waited += m_timer.interval();
            if (QWidget *modal = QApplication::activeModalWidget()) {
                m_timer.stop();
                m_answered = true;
                m_answer(modal);
            } else if (m_waited > timeoutMs) {
                m_timer.stop();
            }
        });
        m_timer.start();
    }

    bool answered() const { return m_answered; }

private:
    std::function<void(QWidget *)> m_answer;
    QTimer m_timer;
    int m_waited = 0;
    bool m_answered = false;
};
