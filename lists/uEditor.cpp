// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "uEditor.h"
#include "ui_uEditor.h"

#include "Application.h"
#include "Catalogue.h"
#include "ErrorGuard.h"
#include "Exceptions.h"
#include "ListEntries.h"
#include "PackageWriter.h"
#include "ProgressWindow.h"
#include "RecordingFiles.h"
#include "Recordings.h"
#include "Schema.h"
#include "Sentences.h"
#include "SharedLists.h"
#include "SoundPath.h"
#include "Speech.h"
#include "Synthesizer.h"
#include "Toolkit.h"
#include "uAddMany.h"
#include "uDM.h"
#include "uRecord.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QStyle>
#include <QTimer>

#include <algorithm>

namespace {

TData *recordOf(const QListWidgetItem *item)
{
    return entryRecord<TData>(item);
}

void setEntry(QListWidgetItem *item, TData *data)
{
    item->setText(data->Name);
    setEntryRecord(item, data);
}

const QString kVoiceSetting = QStringLiteral("recording/voice");

} // namespace

TfrmEditor::TfrmEditor(QWidget *parent)
    : ModalForm(parent), ui(std::make_unique<Ui::TfrmEditor>()), qryWord(DM->ADOConn)
{
    ui->setupUi(this);
    setFixedClientSize(630, 362);
    ui->sLabel1->adjustSize();
    ui->Label1->adjustSize();
    ui->Label2->adjustSize();
    setRowHeight(
        ui->lstWord, 16,
        [](const void *record) {
            // A word whose recording cannot be found is marked; its text stays as it is.
            return !SoundPath::present(static_cast<const TData *>(record)->Sound, programFolder());
        },
        style()->standardIcon(QStyle::SP_MessageBoxWarning), tr("No recording found"));
    ui->edtSound->setFilter(tr("MP3 File(*.mp3)|*.mp3"));
    ui->lblVoice->adjustSize();
    ui->lblSentence->adjustSize();
    m_sentence = std::make_unique<SentenceField>(ui->edtSentence);

    // Only the user's changes of the selection reach the handler: the program's own changes run
    // with the list's signals blocked.
    connectGuarded(ui->lstWord, &QListWidget::itemSelectionChanged, this, &TfrmEditor::lstWordClick);
    connectGuarded(ui->btnAdd, &QPushButton::clicked, this, &TfrmEditor::btnAddClick);
    connectGuarded(ui->btnEdit, &QPushButton::clicked, this, &TfrmEditor::btnEditClick);
    connectGuarded(ui->btnSave, &QPushButton::clicked, this, &TfrmEditor::btnSaveClick);
    connectGuarded(ui->btnCancel, &QPushButton::clicked, this, &TfrmEditor::btnCancelClick);
    connectGuarded(ui->btnUp, &QPushButton::clicked, this, &TfrmEditor::btnUpClick);
    connectGuarded(ui->btnDown, &QPushButton::clicked, this, &TfrmEditor::btnUpClick);
    connectGuarded(ui->btnRemove, &QPushButton::clicked, this, &TfrmEditor::btnRemoveClick);

    connectGuarded(ui->btnSpeak, &QPushButton::clicked, this, &TfrmEditor::btnSpeakClick);
    connectGuarded(ui->btnRecord, &QPushButton::clicked, this, &TfrmEditor::btnRecordClick);
    connectGuarded(ui->btnListen, &QPushButton::clicked, this, &TfrmEditor::btnListenClick);
    connectGuarded(ui->cmbVoice, &QComboBox::activated, this, &TfrmEditor::cmbVoiceChange);
    connectGuarded(ui->btnAddMany, &QPushButton::clicked, this, &TfrmEditor::btnAddManyClick);
    connectGuarded(ui->btnExport, &QPushButton::clicked, this, &TfrmEditor::btnExportClick);
    connectGuarded(ui->edtWord, &QLineEdit::textChanged, this, &TfrmEditor::updateRecordingControls);
    connectGuarded(ui->edtSound, &QLineEdit::textChanged, this, &TfrmEditor::updateRecordingControls);
    updateRecordingControls();
}

TfrmEditor::~TfrmEditor()
{
    settleMadeRecording(QString());
}

