// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "uAddMany.h"
#include "ui_uAddMany.h"

#include "ErrorGuard.h"
#include "Exceptions.h"
#include "Import.h"
#include "KvtmlWords.h"
#include "ProgressWindow.h"
#include "Schema.h"
#include "SpokenWords.h"
#include "TextWords.h"
#include "Toolkit.h"
#include "WordFiles.h"
#include "WordText.h"
#include "uDM.h"

#include <QFileInfo>
#include <QStandardPaths>

TfrmAddMany::TfrmAddMany(QWidget *parent, const QString &typeId, const QString &voice)
    : ModalForm(parent), ui(std::make_unique<Ui::TfrmAddMany>()), m_typeId(typeId), m_voice(voice)
{
    ui->setupUi(this);
    setFixedClientSize(520, 444);
    ui->lblLanguage->setVisible(false);
    ui->cmbLanguage->setVisible(false);
    ui->lstPreview->setColumnWidth(0, 300);
    ui->chkSpeak->setEnabled(!voice.isEmpty());
    ui->chkSpeak->setChecked(!voice.isEmpty());

    connectGuarded(ui->txtWords, &QPlainTextEdit::textChanged, this, &TfrmAddMany::txtWordsChange);
    connectGuarded(ui->btnFromRecordings, &QPushButton::clicked, this, &TfrmAddMany::btnFromRecordingsClick);
    connectGuarded(ui->btnFromFile, &QPushButton::clicked, this, &TfrmAddMany::btnFromFileClick);
    connectGuarded(ui->cmbLanguage, &QComboBox::activated, this, &TfrmAddMany::cmbLanguageChange);
    connectGuarded(ui->chkSpeak, &QCheckBox::toggled, this, &TfrmAddMany::chkSpeakClick);
    connectGuarded(ui->btnAdd, &QPushButton::clicked, this, &TfrmAddMany::btnAddClick);
    connectGuarded(ui->btnCancel, &QPushButton::clicked, this, &TfrmAddMany::btnCancelClick);
    ui->txtWords->setFocus();
}

TfrmAddMany::~TfrmAddMany() = default;

void TfrmAddMany::useList(const Exchange::WordList &list, const QString &source)
{
    m_list = list;
    ui->lblSource->setText(source);
    showPreview();
}

void TfrmAddMany::txtWordsChange()
{
    // Typing goes back to the typed words, whatever was read before.
    m_file.clear();
    ui->lblLanguage->setVisible(false);
    ui->cmbLanguage->setVisible(false);
    const QString text = ui->txtWords->toPlainText();
    if (text.trimmed().isEmpty()) {
        useList({}, QString());
        return;
    }
    // A word too long to store is said here, while typing, rather than in a box.
    Exchange::WordList list;
    QString problem;
    try {
        list = Exchange::readPastedText(text);
    } catch (const Exception &e) {
        problem = e.message();
    }
    useList(list, problem);
}

void TfrmAddMany::btnFromRecordingsClick()
{
    const QStringList files = Toolkit::instance().openFiles(
        this, tr("MP3 File(*.mp3)|*.mp3"), QStandardPaths::writableLocation(QStandardPaths::MusicLocation));
    if (files.isEmpty())
        return;
    Exchange::WordList list;
    for (const QString &file : files) {
        // The file's name is the word: "ice_cream.mp3" is "ice cream".
        const QString word = Exchange::checkedWord(
            QFileInfo(file).completeBaseName().replace(QLatin1Char('_'), QLatin1Char(' ')),
            QStringLiteral("\"%1\"").arg(file));
        if (!word.isEmpty())
            list.entries.append(
                {word, {Exchange::RecordingSource::File, QFileInfo(file).absoluteFilePath()}, {}});
    }
    m_file.clear();
    ui->lblLanguage->setVisible(false);
    ui->cmbLanguage->setVisible(false);
    useList(list, tr("From %1 recordings").arg(list.entries.size()));
}

