// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The editor's sentence of a word, through the window: where it is, shown with the selected word,
// typed while a word is added or changed, stored with the word in one step, and the database file
// gaining the sentences' table only when the first sentence is saved.
#include "EditorOnList.h"
#include "PackageReader.h"
#include "ScriptedToolkit.h"
#include "TestDatabase.h"
#include "TestMain.h"
#include "Widgets.h"
#include "uDM.h"
#include "uEditor.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>

#include <memory>

namespace {

QString fixture(const QString &name)
{
    return QStringLiteral(SPELLDECK_FIXTURES "/") + name;
}

// A database made for the test, or a copy of `file` in its place, connected to once it is there.
struct Fixture
{
    explicit Fixture(const QString &file = {})
    {
        if (!file.isEmpty())
            db.replaceWith(file);
        dm = std::make_unique<TDM>();
    }
    ScriptedToolkit boxes;
    TestDatabase db;
    std::unique_ptr<TDM> dm;
};

const QString kSentences = QStringLiteral("select w.word_name, s.sentence from d_sentence s join d_word w on "
                                          "w.word_id = s.word_id order by w.word_order");
const QString kTables = QStringLiteral(
    "select name from sqlite_master where type = 'table' and name not like 'sqlite%' order by name");

} // namespace

class TestEditorSentences : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controls();
    void addChangeAndClear();
    void cancelKeepsTheStoredSentence();
    void aFileWithoutSentencesStaysSoUntilTheFirst();
    void readOnlyFileLosesNothingTyped();
    void exportCarriesTheSentences();

private:
    std::unique_ptr<TfrmEditor> open(const QList<std::pair<QString, QString>> &words = {});
    // Add, or Edit of the selected word, with the given texts, then Save.
    void save(TfrmEditor *editor, const char *button, const QString &word, const QString &sentence);

    QString m_listId;
    std::unique_ptr<Fixture> f;
};

void TestEditorSentences::init()
{
    QSettings().clear();
    f = std::make_unique<Fixture>();
}

void TestEditorSentences::cleanup()
{
    f.reset();
}

std::unique_ptr<TfrmEditor> TestEditorSentences::open(const QList<std::pair<QString, QString>> &words)
{
    return editorOnNewList(f->db, QStringLiteral("Homophones"), words, m_listId);
}

void TestEditorSentences::save(TfrmEditor *editor, const char *button, const QString &word,
                               const QString &sentence)
{
    QVERIFY(press(editor, button));
    auto *edtWord = child<QLineEdit>(editor, "edtWord");
    edtWord->clear();
    typeInto(edtWord, word);
    auto *edtSentence = child<QLineEdit>(editor, "edtSentence");
    QVERIFY(edtSentence->isEnabled());
    edtSentence->clear();
    typeInto(edtSentence, sentence);
    QVERIFY(press(editor, "btnSave"));
}

void TestEditorSentences::controls()
{
    const auto editor = open({{"their", ""}});
    auto *edit = child<QLineEdit>(editor.get(), "edtSentence");
    auto *label = child<QLabel>(editor.get(), "lblSentence");
    QCOMPARE(edit->geometry(), QRect(345, 326, 264, 24));
    QCOMPARE(label->text(), QStringLiteral("Se&ntence:"));
    QCOMPARE(label->buddy(), edit);
    QCOMPARE(edit->accessibleName(), QStringLiteral("Sentence"));
    QCOMPARE(edit->maxLength(), 255);
    // In free space: clear of every other control, and inside the window.
    for (QWidget *other : editor->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (other == edit || other == label || other->isHidden())
            continue;
        QVERIFY2(!other->geometry().intersects(edit->geometry()), qPrintable(other->objectName()));
        QVERIFY2(!other->geometry().intersects(label->geometry()), qPrintable(other->objectName()));
    }
    QVERIFY(QRect(QPoint(0, 0), editor->size()).contains(edit->geometry()));
    QVERIFY(label->geometry().right() < edit->x());
    // Last in tab order, after the editor's own controls.
    QCOMPARE(nextTabStop(child(editor.get(), "btnExport")), edit);
    QCOMPARE(nextTabStop(edit), child(editor.get(), "lstWord"));
    // Typed only while a word is added or changed.
    QVERIFY(!edit->isEnabled());
    QVERIFY(press(editor.get(), "btnAdd"));
    QVERIFY(edit->isEnabled());
    QVERIFY(press(editor.get(), "btnCancel"));
    QVERIFY(!edit->isEnabled());
}

