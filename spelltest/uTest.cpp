// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "uTest.h"
#include "ui_uTest.h"

#include "Application.h"
#include "Catalogue.h"
#include "Dataset.h"
#include "ErrorGuard.h"
#include "Toolkit.h"
#include "uCorrect.h"
#include "uDM.h"

TfrmTest::TfrmTest(QWidget *parent) : ModalForm(parent), ui(std::make_unique<Ui::TfrmTest>())
{
    ui->setupUi(this);
    setFixedClientSize(714, 137);

    // The first in tab order: the learner types at once.
    ui->edtWord->setFocus();

    if (DM)
        qryWord = std::make_unique<Query>(DM->ADOConn);

    connectGuarded(ui->edtWord, &QLineEdit::textChanged, this, &TfrmTest::edtWordChange);
    connectGuarded(ui->btnCheck, &QPushButton::clicked, this, &TfrmTest::btnCheckClick);
    connectGuarded(ui->sButton3, &QPushButton::clicked, this, &TfrmTest::sButton3Click);
    connectGuarded(ui->btnPlay, &QPushButton::clicked, this, &TfrmTest::btnPlayClick);
    // Only the learner's own presses count, not the playing of each word as it is presented.
    connect(ui->btnPlay, &QPushButton::clicked, this, [this] { m_watch.played(); });
    connectGuarded(ui->mp, &TMediaPlayer::OnNotify, this, &TfrmTest::mpNotify);

    guarded([this] { FormCreate(); });
}

TfrmTest::~TfrmTest()
{
    FormDestroy();
}

void TfrmTest::FormCreate()
{
    FWords = std::make_unique<StringList<TData>>();
    FWrong = std::make_unique<StringList<TData>>();
    FAppPath = programFolder();
}

void TfrmTest::FormDestroy()
{
    FWords.reset();
    FWrong.reset();
}

void TfrmTest::LoadData(const QString &AType)
{
    if (!qryWord)
        throw EDatabaseError(tr("The word lists are not open."));
    qryWord->close();
    qryWord->setSQL(Catalogue::ListWords(AType));
    qryWord->open();
    m_records.reserve(m_records.size() + std::size_t(qryWord->recordCount()));
    for (; !qryWord->eof(); qryWord->next()) {
        m_records.push_back(std::make_unique<TData>(dataFromRow(*qryWord)));
        FWords->add(m_records.back()->Name, m_records.back().get());
    }
}

void TfrmTest::setWords(const QList<TData> &words)
{
    m_records.reserve(m_records.size() + std::size_t(words.size()));
    for (const TData &word : words) {
        m_records.push_back(std::make_unique<TData>(word));
        FWords->add(m_records.back()->Name, m_records.back().get());
    }
}

void TfrmTest::ShowWord()
{
    ui->lblState->setText(tr("Word %1 of %2").arg(FCurIndex + 1).arg(FWords->count()));
    ui->lblState->adjustSize();
    // On screen before the sound starts and before anything else can hold up the display.
    ui->lblState->repaint();
    ui->edtWord->clear();
    ui->btnCheck->setEnabled(false);
    m_watch.presented();
    // Every word is heard the moment it is presented, whatever state Play word is in.
    btnPlayClick();
}

void TfrmTest::edtWordChange()
{
    // Any character counts, a blank included.
    ui->btnCheck->setEnabled(!ui->edtWord->text().isEmpty());
}

void TfrmTest::btnCheckClick()
{
    TData *word = FWords->object(FCurIndex);
    const QString typed = ui->edtWord->text();
    // Exact: case, blanks and composed or decomposed letters all count as typed.
    const bool right = word->Name == typed;
    // Kept before the correction shows, so an answer checked is an answer kept.
    m_watch.checked(*word, typed, right);
    if (!right) {
        ShowInCorrect(this, word->Name, typed);
        FWrong->add(word->Name, word);
    }
    ++FCurIndex;
    if (FCurIndex < FWords->count()) {
        ShowWord();
    } else if (FWrong->count() == 0) {
        m_watch.setOutcome(TestOutcome::Finished);
        showMessage(tr("You have finished all your words!\n\rYou didn't miss ANY words at all!"));
        close();
    } else {
        showMessage(tr("You have finished all your words!\n\rYou made %1 errors.").arg(FWrong->count()));
        if (Toolkit::instance().question(this, tr("Spelldeck"),
                                         tr("Do you want to try the ones you missed over again?"))) {
            // The next pass asks exactly the missed words, the same records, in the order missed.
            FWords->clear();
            for (qsizetype i = 0; i < FWrong->count(); ++i)
                FWords->add(FWrong->string(i), FWrong->object(i));
            FWrong->clear();
            FCurIndex = 0;
            m_watch.nextPass();
            ShowWord();
        } else {
            m_watch.setOutcome(TestOutcome::Declined);
            close();
        }
    }
    ui->edtWord->setFocus();
}

void TfrmTest::sButton3Click()
{
    close();
}

void TfrmTest::btnPlayClick()
{
    const TData *word = FWords->object(FCurIndex);
    const QString path = playablePath(word->Sound, FAppPath);
    // Not found at all: the word goes unheard, and whatever still sounds plays on.
    if (path.isEmpty())
        return;
    ui->mp->setNotify(false);
    ui->mp->Close();
    ui->mp->setFileName(path);
    ui->mp->Open();
    ui->mp->Play();
    ui->btnPlay->setEnabled(false);
}

void TfrmTest::mpNotify()
{
    // Only the end of the latest playback gives Play word back; a notification of a sound that a
    // later playback has replaced says nothing about what sounds now.
    if (ui->mp->NotifyRequest() == ui->mp->PlayRequest())
        ui->btnPlay->setEnabled(true);
}

namespace {

// Shows a test window filled by `fill` and returns when it has closed.
template <typename Fill>
void runTest(const QString &ATypeName, int ALeft, int ATop, TestRecorder *recorder, Fill &&fill)
{
    const auto frmTest = std::make_unique<TfrmTest>(Application::mainWindow());
    frmTest->setWindowTitle(TfrmTest::tr("Test spelldeck - %1").arg(captionText(ATypeName)));
    frmTest->move(ALeft, ATop);
    // A new window starts at the first word.
    fill(*frmTest);
    frmTest->setRecorder(recorder);
    frmTest->watch().started();
    // The first word sounds before the window is shown; if it cannot, no window is shown at all.
    frmTest->ShowWord();
    frmTest->exec();
    frmTest->watch().ended();
}

} // namespace

void ShowSpelldeck(const QString &ATypeID, const QString &ATypeName, int ALeft, int ATop,
                   TestRecorder *recorder)
{
    runTest(ATypeName, ALeft, ATop, recorder, [&](TfrmTest &test) { test.LoadData(ATypeID); });
}

void ShowSpelldeckWords(const QList<TData> &AWords, const QString &ATypeName, int ALeft, int ATop,
                        TestRecorder *recorder)
{
    runTest(ATypeName, ALeft, ATop, recorder, [&](TfrmTest &test) { test.setWords(AWords); });
}
