// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ModalForm.h"

#include <QElapsedTimer>
#include <QTimer>

#include <memory>
#include <optional>

class Microphone;

namespace Ui {
class TfrmRecord;
}

// Records a word from the microphone: Record and Stop (Space toggles), a live level and the seconds
// taken, an automatic stop after ten seconds, Listen to the take, then Use it or Cancel. A take that
// is not used leaves no file behind.
class TfrmRecord : public ModalForm
{
    Q_OBJECT

public:
    static constexpr int kLongestTakeMs = 10000;

    // Takes are written to `folder`, named after `word`; a take stops by itself after `longestMs`.
    TfrmRecord(QWidget *parent, const QString &word, const QString &folder, int longestMs = kLongestTakeMs);
    ~TfrmRecord() override;

    // The file of the take kept with Use; empty before.
    const QString &take() const { return m_take; }
    bool recording() const;

    void btnRecordClick();
    void btnListenClick();
    void btnUseClick();
    void btnCancelClick();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void startRecording();
    void stopRecording();
    void showLevel(double peak, double rms);
    void showElapsed();
    void showSeconds(double seconds);
    void discardTake();
    void updateButtons();

    std::unique_ptr<Ui::TfrmRecord> ui;
    std::unique_ptr<Microphone> m_microphone;
    QString m_word;
    QString m_folder;
    QString m_take;
    bool m_used = false;
    QElapsedTimer m_elapsed;
    QTimer m_clock;
};

// Opens the recording window over `parent` for `word`; the recording's path when the user chose Use.
std::optional<QString> ShowRecord(QWidget *parent, const QString &word, const QString &folder,
                                  int longestMs = TfrmRecord::kLongestTakeMs);