void TestEditorSentences::addChangeAndClear()
{
    auto editor = open({{"there", ""}});
    auto *list = child<QListWidget>(editor.get(), "lstWord");
    save(editor.get(), "btnAdd", QStringLiteral("their"), QStringLiteral("  They took   their coats.  "));
    save(editor.get(), "btnAdd", QStringLiteral("they're"),
         QStringLiteral("They're \"late\"; it's 'theirs'. 熊"));
    QCOMPARE(f->boxes.errors(), QStringList());
    // Stored as the word is saved, blanks made single.
    QCOMPARE(f->db.rows(kSentences),
             (QStringList{"their|They took their coats.", "they're|They're \"late\"; it's 'theirs'. 熊"}));
    QCOMPARE(shownRows(list), (QStringList{"there", "their", "they're"}));

    // Shown with the selected word, read afresh when the list is opened again.
    editor.reset();
    editor = TfrmEditor::Create(nullptr, m_listId, QStringLiteral("Homophones"), false, 100, 50);
    editor->show();
    list = child<QListWidget>(editor.get(), "lstWord");
    auto *edit = child<QLineEdit>(editor.get(), "edtSentence");
    clickRow(list, 1);
    QCOMPARE(edit->text(), QStringLiteral("They took their coats."));
    clickRow(list, 0);
    QCOMPARE(edit->text(), QString());

    // Changed, then cleared.
    clickRow(list, 0);
    save(editor.get(), "btnEdit", QStringLiteral("there"), QStringLiteral("Put it over there."));
    clickRow(list, 1);
    save(editor.get(), "btnEdit", QStringLiteral("their"), QString());
    QCOMPARE(f->db.rows(kSentences),
             (QStringList{"there|Put it over there.", "they're|They're \"late\"; it's 'theirs'. 熊"}));
    clickRow(list, 0);
    QCOMPARE(edit->text(), QStringLiteral("Put it over there."));

    // A removed word takes its sentence.
    f->boxes.answerQuestion(true);
    clickRow(list, 2);
    QVERIFY(press(editor.get(), "btnRemove"));
    QCOMPARE(f->db.rows(kSentences), QStringList{"there|Put it over there."});
}

void TestEditorSentences::cancelKeepsTheStoredSentence()
{
    const auto editor = open({{"bare", ""}});
    auto *list = child<QListWidget>(editor.get(), "lstWord");
    auto *edit = child<QLineEdit>(editor.get(), "edtSentence");
    clickRow(list, 0);
    save(editor.get(), "btnEdit", QStringLiteral("bare"), QStringLiteral("The room was bare."));
    QVERIFY(press(editor.get(), "btnEdit"));
    edit->clear();
    typeInto(edit, QStringLiteral("A bear came."));
    QVERIFY(press(editor.get(), "btnCancel"));
    QCOMPARE(edit->text(), QStringLiteral("The room was bare."));
    QCOMPARE(f->db.rows(kSentences), QStringList{"bare|The room was bare."});
    // A new word starts without one.
    QVERIFY(press(editor.get(), "btnAdd"));
    QCOMPARE(edit->text(), QString());
}

