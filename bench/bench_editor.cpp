// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The word-list editor on a list of 10,000 words: opening, Save, Remove and a move.
#include "Bench.h"

#include "QuietToolkit.h"
#include "uDM.h"
#include "uEditor.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <memory>

int main(int argc, char **argv)
{
    useHeadlessDevices();
    QApplication app(argc, argv);
    QuietToolkit toolkit;
    Toolkit::setInstance(&toolkit);
    BenchDatabase data;
    TDM dm;

    measure(QStringLiteral("editor opened on 10,000 words and shown"), 20, [&] {
        const auto editor = TfrmEditor::Create(nullptr, data.bigListId, QStringLiteral("Big"), false, 0, 0);
        editor->show();
        QApplication::processEvents();
    });

    const auto editor = TfrmEditor::Create(nullptr, data.bigListId, QStringLiteral("Big"), false, 0, 0);
    editor->show();
    QApplication::processEvents();
    auto *list = editor->findChild<QListWidget *>(QStringLiteral("lstWord"));
    auto *word = editor->findChild<QLineEdit *>(QStringLiteral("edtWord"));
    auto *up = editor->findChild<QPushButton *>(QStringLiteral("btnUp"));
    auto *down = editor->findChild<QPushButton *>(QStringLiteral("btnDown"));

    measure(
        QStringLiteral("Save of a new word (list of 10,000)"), 50, [&] { editor->btnSaveClick(); },
        [&] {
            editor->btnAddClick();
            word->setText(QStringLiteral("added"));
        });
    int row = 100;
    measure(
        QStringLiteral("Save of a changed word (list of 10,000)"), 50, [&] { editor->btnSaveClick(); },
        [&] {
            list->setCurrentRow(row += 97);
            editor->btnEditClick();
            word->setText(QStringLiteral("changed"));
        });
    row = 5000;
    measure(
        QStringLiteral("Remove (list of 10,000)"), 50, [&] { editor->btnRemoveClick(); },
        [&] { list->setCurrentRow(row += 13); });
    list->setCurrentRow(5000);
    int step = 0;
    measure(QStringLiteral("a move, both positions in one transaction"), 50,
            [&] { emit(step++ % 2 ? down : up)->clicked(); });
    Toolkit::setInstance(nullptr);
    return 0;
}
