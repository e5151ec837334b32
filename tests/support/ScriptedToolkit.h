// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Toolkit.h"

#include <QList>
#include <QPointer>
#include <QQueue>
#include <QString>
#include <QWidget>

#include <optional>

// Answers the modal boxes from a script and records every box shown. Installed for its lifetime.
class ScriptedToolkit : public Toolkit
{
public:
    enum Kind
    {
        Information,
        Question,
        Input,
        OpenFile,
        OpenFiles,
        SaveFile,
        Error
    };

    struct Box
    {
        Kind kind;
        QString caption;
        QString text;    // the prompt of an input box; the filter of a file dialog
        QString initial; // input box: the initial text; file dialog: folder + "|" + file name
        QPointer<QWidget> owner;
    };

    ScriptedToolkit();
    ~ScriptedToolkit() override;

    // Answers, consumed in order. Without a queued answer a question is answered No, an input box
    // is cancelled (its initial text comes back) and a file dialog is cancelled.
    void answerQuestion(bool yes) { m_questions.enqueue(yes); }
    void answerInput(std::optional<QString> text) { m_inputs.enqueue(std::move(text)); }
    void answerOpenFile(std::optional<QString> path) { m_files.enqueue(std::move(path)); }
    void answerOpenFiles(QStringList paths) { m_fileLists.enqueue(std::move(paths)); }
    void answerSaveFile(std::optional<QString> path) { m_saves.enqueue(std::move(path)); }

    const QList<Box> &boxes() const { return m_boxes; }
    QList<Box> boxes(Kind kind) const;
    // Texts of the error reports shown so far.
    QStringList errors() const;
    void clear() { m_boxes.clear(); }

    void information(QWidget *owner, const QString &caption, const QString &text) override;
    bool question(QWidget *owner, const QString &caption, const QString &text) override;
    QString inputText(QWidget *owner, const QString &caption, const QString &prompt,
                      const QString &initial) override;
    std::optional<QString> openFile(QWidget *owner, const QString &filter, const QString &folder,
                                    const QString &fileName) override;
    QStringList openFiles(QWidget *owner, const QString &filter, const QString &folder) override;
    std::optional<QString> saveFile(QWidget *owner, const QString &filter, const QString &folder,
                                    const QString &fileName) override;
    void errorBox(QWidget *owner, const QString &caption, const QString &text) override;

private:
    QList<Box> m_boxes;
    QQueue<bool> m_questions;
    QQueue<std::optional<QString>> m_inputs;
    QQueue<std::optional<QString>> m_files;
    QQueue<QStringList> m_fileLists;
    QQueue<std::optional<QString>> m_saves;
};