void TfrmAddMany::btnFromFileClick()
{
    const std::optional<QString> file = Toolkit::instance().openFile(
        this, tr("Word lists|*.txt;*.csv;*.tsv;*.tab;*.kvtml;*.spelldeck|All files|*"),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), QString());
    if (!file)
        return;
    // A vocabulary file holds several languages: its words come from the one chosen, the first at first.
    const bool vocabulary = Exchange::wordFileKind(*file) == Exchange::WordFileKind::Kvtml;
    const QList<Exchange::KvtmlLanguage> languages =
        vocabulary ? Exchange::kvtmlLanguages(*file) : QList<Exchange::KvtmlLanguage>();
    // Read before anything is shown of it: a file that cannot be read leaves the window as it was.
    readFile(*file, languages.isEmpty() ? QString() : languages.constFirst().id);
    {
        const QSignalBlocker filling(ui->cmbLanguage);
        ui->cmbLanguage->clear();
        for (const Exchange::KvtmlLanguage &each : languages)
            ui->cmbLanguage->addItem(each.name.isEmpty() ? each.locale : each.name, each.id);
    }
    ui->lblLanguage->setVisible(vocabulary);
    ui->cmbLanguage->setVisible(vocabulary);
}

void TfrmAddMany::readFile(const QString &path, const QString &language)
{
    const Exchange::WordList list = Exchange::readWordFile(path, language);
    m_file = path;
    // The words now come from the file; the typed ones give way.
    {
        const QSignalBlocker quiet(ui->txtWords);
        ui->txtWords->clear();
    }
    useList(list, tr("From \"%1\"").arg(QFileInfo(path).fileName()));
}

void TfrmAddMany::cmbLanguageChange()
{
    if (!m_file.isEmpty())
        readFile(m_file, ui->cmbLanguage->currentData().toString());
}

void TfrmAddMany::chkSpeakClick()
{
    showPreview();
}

void TfrmAddMany::showPreview()
{
    const bool speak = ui->chkSpeak->isChecked();
    QList<QTreeWidgetItem *> rows;
    rows.reserve(m_list.entries.size());
    for (const Exchange::WordEntry &entry : std::as_const(m_list.entries)) {
        const QString state = entry.recording.kind != Exchange::RecordingSource::None ? tr("found")
                              : speak                                                 ? tr("will be spoken")
                                                                                      : tr("none");
        rows << new QTreeWidgetItem(QStringList{entry.word, state});
    }
    ui->lstPreview->clear();
    ui->lstPreview->addTopLevelItems(rows);
    ui->btnAdd->setEnabled(!m_list.entries.isEmpty());
}

void TfrmAddMany::btnAddClick()
{
    if (m_list.entries.isEmpty())
        return;
    Exchange::WordList list = m_list;
    Exchange::SpokenRecordings spoken;
    if (ui->chkSpeak->isChecked() && !m_voice.isEmpty() && Exchange::hasUnrecorded(list)) {
        // Speaking takes a while for many words: it runs beside the window, which stays responsive.
        runInBackground(this, tr("Speaking the words..."),
                        [&](const ProgressReport &report, const std::atomic_bool &cancelled) {
                            Exchange::speakUnrecorded(list, m_voice, Schema::soundFolder(), spoken,
                                                      Exchange::Progress(report, &cancelled));
                        });
    }
    Exchange::ImportResult result;
    runInForeground(this, tr("Adding the words..."),
                    [&](const ProgressReport &report, const std::atomic_bool &cancelled) {
                        result = Exchange::importIntoList(DM->ADOConn, list, m_typeId, Schema::soundFolder(),
                                                          Exchange::Progress(report, &cancelled));
                    });
    spoken.keep();
    m_added.clear();
    for (qsizetype i = 0; i < list.entries.size(); ++i)
        m_added.append({result.wordIds.value(i), list.entries.at(i).word, result.sounds.value(i), 0,
                        list.entries.at(i).sentence});
    accept();
}

void TfrmAddMany::btnCancelClick()
{
    reject();
}

QList<TData> ShowAddMany(QWidget *parent, const QString &typeId, const QString &voice)
{
    const auto frmAddMany = std::make_unique<TfrmAddMany>(parent, typeId, voice);
    if (parent)
        moveFrameTo(frmAddMany.get(),
                    centredOver(parent->frameGeometry(), outerSize(frmAddMany.get()), desktopRect()));
    if (frmAddMany->exec() != QDialog::Accepted)
        return {};
    return frmAddMany->added();
}