std::unique_ptr<TfrmEditor> TfrmEditor::Create(QWidget *parent, const QString &ATypeID,
                                               const QString &ATypeName, bool ANew, int ALeft, int ATop)
{
    auto frmEditor = std::make_unique<TfrmEditor>(parent);
    frmEditor->move(ALeft, ATop);
    frmEditor->FTypeID = ATypeID;
    frmEditor->m_listName = ATypeName;
    const QString name = captionText(ATypeName);
    if (ANew) {
        frmEditor->setWindowTitle(tr("Creating spelldeck: ") + name);
    } else {
        frmEditor->setWindowTitle(tr("Editing spelldeck: ") + name);
        frmEditor->LoadWord();
    }
    return frmEditor;
}

void ShowWord(const QString &ATypeID, const QString &ATypeName, bool ANew, int ALeft, int ATop)
{
    const std::unique_ptr<TfrmEditor> frmEditor =
        TfrmEditor::Create(Application::mainWindow(), ATypeID, ATypeName, ANew, ALeft, ATop);
    frmEditor->exec();
}

void TfrmEditor::LoadWord()
{
    qryWord.close();
    qryWord.setSQL(Catalogue::ListWords(FTypeID));
    qryWord.open();
    FWords.reserve(FWords.size() + std::size_t(qryWord.recordCount()));
    QStringList names;
    QList<TData *> records;
    names.reserve(qryWord.recordCount());
    records.reserve(qryWord.recordCount());
    while (!qryWord.eof()) {
        // Positions are the rows' places in the result, whatever values are stored.
        FWords.push_back(std::make_unique<TData>(dataFromRow(qryWord)));
        names << FWords.back()->Name;
        records << FWords.back().get();
        qryWord.next();
    }
    if (const QHash<QString, QString> sentences = Sentences::ofList(DM->ADOConn, FTypeID);
        !sentences.isEmpty()) {
        for (TData *record : std::as_const(records))
            record->Sentence = sentences.value(record->ID);
    }
    appendEntries(ui->lstWord, names, records);
}

TData *TfrmEditor::GetCurData() const
{
    const int row = selectedRow();
    return row < 0 ? nullptr : recordOf(ui->lstWord->item(row));
}

int TfrmEditor::selectedRow() const
{
    const QModelIndexList selected = ui->lstWord->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.constFirst().row();
}

int TfrmEditor::rowOf(const TData *data) const
{
    // The word being changed is the selected one; the search is only a safety net.
    if (const int selected = selectedRow(); selected >= 0 && recordOf(ui->lstWord->item(selected)) == data)
        return selected;
    for (int row = 0; row < ui->lstWord->count(); ++row) {
        if (recordOf(ui->lstWord->item(row)) == data)
            return row;
    }
    return -1;
}

void TfrmEditor::selectRow(int row)
{
    const QSignalBlocker programChange(ui->lstWord);
    if (row < 0)
        ui->lstWord->clearSelection();
    else
        ui->lstWord->setCurrentRow(row);
}

void TfrmEditor::appendEntry(TData *data)
{
    auto *item = new QListWidgetItem;
    setEntry(item, data);
    ui->lstWord->addItem(item);
}

void TfrmEditor::release(TData *data)
{
    const auto found =
        std::find_if(FWords.begin(), FWords.end(), [data](const auto &owned) { return owned.get() == data; });
    if (found != FWords.end())
        FWords.erase(found);
}

void TfrmEditor::lstWordClick()
{
    const int row = selectedRow();
    const int count = ui->lstWord->count();
    ui->btnUp->setEnabled(row > 0);
    ui->btnDown->setEnabled(row >= 0 && row < count - 1);
    ui->btnRemove->setEnabled(row >= 0);
    ui->btnEdit->setEnabled(row >= 0);
    if (const TData *data = GetCurData()) {
        ui->edtWord->setText(data->Name);
        ui->edtSound->setFileName(data->Sound);
        m_sentence->show(data);
    }
    updateRecordingControls();
}

void TfrmEditor::btnAddClick()
{
    ui->btnSave->setEnabled(true);
    ui->btnCancel->setEnabled(true);
    ui->btnAdd->setEnabled(false);
    ui->btnEdit->setEnabled(false);
    ui->edtWord->setEnabled(true);
    ui->edtWord->clear();
    ui->edtSound->setEnabled(true);
    ui->edtSound->setFileName(QString());
    m_sentence->begin(nullptr);
    ui->lstWord->setEnabled(false);
    FCurData = nullptr;
    ui->edtWord->setFocus(Qt::OtherFocusReason);
    updateRecordingControls();
}

