// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Pcm.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <mutex>

// The microphone, opened only while recording (at 22,050 Hz, mono, 16-bit). While it records, the
// level of each ~50 ms reaches the user-interface thread, and recording stops by itself at the
// longest duration. The sound library is loaded the first time a recording starts.
class Microphone : public QObject
{
    Q_OBJECT

public:
    static constexpr int kRate = 22050;

    explicit Microphone(QObject *parent = nullptr);
    ~Microphone() override;

    // Recording ends by itself after this long; limitReached says so.
    void setMaximumDuration(int milliseconds) { m_maximumMs = milliseconds; }

    // Opens the capture device and starts recording. Raises Exception "No microphone was found."
    // when there is none.
    void start();
    // Stops recording, closes the device and gives what was heard; empty when nothing was recording.
    Pcm stop();
    bool isRecording() const { return m_device != 0; }
    // Milliseconds recorded so far.
    qint64 elapsed() const;

signals:
    // Peak and root mean square of the latest stretch, from 0 (silence) to 1 (full scale).
    void levelChanged(double peak, double rms);
    // Recording was stopped at the longest duration; stop() gives the sound.
    void limitReached();
    // The device went away while recording; recording has stopped.
    void failed(const QString &message);

private:
    void poll();
    void close();
    static void capture(void *self, unsigned char *stream, int length);

    quint32 m_device = 0;
    int m_maximumMs = 10000;
    QTimer m_poll;
    // Filled by the audio thread; read on the user-interface thread.
    std::mutex m_mutex;
    std::vector<qint16> m_samples;
    std::size_t m_levelFrom = 0;
    bool m_atLimit = false;
};
