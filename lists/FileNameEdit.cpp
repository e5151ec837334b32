// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FileNameEdit.h"

#include "ErrorGuard.h"
#include "Toolkit.h"

#include <QAction>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStyle>

#include <algorithm>

BrowseStart browseStart(const QString &text, const BrowseStart &previous)
{
    static const QString refused = QStringLiteral("<>\"|*?");
    if (text.isEmpty() ||
        std::any_of(text.cbegin(), text.cend(), [](QChar c) { return refused.contains(c); }))
        return previous;

    BrowseStart start = previous;
    const qsizetype slash = text.lastIndexOf(QLatin1Char('/'));
    if (slash >= 0) {
        const QString folder = slash == 0 ? QStringLiteral("/") : text.left(slash);
        if (QFileInfo(folder).isDir())
            start.folder = folder;
    }
    start.fileName = slash == text.size() - 1 ? QString() : text;
    return start;
}

FileNameEdit::FileNameEdit(QWidget *parent) : QLineEdit(parent)
{
    setMaxLength(kMaxTypedLength);
    setAcceptDrops(false);
    m_browse = addAction(style()->standardIcon(QStyle::SP_DirOpenIcon), QLineEdit::TrailingPosition);
    m_browse->setToolTip(tr("Browse (Alt+Down)"));
    connectGuarded(m_browse, &QAction::triggered, this, &FileNameEdit::browse);
    connectGuarded(this, &QLineEdit::textEdited, this, &FileNameEdit::limitTyping);
}

void FileNameEdit::limitTyping()
{
    // The limit applies to typing only: once a longer path has been shortened, it comes down with it.
    setMaxLength(int(std::max<qsizetype>(kMaxTypedLength, text().size())));
}

void FileNameEdit::setFileName(const QString &path)
{
    setMaxLength(int(std::max<qsizetype>(kMaxTypedLength, path.size())));
    setText(path);
}

void FileNameEdit::browse()
{
    m_last = browseStart(text(), m_last);
    const std::optional<QString> chosen =
        Toolkit::instance().openFile(window(), m_filter, m_last.folder, m_last.fileName);
    if (chosen) {
        m_last = {QFileInfo(*chosen).absolutePath(), *chosen};
        setFileName(*chosen);
    }
    setFocus(Qt::OtherFocusReason);
}

void FileNameEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Down && (event->modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier) {
        event->accept();
        guarded([this] { browse(); });
        return;
    }
    QLineEdit::keyPressEvent(event);
}
