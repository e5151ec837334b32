#include "uEditor.h"
#include "ui_uEditor.h"

#include "Application.h"
#include "Catalogue.h"
#include "ErrorGuard.h"
#include "Exceptions.h"
#include "ListEntries.h"
#include "Toolkit.h"
#include "uDM.h"

#include <QSignalBlocker>

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

} // namespace

TfrmEditor::TfrmEditor(QWidget *parent)
    : ModalForm(parent), ui(std::make_unique<Ui::TfrmEditor>()), qryWord(DM->ADOConn)
{
    ui->setupUi(this);
    setFixedClientSize(630, 362);
    ui->sLabel1->adjustSize();
    ui->Label1->adjustSize();
    ui->Label2->adjustSize();
    setRowHeight(ui->lstWord, 16);
    ui->edtSound->setFilter(tr("MP3 File(*.mp3)|*.mp3"));

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
}

TfrmEditor::~TfrmEditor() = default;

std::unique_ptr<TfrmEditor> TfrmEditor::Create(QWidget *parent, const QString &ATypeID,
                                               const QString &ATypeName, bool ANew, int ALeft, int ATop)
{
    auto frmEditor = std::make_unique<TfrmEditor>(parent);
    frmEditor->move(ALeft, ATop);
    frmEditor->FTypeID = ATypeID;
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
    }
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
    ui->lstWord->setEnabled(false);
    FCurData = nullptr;
    ui->edtWord->setFocus(Qt::OtherFocusReason);
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
}

void TfrmEditor::btnSaveClick()
{
    const QString name = ui->edtWord->text();
    const QString sound = ui->edtSound->fileName();
    if (TData *data = FCurData) {
        DM->qry.close();
        DM->qry.setSQL(Catalogue::UpdateWord(name, sound, data->ID));
        DM->qry.execSQL();
        data->Name = name;
        data->Sound = sound;
        if (const int row = rowOf(data); row >= 0)
            ui->lstWord->item(row)->setText(name);
    } else {
        const int count = ui->lstWord->count();
        const qint32 order = count + 1;
        DM->qry.close();
        DM->qry.setSQL(Catalogue::InsertWord(name, sound, FTypeID, order));
        DM->qry.execSQL();
        // The row this insert created, whatever positions the list's other words hold.
        const qint64 id = DM->qry.lastInsertId();
        if (id <= 0)
            throw EDatabaseError(tr("The new word's identifier could not be read back"));
        auto added = std::make_unique<TData>();
        added->ID = QString::number(id);
        added->Name = name;
        added->Sound = sound;
        added->Order = order;
        FWords.push_back(std::move(added));
        appendEntry(FWords.back().get());
        selectRow(count);
        lstWordClick();
    }
    btnCancelClick();
}

void TfrmEditor::btnCancelClick()
{
    ui->lstWord->setEnabled(true);
    ui->btnAdd->setEnabled(true);
    ui->btnEdit->setEnabled(selectedRow() >= 0);
    ui->btnSave->setEnabled(false);
    ui->btnCancel->setEnabled(false);
    ui->edtWord->setEnabled(false);
    ui->edtSound->setEnabled(false);
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
    {
        Transaction transaction(DM->ADOConn);
        qryWord.close();
        qryWord.setSQL(Catalogue::SetWordOrder(b->Order, a->ID));
        qryWord.execSQL();
        qryWord.close();
        qryWord.setSQL(Catalogue::SetWordOrder(a->Order, b->ID));
        qryWord.execSQL();
        transaction.commit();
    }
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
