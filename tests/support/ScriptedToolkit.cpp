// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScriptedToolkit.h"

ScriptedToolkit::ScriptedToolkit()
{
    Toolkit::setInstance(this);
}

ScriptedToolkit::~ScriptedToolkit()
{
    Toolkit::setInstance(nullptr);
}

QList<ScriptedToolkit::Box> ScriptedToolkit::boxes(Kind kind) const
{
    QList<Box> result;
    for (const Box &box : m_boxes) {
        if (box.kind == kind)
            result << box;
    }
    return result;
}

QStringList ScriptedToolkit::errors() const
{
    QStringList result;
    for (const Box &box : boxes(Error))
        result << box.text;
    return result;
}

void ScriptedToolkit::information(QWidget *owner, const QString &caption, const QString &text)
{
    m_boxes << Box{Information, caption, text, {}, owner};
}

bool ScriptedToolkit::question(QWidget *owner, const QString &caption, const QString &text)
{
    m_boxes << Box{Question, caption, text, {}, owner};
    return m_questions.isEmpty() ? false : m_questions.dequeue();
}

QString ScriptedToolkit::inputText(QWidget *owner, const QString &caption, const QString &prompt,
                                   const QString &initial)
{
    m_boxes << Box{Input, caption, prompt, initial, owner};
    const std::optional<QString> answer = m_inputs.isEmpty() ? std::nullopt : m_inputs.dequeue();
    return answer ? answer->left(kInputTextMaxLength) : initial;
}

std::optional<QString> ScriptedToolkit::openFile(QWidget *owner, const QString &filter, const QString &folder,
                                                 const QString &fileName)
{
    m_boxes << Box{OpenFile, QString(), filter, folder + QLatin1Char('|') + fileName, owner};
    return m_files.isEmpty() ? std::nullopt : m_files.dequeue();
}

QStringList ScriptedToolkit::openFiles(QWidget *owner, const QString &filter, const QString &folder)
{
    m_boxes << Box{OpenFiles, QString(), filter, folder, owner};
    return m_fileLists.isEmpty() ? QStringList() : m_fileLists.dequeue();
}

std::optional<QString> ScriptedToolkit::saveFile(QWidget *owner, const QString &filter, const QString &folder,
                                                 const QString &fileName)
{
    m_boxes << Box{SaveFile, QString(), filter, folder + QLatin1Char('|') + fileName, owner};
    return m_saves.isEmpty() ? std::nullopt : m_saves.dequeue();
}

void ScriptedToolkit::errorBox(QWidget *owner, const QString &caption, const QString &text)
{
    m_boxes << Box{Error, caption, text, {}, owner};
}
