// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "uRecord.h"
#include "ui_uRecord.h"

#include "Encoder.h"
#include "ErrorGuard.h"
#include "Exceptions.h"
#include "Microphone.h"
#include "RecordingFiles.h"

#include <QCloseEvent>
#include <QShortcut>

TfrmRecord::TfrmRecord(QWidget *parent, const QString &word, const QString &folder, int longestMs)
    : ModalForm(parent), ui(std::make_unique<Ui::TfrmRecord>()), m_microphone(std::make_unique<Microphone>()),
      m_word(word), m_folder(folder)
{
    ui->setupUi(this);
    setFixedClientSize(360, 150);
    // A word never needs more.
    m_microphone->setMaximumDuration(longestMs);
    m_clock.setInterval(100);

    connectGuarded(ui->btnRecord, &QPushButton::clicked, this, &TfrmRecord::btnRecordClick);
    connectGuarded(ui->btnListen, &QPushButton::clicked, this, &TfrmRecord::btnListenClick);
    connectGuarded(ui->btnUse, &QPushButton::clicked, this, &TfrmRecord::btnUseClick);
    connectGuarded(ui->btnCancel, &QPushButton::clicked, this, &TfrmRecord::btnCancelClick);
    connectGuarded(m_microphone.get(), &Microphone::levelChanged, this, &TfrmRecord::showLevel);
    connectGuarded(m_microphone.get(), &Microphone::limitReached, this, &TfrmRecord::stopRecording);
    connectGuarded(m_microphone.get(), &Microphone::failed, this,
                   [](TfrmRecord *window, const QString &message) {
                       window->stopRecording();
                       throw Exception(message);
                   });
    connectGuarded(&m_clock, &QTimer::timeout, this, &TfrmRecord::showElapsed);
    // Space starts and stops recording wherever the focus is; Enter presses the focused button.
    auto *space = new QShortcut(QKeySequence(Qt::Key_Space), this);
    space->setAutoRepeat(false);
    connectGuarded(space, &QShortcut::activated, this, &TfrmRecord::btnRecordClick);
    ui->btnRecord->setFocus();
}

TfrmRecord::~TfrmRecord()
{
    ui->mp->Close();
    if (recording())
        m_microphone->stop();
    if (!m_used)
        discardTake();
}

bool TfrmRecord::recording() const
{
    return m_microphone->isRecording();
}

void TfrmRecord::btnRecordClick()
{
    if (recording())
        stopRecording();
    else
        startRecording();
}

void TfrmRecord::startRecording()
{
    ui->mp->Close();
    discardTake();
    m_microphone->start();
    m_elapsed.start();
    m_clock.start();
    ui->btnRecord->setText(tr("Stop"));
    showElapsed();
    updateButtons();
}

void TfrmRecord::stopRecording()
{
    if (!recording())
        return;
    m_clock.stop();
    const Pcm pcm = m_microphone->stop();
    // The take's own length: the clock's last tick may come late on a busy computer, after the
    // microphone has stopped at its limit.
    showSeconds(double(pcm.durationMs()) / 1000.0);
    ui->btnRecord->setText(tr("Record"));
    ui->prgLevel->setValue(0);
    updateButtons();
    // Raises "Nothing was heard" for a take that is silence throughout.
    const QByteArray mp3 = Encoder::prepareMp3(pcm, Encoder::Source::Microphone);
    m_take = RecordingFiles::writeNew(m_folder, m_word, mp3);
    updateButtons();
}

void TfrmRecord::showLevel(double peak, double rms)
{
    // The meter shows the loudness a listener hears, with the peak keeping short sounds visible.
    ui->prgLevel->setValue(int(qBound(0.0, std::max(peak, rms * 2), 1.0) * 100));
}

void TfrmRecord::showElapsed()
{
    showSeconds(m_elapsed.isValid() ? m_elapsed.elapsed() / 1000.0 : 0.0);
}

void TfrmRecord::showSeconds(double seconds)
{
    ui->lblElapsed->setText(tr("%1 s").arg(QLocale().toString(seconds, 'f', 1)));
}

void TfrmRecord::btnListenClick()
{
    if (m_take.isEmpty())
        return;
    ui->mp->setNotify(false);
    ui->mp->Close();
    ui->mp->setFileName(m_take);
    ui->mp->Open();
    ui->mp->Play();
}

void TfrmRecord::btnUseClick()
{
    if (m_take.isEmpty())
        return;
    m_used = true;
    accept();
}

void TfrmRecord::btnCancelClick()
{
    reject();
}

void TfrmRecord::closeEvent(QCloseEvent *event)
{
    if (recording()) {
        m_clock.stop();
        m_microphone->stop();
    }
    ModalForm::closeEvent(event);
}

void TfrmRecord::discardTake()
{
    RecordingFiles::discard(m_take);
    m_take.clear();
    updateButtons();
}

void TfrmRecord::updateButtons()
{
    const bool busy = recording();
    ui->btnListen->setEnabled(!busy && !m_take.isEmpty());
    ui->btnUse->setEnabled(!busy && !m_take.isEmpty());
}

std::optional<QString> ShowRecord(QWidget *parent, const QString &word, const QString &folder, int longestMs)
{
    const auto frmRecord = std::make_unique<TfrmRecord>(parent, word, folder, longestMs);
    if (parent) {
        const QRect owner = parent->frameGeometry();
        moveFrameTo(frmRecord.get(), centredOver(owner, outerSize(frmRecord.get()), desktopRect()));
    }
    if (frmRecord->exec() != QDialog::Accepted)
        return std::nullopt;
    return frmRecord->take();
}
