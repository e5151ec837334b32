// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Toolkit.h"

#include "SoundPath.h"
#include "WindowRules.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace {

Toolkit *g_override = nullptr;

QWidget *ownerOrActive(QWidget *owner)
{
    return owner ? owner : QApplication::activeWindow();
}

void showBox(QWidget *owner, QMessageBox::Icon icon, const QString &caption, const QString &text)
{
    QMessageBox box(icon, caption, text, QMessageBox::Ok, ownerOrActive(owner));
    box.setWindowModality(Qt::ApplicationModal);
    box.setTextFormat(Qt::PlainText);
    runModal(&box);
}

} // namespace

Toolkit &Toolkit::instance()
{
    static QtToolkit real;
    return g_override ? *g_override : real;
}

void Toolkit::setInstance(Toolkit *toolkit)
{
    g_override = toolkit;
}

void QtToolkit::information(QWidget *owner, const QString &caption, const QString &text)
{
    showBox(owner, QMessageBox::NoIcon, caption, text);
}

void QtToolkit::errorBox(QWidget *owner, const QString &caption, const QString &text)
{
    showBox(owner, QMessageBox::Critical, caption, text);
}

bool QtToolkit::question(QWidget *owner, const QString &caption, const QString &text)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                    ownerOrActive(owner));
    box.setWindowModality(Qt::ApplicationModal);
    box.setTextFormat(Qt::PlainText);
    return runModal(&box) == QMessageBox::Yes;
}

QString QtToolkit::inputText(QWidget *owner, const QString &caption, const QString &prompt,
                             const QString &initial)
{
    QInputDialog dialog(ownerOrActive(owner));
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setWindowTitle(caption);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setLabelText(prompt);
    dialog.setTextValue(initial);
    if (auto *edit = dialog.findChild<QLineEdit *>()) {
        edit->setMaxLength(kInputTextMaxLength);
        edit->setText(initial.left(kInputTextMaxLength));
        edit->selectAll();
    }
    dialog.adjustSize();
    dialog.move(centredIn(workArea(), dialog.size()));
    if (runModal(&dialog) != QDialog::Accepted)
        return initial;
    return dialog.textValue();
}

QStringList QtToolkit::nameFilters(const QString &filter)
{
    QStringList result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString &name = parts.at(i);
        const QString patterns = QString(parts.at(i + 1)).replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt takes the patterns from the parenthesised part of an entry; when the description
        // already shows them, it is used as it stands.
        if (name.contains(QLatin1Char('(') + patterns + QLatin1Char(')')))
            result << name;
        else
            result << name + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return result;
}

namespace {

// Runs a file dialog over `owner` and gives the files chosen, absolute; none when it was cancelled.
QStringList chooseFiles(QWidget *owner, QFileDialog::FileMode mode, QFileDialog::AcceptMode accept,
                        const QStringList &filters, const QString &folder, const QString &fileName)
{
    QFileDialog dialog(owner);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setFileMode(mode);
    dialog.setAcceptMode(accept);
    dialog.setNameFilters(filters);
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
    if (!fileName.isEmpty())
        dialog.selectFile(fileName);
    if (runModal(&dialog) != QDialog::Accepted)
        return {};
    QStringList chosen;
    for (const QString &file : dialog.selectedFiles())
        chosen << QFileInfo(file).absoluteFilePath();
    return chosen;
}

std::optional<QString> firstOf(const QStringList &files)
{
    if (files.isEmpty())
        return std::nullopt;
    return files.constFirst();
}

} // namespace

QStringList QtToolkit::openFiles(QWidget *owner, const QString &filter, const QString &folder)
{
    return chooseFiles(ownerOrActive(owner), QFileDialog::ExistingFiles, QFileDialog::AcceptOpen,
                       nameFilters(filter), folder, QString());
}

std::optional<QString> QtToolkit::saveFile(QWidget *owner, const QString &filter, const QString &folder,
                                           const QString &fileName)
{
    return firstOf(chooseFiles(ownerOrActive(owner), QFileDialog::AnyFile, QFileDialog::AcceptSave,
                               nameFilters(filter), folder, fileName));
}

std::optional<QString> QtToolkit::openFile(QWidget *owner, const QString &filter, const QString &folder,
                                           const QString &fileName)
{
    return firstOf(chooseFiles(ownerOrActive(owner), QFileDialog::ExistingFile, QFileDialog::AcceptOpen,
                               nameFilters(filter), folder, fileName));
}

QString captionText(const QString &text)
{
    return QString(text).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

void showMessage(const QString &text)
{
    Toolkit::instance().information(nullptr, applicationTitle(), text);
}

QString programFile()
{
    return QCoreApplication::applicationFilePath();
}

QString applicationTitle()
{
    return titleFor(programFile());
}

QString titleFor(const QString &programFile)
{
    QString name = QFileInfo(programFile).fileName();
    if (const qsizetype dot = name.indexOf(QLatin1Char('.')); dot >= 0)
        name.truncate(dot);
    if (name.isEmpty())
        return name;
    return name.left(1) + name.mid(1).toLower();
}

bool fileExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

QString programFolder()
{
    QString folder = QFileInfo(programFile()).absolutePath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

QString playablePath(const QString &stored, const QString &programFolder)
{
    return SoundPath::playable(stored, programFolder);
}
