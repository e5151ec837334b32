// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>

struct _Mix_Music;

// What the player reports as its mode.
enum TMPModes
{
    mpNotReady,
    mpStopped,
    mpPlaying,
    mpRecording,
    mpSeeking,
    mpPaused,
    mpOpen
};

// How the request behind a notification ended.
enum TMPNotifyValues
{
    nvSuccessful,
    nvSuperseded,
    nvAborted,
    nvFailure
};

// The media player control: opens one sound file and plays it. Never shown; it only carries the
// playback of a window and tells that window, through OnNotify, when a play request has ended.
//
// Every play request gets exactly one notification: successful when the sound ran to its end,
// aborted when it was stopped (Close, destruction, another sound started), superseded when Play was
// requested again while it still sounded, failure when it could not start. Notifications are posted
// to the UI thread and handled by whatever event loop runs there, a modal box's included.
class TMediaPlayer : public QWidget
{
    Q_OBJECT

public:
    explicit TMediaPlayer(QWidget *parent = nullptr);
    ~TMediaPlayer() override;

    // One-shot request: the value set applies to the next Close (with a device open), Open or Play,
    // which consume it. Without a pending value Close and Open notify nothing and Play notifies.
    bool Notify() const { return m_notify; }
    void setNotify(bool notify);

    // The file the next Open opens, used unchanged.
    const QString &FileName() const { return m_fileName; }
    void setFileName(const QString &fileName) { m_fileName = fileName; }

    // Stops a sound that still plays and releases the device. Does nothing without a device; never raises.
    void Close();
    // Closes first, then loads FileName so that it is ready to play from its start. Raises
    // EMCIDeviceError naming the file when it cannot be read or is no sound this player can play, and
    // when no sound device can be opened.
    void Open();
    // Starts playback and returns at once; a sound that had run to its end starts again from its
    // beginning. Raises EMCIDeviceError "No MCI device open" when nothing is open.
    void Play();
    // mpPlaying while the sound is audible, mpStopped with a file open otherwise, mpNotReady with none.
    TMPModes Mode() const;

    // Nonzero while a file is open; a fresh number for every Open.
    quint16 DeviceID() const { return m_deviceId; }
    // Length of the open sound and the playing position in it, in milliseconds; 0 when unknown.
    int Length() const;
    int Position() const;

    // While OnNotify runs (and until the next notification): the outcome and the request it reports.
    TMPNotifyValues NotifyValue() const { return m_notifyValue; }
    quint64 NotifyRequest() const { return m_notifyRequest; }
    // The most recent play request, 0 before the first. A notification whose request is this one
    // tells that the latest playback has ended; any other belongs to an earlier request.
    quint64 PlayRequest() const { return m_playRequest; }

signals:
    void OnNotify(TMediaPlayer *Sender);

protected:
    bool event(QEvent *event) override;

private:
    // The pending Notify value, if any, cleared; `fallback` when none is pending.
    bool takeNotify(bool fallback);
    void post(quint64 request, TMPNotifyValues value);
    void release(bool notifyAborted);

    QString m_fileName;
    bool m_notify = false;
    bool m_notifyPending = false;

    // The file's bytes stay alive as long as the decoder streams from them.
    QByteArray m_data;
    _Mix_Music *m_music = nullptr;
    quint16 m_deviceId = 0;
    bool m_holdsDevice = false;

    quint64 m_playRequest = 0;
    quint64 m_notifyRequest = 0;
    TMPNotifyValues m_notifyValue = nvSuccessful;
};
