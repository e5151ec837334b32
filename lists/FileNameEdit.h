// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>

class QAction;

// Where the file dialog starts.
struct BrowseStart
{
    QString folder;   // starting folder; empty: the dialog's own choice
    QString fileName; // what the dialog's file-name box is filled with

    friend bool operator==(const BrowseStart &, const BrowseStart &) = default;
};

// The start for a field holding `text`. A text that is not empty and holds none of < > " | * ? decides:
// its folder part (before the last "/") becomes the starting folder when that folder exists, and the
// whole text fills the file-name box unless nothing follows the last "/". Otherwise, and for the folder
// when it does not exist, what `previous` left stands.
BrowseStart browseStart(const QString &text, const BrowseStart &previous);

// An edit field for a file's path with a browse button at its right end; Alt+Down browses as well.
// At most 255 characters can be typed, but a longer path set from code is shown in full, so that
// storing the field again never cuts a path.
class FileNameEdit : public QLineEdit
{
    Q_OBJECT

public:
    static constexpr int kMaxTypedLength = 255;

    explicit FileNameEdit(QWidget *parent = nullptr);

    // The dialog's filter as "Description|pattern".
    void setFilter(const QString &filter) { m_filter = filter; }
    const QString &filter() const { return m_filter; }

    // Use this rather than setText(), which would cut a path longer than may be typed.
    void setFileName(const QString &path);
    QString fileName() const { return text(); }

    // Opens the file dialog; OK puts the chosen file's full path in the field, Cancel leaves it.
    void browse();
    QAction *browseAction() const { return m_browse; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void limitTyping();

    QString m_filter;
    BrowseStart m_last; // left by the previous use of the dialog in this field
    QAction *m_browse;
};