void TestEditorSentences::aFileWithoutSentencesStaysSoUntilTheFirst()
{
    f.reset();
    SKIP_ON_SERVER("an older version's");
    f = std::make_unique<Fixture>(fixture(QStringLiteral("schema/version1.db")));
    const QStringList lists = f->db.rows(QStringLiteral("select * from d_type order by type_id"));
    auto editor = TfrmEditor::Create(nullptr, QStringLiteral("1"), QStringLiteral("Week 1"), false, 100, 50);
    editor->show();
    auto *list = child<QListWidget>(editor.get(), "lstWord");
    // Words added, changed and moved without a sentence leave the file at its version.
    save(editor.get(), "btnAdd", QStringLiteral("pear"), QString());
    clickRow(list, 0);
    save(editor.get(), "btnEdit", QStringLiteral("apples"), QString());
    QVERIFY(press(editor.get(), "btnDown"));
    QCOMPARE(f->boxes.errors(), QStringList());
    QCOMPARE(f->db.scalar(QStringLiteral("pragma user_version")), QStringLiteral("1"));
    QCOMPARE(f->db.rows(kTables), (QStringList{"d_type", "d_word"}));

    // The first sentence brings it up to date; nothing else changes.
    const QStringList words = f->db.rows(QStringLiteral("select * from d_word order by word_id"));
    clickRow(list, 3);
    save(editor.get(), "btnEdit", QStringLiteral("pear"), QStringLiteral("A pear is a fruit."));
    QCOMPARE(f->boxes.errors(), QStringList());
    QCOMPARE(f->db.scalar(QStringLiteral("pragma user_version")), QStringLiteral("4"));
    QCOMPARE(f->db.rows(kSentences), QStringList{"pear|A pear is a fruit."});
    QCOMPARE(f->db.rows(QStringLiteral("select * from d_word order by word_id")), words);
    QCOMPARE(f->db.rows(QStringLiteral("select * from d_type order by type_id")), lists);
}

void TestEditorSentences::readOnlyFileLosesNothingTyped()
{
    const auto editor = open({{"to", ""}});
    if (!f->db.setReadOnly(true))
        QSKIP(qPrintable(f->db.readOnlyProblem()));
    const QStringList before = f->db.rows(QStringLiteral("select * from d_word"));
    QVERIFY(press(editor.get(), "btnAdd"));
    typeInto(child<QLineEdit>(editor.get(), "edtWord"), QStringLiteral("two"));
    typeInto(child<QLineEdit>(editor.get(), "edtSentence"), QStringLiteral("Two cats."));
    QVERIFY(press(editor.get(), "btnSave"));
    QCOMPARE(f->boxes.errors().size(), 1);
    // Nothing shown as stored, and what was typed is still there to save again.
    QCOMPARE(shownRows(child<QListWidget>(editor.get(), "lstWord")), QStringList{"to"});
    QCOMPARE(child<QLineEdit>(editor.get(), "edtWord")->text(), QStringLiteral("two"));
    QCOMPARE(child<QLineEdit>(editor.get(), "edtSentence")->text(), QStringLiteral("Two cats."));
    QVERIFY(child<QPushButton>(editor.get(), "btnSave")->isEnabled());
    QVERIFY(f->db.setReadOnly(false));
    // Nothing was stored.
    QCOMPARE(f->db.rows(QStringLiteral("select * from d_word")), before);
    QVERIFY(press(editor.get(), "btnSave"));
    QCOMPARE(f->db.rows(kSentences), QStringList{"two|Two cats."});
}

void TestEditorSentences::exportCarriesTheSentences()
{
    const auto editor = open({{"right", ""}, {"write", ""}});
    auto *list = child<QListWidget>(editor.get(), "lstWord");
    clickRow(list, 1);
    save(editor.get(), "btnEdit", QStringLiteral("write"), QStringLiteral("Write your name."));
    const QString file = f->db.folder() + QStringLiteral("/homophones.spelldeck");
    f->boxes.answerSaveFile(file);
    QVERIFY(press(editor.get(), "btnExport"));
    QCOMPARE(f->boxes.errors(), QStringList());
    const Exchange::WordList read = Exchange::readPackage(file);
    QCOMPARE(read.entries.size(), 2);
    QCOMPARE(read.entries.at(0).sentence, QString());
    QCOMPARE(read.entries.at(1).word, QStringLiteral("write"));
    QCOMPARE(read.entries.at(1).sentence, QStringLiteral("Write your name."));
}

SPELLDECK_TEST_MAIN(TestEditorSentences)
#include "tst_editorsentences.moc"
