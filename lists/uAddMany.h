// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ModalForm.h"
#include "WordList.h"
#include "uGlobal.h"

#include <QList>

#include <memory>

namespace Ui {
class TfrmAddMany;
}

// Adds many words to a list at once: typed or pasted one per line, taken from recordings (each named
// after its file), or read from a word list file (text, CSV, a vocabulary file, a .spelldeck package).
// A preview shows every word with its recording; words without one may be spoken. Add stores them all
// after the list's last word, or none.
class TfrmAddMany : public ModalForm
{
    Q_OBJECT

public:
    // Words are added to the list `typeId`; `voice` speaks those without a recording (none: empty).
    TfrmAddMany(QWidget *parent, const QString &typeId, const QString &voice);
    ~TfrmAddMany() override;

    // The words stored by Add, in order, with their ids, recordings and positions.
    const QList<TData> &added() const { return m_added; }

    void txtWordsChange();
    void btnFromRecordingsClick();
    void btnFromFileClick();
    void cmbLanguageChange();
    void chkSpeakClick();
    void btnAddClick();
    void btnCancelClick();

private:
    // Shows `list` as the words to add, from `source` (empty for the typed words).
    void useList(const Exchange::WordList &list, const QString &source);
    void readFile(const QString &path, const QString &language);
    void showPreview();

    std::unique_ptr<Ui::TfrmAddMany> ui;
    QString m_typeId;
    QString m_voice;
    Exchange::WordList m_list;
    QString m_file; // the word list file the words come from; empty when typed or from recordings
    QList<TData> m_added;
};

// Opens the window over `parent`; the words it stored, in order (none when closed without adding).
QList<TData> ShowAddMany(QWidget *parent, const QString &typeId, const QString &voice);
