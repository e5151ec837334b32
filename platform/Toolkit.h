// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

// The modal boxes every window relies on. Tests replace the instance with a scripted one.
class Toolkit
{
public:
    virtual ~Toolkit() = default;

    // Modal box with a caption, the text, no icon and one OK button.
    virtual void information(QWidget *owner, const QString &caption, const QString &text) = 0;
    // Modal box with the question icon and Yes / No. True only for Yes.
    virtual bool question(QWidget *owner, const QString &caption, const QString &text) = 0;
    // One edit field holding `initial`, all of it selected, at most 255 characters. OK returns the
    // edited text; Cancel, Escape or closing return `initial` unchanged.
    virtual QString inputText(QWidget *owner, const QString &caption, const QString &prompt,
                              const QString &initial) = 0;
    // `filter` is given as "Description|pattern" pairs joined by "|". Returns the chosen file's full
    // path, or nothing on Cancel.
    virtual std::optional<QString> openFile(QWidget *owner, const QString &filter, const QString &folder,
                                            const QString &fileName) = 0;
    // Several existing files at once; their full paths, none on Cancel.
    virtual QStringList openFiles(QWidget *owner, const QString &filter, const QString &folder) = 0;
    // A file to write, `fileName` proposed; an existing one is replaced only once the user agreed.
    // The chosen file's full path, or nothing on Cancel.
    virtual std::optional<QString> saveFile(QWidget *owner, const QString &filter, const QString &folder,
                                            const QString &fileName) = 0;
    // The top-level error report: error icon, one OK button.
    virtual void errorBox(QWidget *owner, const QString &caption, const QString &text) = 0;

    static Toolkit &instance();
    // Replaces the boxes (tests); nullptr goes back to the real ones. Does not take ownership.
    static void setInstance(Toolkit *toolkit);
};

// The real boxes, on Qt's dialogs.
class QtToolkit : public Toolkit
{
public:
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

    // "Description|pattern|..." as Qt's name filters.
    static QStringList nameFilters(const QString &filter);
};

inline constexpr int kInputTextMaxLength = 255;

// A user's text as it must be given to setWindowTitle, which would take "[*]" for its
// modified-document marker.
QString captionText(const QString &text);

// Information message captioned with the application title, owned by the active window.
void showMessage(const QString &text);

// Full path of the program's executable.
QString programFile();
// The application title, which captions the error report and the information messages: the
// executable's file name cut before its first dot, first character kept, the rest lower case.
QString applicationTitle();
QString titleFor(const QString &programFile);
// Whether a file (not a folder) exists at path; a relative path is taken against the current directory.
bool fileExists(const QString &path);

// The program's folder, ending with a separator.
QString programFolder();
// Where a word's sound file is found: SoundPath::playable (core/SoundPath.h), which the exporter
// shares.
QString playablePath(const QString &stored, const QString &programFolder);