void TfrmEditor::btnEditClick()
{
    TData *data = GetCurData();
    // Run from code with no row selected there is nothing to change.
    if (!data)
        return;
    ui->btnSave->setEnabled(true);
    ui->btnCancel->setEnabled(true);
    ui->btnAdd->setEnabled(false);
    ui->btnEdit->setEnabled(false);
    ui->edtWord->setEnabled(true);
    ui->edtSound->setEnabled(true);
    ui->lstWord->setEnabled(false);
    FCurData = data;
    ui->edtWord->setText(data->Name);
    ui->edtSound->setFileName(data->Sound);
    m_sentence->begin(data);
    updateRecordingControls();
}

void TfrmEditor::btnSaveClick()
{
    const QString name = ui->edtWord->text();
    const QString typed = ui->edtSound->fileName();
    const QString sentence = m_sentence->text();
    m_sentence->prepare(DM->ADOConn);
    TData *data = FCurData;
    qint32 order = 0; // a new word's, taken with the list in hand
    QString sound;
    qint64 id = 0;
    // The word, its recording and its sentence are stored together or not at all; a server that
    // gave the change up for another computer's is asked again.
    retryingConflicts([&] {
        Transaction transaction(DM->ADOConn);
        sound = Recordings::stored(DM->ADOConn, typed);
        if (!data)
            order = SharedLists::nextPosition(DM->ADOConn, FTypeID, ui->lstWord->count());
        DM->qry.close();
        DM->qry.setSQL(data ? Catalogue::UpdateWord(name, sound, data->ID)
                            : Catalogue::InsertWord(name, sound, FTypeID, order));
        DM->qry.execSQL();
        // The row this insert created, whatever positions the list's other words hold.
        id = data ? 0 : DM->qry.lastInsertId();
        if (!data && id <= 0)
            throw EDatabaseError(tr("The new word's identifier could not be read back"));
        m_sentence->store(DM->ADOConn, data ? data->ID : QString::number(id));
        transaction.commit();
    });
    settleMadeRecording(typed);
    if (data) {
        data->Name = name;
        data->Sound = sound;
        data->Sentence = sentence;
        if (const int row = rowOf(data); row >= 0)
            ui->lstWord->item(row)->setText(name);
    } else {
        auto added = std::make_unique<TData>();
        added->ID = QString::number(id);
        added->Name = name;
        added->Sound = sound;
        added->Order = order;
        added->Sentence = sentence;
        FWords.push_back(std::move(added));
        appendEntry(FWords.back().get());
        selectRow(ui->lstWord->count() - 1);
        lstWordClick();
    }
    // A changed recording may change the word's mark.
    ui->lstWord->viewport()->update();
    btnCancelClick();
}

void TfrmEditor::btnCancelClick()
{
    // What was made for the change and not saved with it goes with the change.
    settleMadeRecording(QString());
    ui->lstWord->setEnabled(true);
    ui->btnAdd->setEnabled(true);
    ui->btnEdit->setEnabled(selectedRow() >= 0);
    ui->btnSave->setEnabled(false);
    ui->btnCancel->setEnabled(false);
    ui->edtWord->setEnabled(false);
    ui->edtSound->setEnabled(false);
    m_sentence->end(GetCurData());
    updateRecordingControls();
}

void TfrmEditor::btnUpClick()
{
    const QObject *button = sender();
    const int direction = button ? button->property("Tag").toInt() : 0;
    if (direction != 0)
        moveBy(direction);
}

void TfrmEditor::moveBy(int direction)
{
    const int row = selectedRow();
    if (row < 0)
        throw EListError(row);
    const int neighbour = row + direction;
    if (neighbour < 0 || neighbour >= ui->lstWord->count())
        throw EListError(neighbour);
    QListWidgetItem *moved = ui->lstWord->item(row);
    QListWidgetItem *other = ui->lstWord->item(neighbour);
    TData *a = recordOf(moved);
    TData *b = recordOf(other);

    // Both positions or neither: the list must never show an order the database does not hold.
    retryingConflicts([&] {
        Transaction transaction(DM->ADOConn);
        qryWord.close();
        qryWord.setSQL(Catalogue::SetWordOrder(b->Order, a->ID));
        qryWord.execSQL();
        qryWord.close();
        qryWord.setSQL(Catalogue::SetWordOrder(a->Order, b->ID));
        qryWord.execSQL();
        transaction.commit();
    });
    std::swap(a->Order, b->Order);
    setEntry(moved, b);
    setEntry(other, a);
    selectRow(neighbour);
    lstWordClick();
}

