#pragma once

#include "Dataset.h"
#include "ModalForm.h"
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

private:
    void LoadWord();
    TData *GetCurData() const;

    int selectedRow() const;
    int rowOf(const TData *data) const;
    void selectRow(int row);
    void appendEntry(TData *data);
    void moveBy(int direction);
    void release(TData *data);

    std::unique_ptr<Ui::TfrmEditor> ui;
    Query qryWord;
    QString FTypeID;
    TData *FCurData = nullptr;                  // the word being changed; none while a new one is added
    std::vector<std::unique_ptr<TData>> FWords; // every record the list's entries refer to
};

// Opens the editor on a list, owned by the main window, and returns when it has closed.
void ShowWord(const QString &ATypeID, const QString &ATypeName, bool ANew, int ALeft, int ATop);
