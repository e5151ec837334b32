// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Dataset.h"
#include "ModalForm.h"
#include "SentenceField.h"
#include "uGlobal.h"

#include <memory>
#include <vector>

namespace Ui {
class TfrmEditor;
}

// The word-list editor: adds, changes, removes and reorders the words of one list. Every change is
// stored the moment it is made, and the window shows a change only once it is stored.
class TfrmEditor : public ModalForm
{
    Q_OBJECT

public:
    explicit TfrmEditor(QWidget *parent = nullptr);
    ~TfrmEditor() override;

    // ShowWord up to showing the window: placed, bound to the list, captioned and, unless the list is
    // new, filled with its words.
    static std::unique_ptr<TfrmEditor> Create(QWidget *parent, const QString &ATypeID,
                                              const QString &ATypeName, bool ANew, int ALeft, int ATop);

    void lstWordClick();
    void btnAddClick();
    void btnEditClick();
    void btnSaveClick();
    void btnCancelClick();
    // Move up and Move down: the pressed button's Tag gives the direction (-1 up, 1 down).
    void btnUpClick();
    void btnRemoveClick();

    // Recordings made in the editor: Speak makes the word's recording with the chosen voice, Record...
    // takes it from the microphone, Listen plays the Sound field (or, while browsing, the selected
    // word's recording). A recording made during a change and not saved with it is removed again.
    void btnSpeakClick();
    void btnRecordClick();
    void btnListenClick();
    void cmbVoiceChange();

    // Many words at once (see TfrmAddMany), appended after the last; the list written as one
    // .spelldeck file with its recordings, to share.
    void btnAddManyClick();
    void btnExportClick();

    // The voice chosen for Speak, as the synthesizer names it; empty when none is available.
    QString voice() const;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Enables Speak, Record..., Listen and the voice as the editor's state allows.
    void updateRecordingControls();
    void fillVoices();
    // A recording made by Speak or Record... replaces the one made before it in the same change.
    void useMadeRecording(const QString &path);
    // The recording made in this change is kept when `saved` names it, removed otherwise.
    void settleMadeRecording(const QString &saved);

    void LoadWord();
    TData *GetCurData() const;

    int selectedRow() const;
    int rowOf(const TData *data) const;
    void selectRow(int row);
    void appendEntry(TData *data);
    void moveBy(int direction);
    void release(TData *data);

    std::unique_ptr<Ui::TfrmEditor> ui;
    bool m_voicesFilled = false;
    QString m_madeRecording; // made by Speak or Record... in the change under way, not yet saved
    Query qryWord;
    std::unique_ptr<SentenceField> m_sentence;
    QString FTypeID;
    QString m_listName;
    TData *FCurData = nullptr;                  // the word being changed; none while a new one is added
    std::vector<std::unique_ptr<TData>> FWords; // every record the list's entries refer to
};

// Opens the editor on a list, owned by the main window, and returns when it has closed.
void ShowWord(const QString &ATypeID, const QString &ATypeName, bool ANew, int ALeft, int ATop);