void TfrmEditor::btnRemoveClick()
{
    TData *data = GetCurData();
    // Run from code with no row selected there is nothing to remove.
    if (!data)
        return;
    if (!Toolkit::instance().question(this, tr("Confirm Deletion"),
                                      tr("Are you sure you wish to permanently delete this word?")))
        return;
    qryWord.close();
    qryWord.setSQL(Catalogue::DeleteWord(data->ID));
    qryWord.execSQL();
    {
        const QSignalBlocker programChange(ui->lstWord);
        delete ui->lstWord->takeItem(selectedRow());
    }
    selectRow(-1);
    lstWordClick();
    // The word being changed is gone: there is nothing left to save it to.
    if (data == FCurData) {
        FCurData = nullptr;
        btnCancelClick();
    }
    release(data);
}

// --- Recordings -----------------------------------------------------------------------------------

void TfrmEditor::showEvent(QShowEvent *event)
{
    ModalForm::showEvent(event);
    // The voices come from the speech engine, which is loaded the first time it is needed: once the
    // window is on screen, not before.
    if (!m_voicesFilled) {
        m_voicesFilled = true;
        QTimer::singleShot(0, this, [this] { guarded([this] { fillVoices(); }); });
    }
}

void TfrmEditor::closeEvent(QCloseEvent *event)
{
    settleMadeRecording(QString());
    ModalForm::closeEvent(event);
}

void TfrmEditor::fillVoices()
{
    Synthesizer &synthesizer = Synthesizer::instance();
    if (!synthesizer.available()) {
        const QString why = synthesizer.unavailableReason();
        ui->cmbVoice->setToolTip(why);
        ui->btnSpeak->setToolTip(why);
        updateRecordingControls();
        return;
    }
    // A choice stored before (any engine's name) is kept when it is still offered; an English voice of
    // espeak-ng stored before Flite spoke English gives way to the clearer default.
    const QString remembered = QSettings().value(kVoiceSetting).toString();
    const QString fallback = synthesizer.defaultVoice(QLocale());
    const QSignalBlocker filling(ui->cmbVoice);
    ui->cmbVoice->clear();
    const QString noFlite = synthesizer.englishUnavailableReason();
    if (!noFlite.isEmpty()) {
        // Said once, where the clearer English voices would be; it cannot be chosen.
        ui->cmbVoice->addItem(tr("Clearer English voices are not installed (Flite)"));
        if (auto *model = qobject_cast<QStandardItemModel *>(ui->cmbVoice->model())) {
            model->item(0)->setEnabled(false);
            model->item(0)->setToolTip(noFlite);
        }
    }
    for (const Voice &voice : synthesizer.voices())
        ui->cmbVoice->addItem(voice.label(), voice.name);
    // The list opens as wide as its longest entry, whatever the language.
    QAbstractItemView *view = ui->cmbVoice->view();
    view->setMinimumWidth(view->sizeHintForColumn(0) + view->verticalScrollBar()->sizeHint().width() + 8);
    const int index = remembered.isEmpty() ? -1 : ui->cmbVoice->findData(remembered);
    ui->cmbVoice->setCurrentIndex(index >= 0 ? index : ui->cmbVoice->findData(fallback));
    updateRecordingControls();
}

QString TfrmEditor::voice() const
{
    return ui->cmbVoice->currentData().toString();
}

void TfrmEditor::cmbVoiceChange()
{
    // Remembered between runs.
    QSettings().setValue(kVoiceSetting, voice());
}

