// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TestDatabase.h"
#include "Widgets.h"
#include "uEditor.h"

#include <QComboBox>

#include <memory>
#include <utility>

// An editor on a new list `name` holding `words` (each its text and sound path, in order), shown, with
// its voices filled in; the new list's id goes to `listId`.
inline std::unique_ptr<TfrmEditor> editorOnNewList(TestDatabase &db, const QString &name,
                                                   const QList<std::pair<QString, QString>> &words,
                                                   QString &listId)
{
    listId = db.addList(name);
    int order = 0;
    for (const auto &[word, sound] : words)
        db.addWord(listId, word, sound, ++order);
    auto editor = TfrmEditor::Create(nullptr, listId, name, false, 100, 50);
    editor->show();
    // The voices come once the window is on screen.
    auto *voices = child<QComboBox>(editor.get(), "cmbVoice");
    if (!QTest::qWaitFor([voices] { return voices->count() > 100; }))
        QTest::qFail("the voices never came", __FILE__, __LINE__);
    return editor;
}
