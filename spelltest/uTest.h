// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ModalForm.h"
#include "StringList.h"
#include "TestWatch.h"
#include "uGlobal.h"

#include <QString>

#include <memory>
#include <vector>

class Query;

namespace Ui {
class TfrmTest;
}

// The test window: presents the words of one list in turn, plays each, compares what the learner
// typed with the stored word and offers further passes over the words missed.
class TfrmTest : public ModalForm
{
    Q_OBJECT

public:
    explicit TfrmTest(QWidget *parent = nullptr);
    ~TfrmTest() override;

    void FormCreate();
    void FormDestroy();
    // Fills FWords with the words of list `AType`, in their stored order.
    void LoadData(const QString &AType);
    // Fills FWords with these words, in this order, instead.
    void setWords(const QList<TData> &words);
    // Whoever keeps the results of this test; none by default.
    void setRecorder(TestRecorder *recorder) { m_watch.setRecorder(recorder); }
    TestWatch &watch() { return m_watch; }
    // Presents the word at FCurIndex and plays it.
    void ShowWord();

    void btnCheckClick();
    void edtWordChange();
    void sButton3Click();
    void btnPlayClick();
    void mpNotify();

    // The word on screen, its place in the current pass and the pass's length.
    const TData *currentWord() const { return FWords->object(FCurIndex); }
    int currentIndex() const { return FCurIndex; }
    qsizetype wordCount() const { return FWords->count(); }
    const QString &appPath() const { return FAppPath; }

private:
    // Index in FWords of the word on screen.
    int FCurIndex = 0;
    // The words of the current pass, in asking order, and those missed so far in it, in the order
    // missed. Both refer to the records in m_records; a missed word stands in both.
    std::unique_ptr<StringList<TData>> FWords;
    std::unique_ptr<StringList<TData>> FWrong;
    // The program's folder, ending with a separator; relative sound paths are also looked up there.
    QString FAppPath;

    std::unique_ptr<Ui::TfrmTest> ui;
    std::unique_ptr<Query> qryWord;
    // The records loaded for this window; they live as long as the window.
    std::vector<std::unique_ptr<TData>> m_records;
    TestWatch m_watch;
};

// Runs a test on list ATypeID in a test window at ALeft, ATop, and returns when it has closed. Its
// answers go to `recorder` when one is given.
void ShowSpelldeck(const QString &ATypeID, const QString &ATypeName, int ALeft, int ATop,
                   TestRecorder *recorder = nullptr);
// The same test on the given words, in their order, under the caption's name `ATypeName`.
void ShowSpelldeckWords(const QList<TData> &AWords, const QString &ATypeName, int ALeft, int ATop,
                        TestRecorder *recorder = nullptr);