void TfrmEditor::updateRecordingControls()
{
    const bool changing = ui->edtWord->isEnabled();
    const bool voices = !voice().isEmpty();
    ui->cmbVoice->setEnabled(voices);
    ui->btnSpeak->setEnabled(changing && voices && !ui->edtWord->text().isEmpty());
    ui->btnRecord->setEnabled(changing);
    // Many words come, and the list goes, only while no single word is being added or changed; an
    // empty list has nothing to go.
    ui->btnAddMany->setEnabled(!changing);
    ui->btnExport->setEnabled(!changing && ui->lstWord->count() > 0);
    const TData *selected = changing ? nullptr : GetCurData();
    ui->btnListen->setEnabled(changing ? !ui->edtSound->fileName().isEmpty()
                                       : selected && !selected->Sound.isEmpty());
}

void TfrmEditor::useMadeRecording(const QString &path)
{
    if (m_madeRecording != path)
        RecordingFiles::discard(m_madeRecording);
    m_madeRecording = path;
    ui->edtSound->setFileName(path);
}

void TfrmEditor::settleMadeRecording(const QString &saved)
{
    if (m_madeRecording.isEmpty())
        return;
    if (m_madeRecording != saved)
        RecordingFiles::discard(m_madeRecording);
    m_madeRecording.clear();
}

void TfrmEditor::btnSpeakClick()
{
    const QString word = ui->edtWord->text();
    // Run from code while no word is being added or changed, there is nowhere to put a recording.
    if (!ui->edtWord->isEnabled() || word.isEmpty())
        return;
    useMadeRecording(speakToFile(word, voice(), Schema::soundFolder(), m_sentence->text()));
}

void TfrmEditor::btnRecordClick()
{
    if (!ui->edtWord->isEnabled())
        return;
    if (const std::optional<QString> path = ShowRecord(this, ui->edtWord->text(), Schema::soundFolder()))
        useMadeRecording(*path);
}

void TfrmEditor::btnListenClick()
{
    const TData *selected = GetCurData();
    const QString stored =
        ui->edtWord->isEnabled() ? ui->edtSound->fileName() : (selected ? selected->Sound : QString());
    if (stored.isEmpty())
        return;
    // The same rule and player as the test window.
    const QString path = playablePath(stored, programFolder());
    if (path.isEmpty())
        throw Exception(tr("No recording was found at \"%1\".").arg(stored));
    ui->mp->setNotify(false);
    ui->mp->Close();
    ui->mp->setFileName(path);
    ui->mp->Open();
    ui->mp->Play();
}

// --- Many words -----------------------------------------------------------------------------------

void TfrmEditor::btnAddManyClick()
{
    if (ui->edtWord->isEnabled())
        return;
    const QList<TData> added = ShowAddMany(this, FTypeID, voice());
    if (added.isEmpty())
        return;
    // Stored after the last word: the list shows them there, numbered on from it.
    QStringList names;
    QList<TData *> records;
    for (const TData &word : added) {
        FWords.push_back(std::make_unique<TData>(word));
        FWords.back()->Order = ui->lstWord->count() + int(records.size()) + 1;
        names << word.Name;
        records << FWords.back().get();
    }
    appendEntries(ui->lstWord, names, records);
    lstWordClick();
}

void TfrmEditor::btnExportClick()
{
    if (ui->edtWord->isEnabled())
        return;
    QString name = m_listName;
    name.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|]")), QStringLiteral("_"));
    const std::optional<QString> chosen =
        Toolkit::instance().saveFile(this, tr("Spelldeck lists|*.spelldeck"),
                                     QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                                     (name.isEmpty() ? tr("list") : name) + QStringLiteral(".spelldeck"));
    if (!chosen)
        return;
    QString file = *chosen;
    if (QFileInfo(file).suffix().isEmpty())
        file += QStringLiteral(".spelldeck");
    // The words in the order the list shows them.
    QList<TData> words;
    for (int row = 0; row < ui->lstWord->count(); ++row)
        words << *recordOf(ui->lstWord->item(row));
    Exchange::ExportResult result;
    runInForeground(this, tr("Exporting the list..."),
                    [&](const ProgressReport &report, const std::atomic_bool &cancelled) {
                        result = Exchange::writePackage(file, m_listName, words, programFolder(),
                                                        Exchange::Progress(report, &cancelled));
                    });
    if (result.withoutRecording == 0)
        showMessage(tr("%1 words were exported to \"%2\".").arg(result.words).arg(file));
    else
        showMessage(
            tr("%1 words were exported to \"%2\"; %3 of them without a recording, since none was found.")
                .arg(result.words)
                .arg(file)
                .arg(result.withoutRecording));
}
