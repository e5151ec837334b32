// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The word-list editor, driven through its window.
#include "ErrorGuard.h"
#include "FileNameEdit.h"
#include "ListEntries.h"
#include "ModalDriver.h"
#include "ScriptedToolkit.h"
#include "TestDatabase.h"
#include "TestMain.h"
#include "Widgets.h"
#include "uDM.h"
#include "uEditor.h"

#include <QLabel>
#include <QPushButton>
#include <QWindow>

#include <algorithm>
#include <memory>

namespace {

struct Fixture
{
    ScriptedToolkit boxes; // first: the data module may report an error while it opens
    TestDatabase db;
    TDM dm;
};

const char *const kControls[] = {"lstWord", "edtWord",   "edtSound", "btnAdd",  "btnEdit",
                                 "btnSave", "btnCancel", "btnUp",    "btnDown", "btnRemove"};

QStringList names(const char *spaceSeparated)
{
    return QString::fromLatin1(spaceSeparated).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// The controls that can be used, in tab order.
QStringList enabledControls(const QWidget *editor)
{
    QStringList result;
    for (const char *name : kControls) {
        if (child(editor, name)->isEnabled())
            result << QString::fromLatin1(name);
    }
    return result;
}

QListWidget *list(const QWidget *editor)
{
    return child<QListWidget>(editor, "lstWord");
}

QLineEdit *wordField(const QWidget *editor)
{
    return child<QLineEdit>(editor, "edtWord");
}

FileNameEdit *soundField(const QWidget *editor)
{
    return child<FileNameEdit>(editor, "edtSound");
}

TData *recordAt(const QWidget *editor, int row)
{
    return entryRecord<TData>(list(editor)->item(row));
}

} // namespace

class TestEditor : public QObject
{
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<Fixture>(); }
    void cleanup();

    void defaultState_data();
    void defaultState();
    void caption_data();
    void caption();
    void showWordRunsModally();
    void loadNumbersStoredPositions();

    void addAndSave();
    void editAndSave();
    void changeThenCancel_data();
    void changeThenCancel();
    void valuesStoredExactly_data();
    void valuesStoredExactly();
    void longStoredSoundKeptByEdit();
    void keyboardSelection();

    void rowButtons_data();
    void rowButtons();
    void moves_data();
    void moves();
    void moveWhileAdding();
    void moveWithoutNeighbour();

    void remove_data();
    void remove();
    void removeWordBeingChanged();
    void positionsAfterRemoval();
    void newWordIdWithStoredGaps();
    void firstWordsOfNewList();
    void databaseAgreesThroughout();

    void failedChange_data();
    void failedChange();
    void failedMove_data();
    void failedMove();
    void readOnlyFile();
    void failedLoad();

    void keys();
    void closeWhileEditing();

private:
    // A list "Week 1" with the words given, at positions 1..n, each with the sound "<word>.mp3".
    QString makeList(const QStringList &words);
    std::unique_ptr<TfrmEditor> open(const QString &listId, bool isNew = false,
                                     const QString &name = QStringLiteral("Week 1"));
    // What differs between the window and the database; empty when they agree.
    QString disagreement(const QWidget *editor, const QString &listId);
    QStringList storedOrder(const QString &listId);

    std::unique_ptr<Fixture> f;
};

void TestEditor::cleanup()
{
    f.reset();
    for (QWidget *window : QApplication::topLevelWidgets())
        QVERIFY2(!qobject_cast<TfrmEditor *>(window), "an editor was left behind");
}

QString TestEditor::makeList(const QStringList &words)
{
    const QString id = f->db.addList(QStringLiteral("Week 1"));
    for (qsizetype i = 0; i < words.size(); ++i)
        f->db.addWord(id, words.at(i), words.at(i) + QStringLiteral(".mp3"), int(i + 1));
    return id;
}

std::unique_ptr<TfrmEditor> TestEditor::open(const QString &listId, bool isNew, const QString &name)
{
    auto editor = TfrmEditor::Create(nullptr, listId, name, isNew, 100, 50);
    editor->show();
    return editor;
}

QString TestEditor::disagreement(const QWidget *editor, const QString &listId)
{
    const auto byId = [](const QString &a, const QString &b) {
        return a.section(QLatin1Char('|'), 0, 0).toLongLong() <
               b.section(QLatin1Char('|'), 0, 0).toLongLong();
    };
    QStringList shown;
    qint32 previous = 0;
    for (int row = 0; row < list(editor)->count(); ++row) {
        const TData *data = recordAt(editor, row);
        if (list(editor)->item(row)->text() != data->Name)
            return QStringLiteral("row %1 shows %2 for %3")
                .arg(row)
                .arg(list(editor)->item(row)->text(), data->Name);
        if (data->Order < previous)
            return QStringLiteral("row %1 holds position %2 after %3")
                .arg(row)
                .arg(data->Order)
                .arg(previous);
        previous = data->Order;
        shown << QStringList{data->ID, data->Name, data->Sound, QString::number(data->Order)}.join(
            QLatin1Char('|'));
    }
    QStringList stored = f->db.rows(
        QStringLiteral("select word_id, word_name, word_sound, word_order from d_word where type_id = ?"),
        {listId});
    std::sort(shown.begin(), shown.end(), byId);
    std::sort(stored.begin(), stored.end(), byId);
    if (shown != stored)
        return QStringLiteral("shown: ") + shown.join(QStringLiteral(", ")) + QStringLiteral("; stored: ") +
               stored.join(QStringLiteral(", "));
    return QString();
}

QStringList TestEditor::storedOrder(const QString &listId)
{
    return f->db.column(
        QStringLiteral("select word_name from d_word where type_id = ? order by word_order, word_id"),
        {listId});
}

// --- Opening -------------------------------------------------------------------------------------

void TestEditor::defaultState_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<bool>("isNew");
    QTest::newRow("new list") << QStringList() << true;
    QTest::newRow("existing list without words") << QStringList() << false;
    QTest::newRow("existing list with words") << names("apple pear plum") << false;
}

void TestEditor::defaultState()
{
    QFETCH(QStringList, words);
    QFETCH(bool, isNew);
    const auto editor = open(makeList(words), isNew);

    QCOMPARE(editor->pos(), QPoint(100, 50));
    QCOMPARE(editor->size(), QSize(630, 362));
    QCOMPARE(editor->minimumSize(), editor->maximumSize());
    QVERIFY(editor->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(editor->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(editor->windowModality(), Qt::ApplicationModal);
    QCOMPARE(editor->font().pixelSize(), 13);

    const struct
    {
        const char *name;
        QRect geometry;
        const char *text;
    } labels[] = {{"sLabel1", {24, 16, 42, 16}, "Words:"},
                  {"Label1", {280, 38, 36, 16}, "Word:"},
                  {"Label2", {280, 102, 41, 16}, "Sound:"}};
    for (const auto &expected : labels) {
        auto *label = child<QLabel>(editor.get(), expected.name);
        QCOMPARE(label->text(), QString::fromLatin1(expected.text));
        QCOMPARE(label->pos(), expected.geometry.topLeft());
        QVERIFY2(label->width() >= label->sizeHint().width(), expected.name);
    }

    const struct
    {
        const char *name;
        QRect geometry;
        const char *text;
    } controls[] = {
        {"lstWord", {24, 38, 237, 282}, ""},          {"edtWord", {280, 60, 329, 24}, ""},
        {"edtSound", {280, 124, 329, 21}, ""},        {"btnAdd", {280, 160, 75, 25}, "Add"},
        {"btnEdit", {361, 160, 75, 25}, "Edit"},      {"btnSave", {442, 160, 75, 25}, "Save"},
        {"btnCancel", {523, 160, 75, 25}, "Cancel"},  {"btnUp", {24, 326, 75, 25}, "Move up"},
        {"btnDown", {105, 326, 75, 25}, "Move down"}, {"btnRemove", {186, 326, 75, 25}, "Remove"}};
    for (const auto &expected : controls) {
        QWidget *control = child(editor.get(), expected.name);
        QCOMPARE(control->geometry(), expected.geometry);
        if (auto *button = qobject_cast<QPushButton *>(control)) {
            QCOMPARE(button->text(), QString::fromLatin1(expected.text));
            QVERIFY(!button->isDefault());
            QVERIFY(!button->autoDefault());
        } else {
            QVERIFY2(!control->accessibleName().isEmpty(), expected.name);
        }
    }
    // Tab order follows the table.
    for (std::size_t i = 0; i + 1 < std::size(kControls); ++i)
        QCOMPARE(nextTabStop(child(editor.get(), kControls[i])), child(editor.get(), kControls[i + 1]));

    QCOMPARE(enabledControls(editor.get()), names("lstWord btnAdd"));
    QCOMPARE(shownRows(list(editor.get())), isNew ? QStringList() : words);
    QCOMPARE(selectedRow(list(editor.get())), -1);
    QVERIFY(wordField(editor.get())->text().isEmpty());
    QVERIFY(soundField(editor.get())->text().isEmpty());
    QCOMPARE(soundField(editor.get())->maxLength(), 255);
    QCOMPARE(soundField(editor.get())->filter(), QStringLiteral("MP3 File(*.mp3)|*.mp3"));
    QCOMPARE(child(editor.get(), "btnUp")->property("Tag").toInt(), -1);
    QCOMPARE(child(editor.get(), "btnDown")->property("Tag").toInt(), 1);
}

void TestEditor::caption_data()
{
    QTest::addColumn<bool>("isNew");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("new") << true << "Week 1"
                         << "Creating spelldeck: Week 1";
    QTest::newRow("existing") << false << "Week 1"
                              << "Editing spelldeck: Week 1";
    QTest::newRow("marker placeholder in the name") << false << "a[*]b"
                                                    << "Editing spelldeck: a[*]b";
    QTest::newRow("empty name") << false << ""
                                << "Editing spelldeck: ";
}

void TestEditor::caption()
{
    QFETCH(bool, isNew);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    const auto editor = open(makeList({}), isNew, name);
    QCOMPARE(editor->windowHandle()->title(), caption);
}

void TestEditor::showWordRunsModally()
{
    const QString id = makeList(names("apple pear"));
    QString caption;
    QPoint position;
    QStringList rows;
    {
        ModalDriver script({[&](QWidget *window) {
            caption = window->windowHandle()->title();
            position = window->pos();
            rows = shownRows(list(window));
            window->close();
        }});
        ShowWord(id, QStringLiteral("Week 1"), false, 120, 80);
        QCOMPARE(script.seen(), QStringList{QStringLiteral("TfrmEditor")});
    }
    QCOMPARE(caption, QStringLiteral("Editing spelldeck: Week 1"));
    QCOMPARE(position, QPoint(120, 80));
    QCOMPARE(rows, names("apple pear"));

    // Every opening reads the list afresh.
    f->db.addWord(id, QStringLiteral("plum"), QString(), 3);
    ModalDriver again({[&](QWidget *window) {
        rows = shownRows(list(window));
        window->close();
    }});
    ShowWord(id, QStringLiteral("Week 1"), false, 120, 80);
    QCOMPARE(rows, names("apple pear plum"));
}

void TestEditor::loadNumbersStoredPositions()
{
    const QString id = f->db.addList(QStringLiteral("Week 1"));
    const QString nine = f->db.addWord(id, QStringLiteral("nine"), QStringLiteral("9.mp3"), 9);
    const QString two = f->db.addWord(id, QStringLiteral("two"), QStringLiteral("2.mp3"), 2);
    const QString five = f->db.addWord(id, QStringLiteral("five"), QStringLiteral(""), 5);
    const QString other = f->db.addList(QStringLiteral("Week 2"));
    f->db.addWord(other, QStringLiteral("elsewhere"), QString(), 1);

    const auto editor = open(id);
    QCOMPARE(shownRows(list(editor.get())), names("two five nine"));
    const QStringList ids = {two, five, nine};
    const QStringList sounds = {QStringLiteral("2.mp3"), QString(), QStringLiteral("9.mp3")};
    for (int row = 0; row < 3; ++row) {
        QCOMPARE(recordAt(editor.get(), row)->ID, ids.at(row));
        QCOMPARE(recordAt(editor.get(), row)->Sound, sounds.at(row));
        QCOMPARE(recordAt(editor.get(), row)->Order, row + 1);
    }
    // Loading stores nothing.
    QCOMPARE(f->db.column(
                 QStringLiteral("select word_order from d_word where type_id = ? order by word_order"), {id}),
             names("2 5 9"));
}

// --- Adding and changing -------------------------------------------------------------------------

void TestEditor::addAndSave()
{
    const QString id = makeList(names("apple pear plum"));
    const auto editor = open(id);
    clickRow(list(editor.get()), 1);

    QVERIFY(press(editor.get(), "btnAdd"));
    QCOMPARE(enabledControls(editor.get()),
             names("edtWord edtSound btnSave btnCancel btnUp btnDown btnRemove"));
    QVERIFY(wordField(editor.get())->text().isEmpty());
    QVERIFY(soundField(editor.get())->text().isEmpty());
    QCOMPARE(editor->focusWidget(), wordField(editor.get()));

    typeInto(wordField(editor.get()), QStringLiteral("quince"));
    typeInto(soundField(editor.get()), QStringLiteral("/words/quince.mp3"));
    QVERIFY(press(editor.get(), "btnSave"));

    QCOMPARE(shownRows(list(editor.get())), names("apple pear plum quince"));
    QCOMPARE(selectedRow(list(editor.get())), 3);
    QCOMPARE(enabledControls(editor.get()), names("lstWord btnAdd btnEdit btnUp btnRemove"));
    QCOMPARE(wordField(editor.get())->text(), QStringLiteral("quince"));
    QCOMPARE(soundField(editor.get())->text(), QStringLiteral("/words/quince.mp3"));
    const TData *added = recordAt(editor.get(), 3);
    QCOMPARE(added->Order, 4);
    QCOMPARE(added->ID,
             f->db.scalar(QStringLiteral("select word_id from d_word where word_name = 'quince'")));
    QCOMPARE(disagreement(editor.get(), id), QString());
    QVERIFY(f->boxes.boxes().isEmpty());
}

void TestEditor::editAndSave()
{
    const QString id = makeList(names("apple pear plum"));
    const auto editor = open(id);
    clickRow(list(editor.get()), 1);
    QCOMPARE(wordField(editor.get())->text(), QStringLiteral("pear"));
    QCOMPARE(soundField(editor.get())->text(), QStringLiteral("pear.mp3"));

    QVERIFY(press(editor.get(), "btnEdit"));
    QCOMPARE(enabledControls(editor.get()),
             names("edtWord edtSound btnSave btnCancel btnUp btnDown btnRemove"));
    typeInto(wordField(editor.get()), QStringLiteral("peach"));
    typeInto(soundField(editor.get()), QStringLiteral("peach.mp3"));
    QVERIFY(press(editor.get(), "btnSave"));

    QCOMPARE(shownRows(list(editor.get())), names("apple peach plum"));
    QCOMPARE(selectedRow(list(editor.get())), 1);
    QCOMPARE(enabledControls(editor.get()), names("lstWord btnAdd btnEdit btnUp btnDown btnRemove"));
    QCOMPARE(disagreement(editor.get(), id), QString());
    QCOMPARE(storedOrder(id), names("apple peach plum"));
}

void TestEditor::changeThenCancel_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("sound"); // typed into the sound field; empty: left as it was
    QTest::addColumn<QString>("soundShown");
    QTest::addColumn<QStringList>("enabled");
    QTest::newRow("Add, then Cancel") << 0 << "btnAdd"
                                      << "typed.mp3"
                                      << "typed.mp3" << names("lstWord btnAdd btnEdit btnDown btnRemove");
    QTest::newRow("Edit, then Cancel") << 1 << "btnEdit"
                                       << ""
                                       << "pear.mp3" << names("lstWord btnAdd btnEdit btnUp btnRemove");
}

void TestEditor::changeThenCancel()
{
    QFETCH(int, row);
    QFETCH(QString, button);
    QFETCH(QString, sound);
    QFETCH(QString, soundShown);
    QFETCH(QStringList, enabled);
    const QString id = makeList(names("apple pear"));
    const auto editor = open(id);
    clickRow(list(editor.get()), row);
    QVERIFY(press(editor.get(), button.toLatin1().constData()));
    typeInto(wordField(editor.get()), QStringLiteral("typed"));
    if (!sound.isEmpty())
        typeInto(soundField(editor.get()), sound);
    QVERIFY(press(editor.get(), "btnCancel"));

    QCOMPARE(enabledControls(editor.get()), enabled);
    QCOMPARE(selectedRow(list(editor.get())), row);
    // What was typed stays on screen, but nothing is stored.
    QCOMPARE(wordField(editor.get())->text(), QStringLiteral("typed"));
    QCOMPARE(soundField(editor.get())->text(), soundShown);
    QCOMPARE(shownRows(list(editor.get())), names("apple pear"));
    QCOMPARE(disagreement(editor.get(), id), QString());
    QVERIFY(f->boxes.boxes().isEmpty());
}

void TestEditor::valuesStoredExactly_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("sound");
    QTest::newRow("single quotes") << "Tom's"
                                   << "/it's/o'clock.mp3";
    QTest::newRow("blanks around") << "  apple "
                                   << " /a b/c.mp3 ";
    QTest::newRow("backslashes and drive") << "C:\\x"
                                           << "C:\\words\\apple.mp3";
    QTest::newRow("double quotes, SQL") << "\"x\"; drop table d_word; --"
                                        << "a\"b.mp3";
    QTest::newRow("non-ASCII") << "Größe"
                               << "/klänge/größe é.mp3";
    QTest::newRow("outside Latin-1") << "漢字"
                                     << "/音/字.mp3";
    QTest::newRow("relative path") << "cat"
                                   << "sounds/cat.mp3";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("255 characters") << QString(255, QLatin1Char('w')) << QString(255, QLatin1Char('s'));
}

void TestEditor::valuesStoredExactly()
{
    QFETCH(QString, word);
    QFETCH(QString, sound);
    const QString id = makeList(names("apple"));
    const auto editor = open(id);

    // Added as a new word...
    QVERIFY(press(editor.get(), "btnAdd"));
    typeInto(wordField(editor.get()), word);
    typeInto(soundField(editor.get()), sound);
    QVERIFY(press(editor.get(), "btnSave"));
    QCOMPARE(f->db.rows(QStringLiteral("select word_name, word_sound from d_word where word_order = 2")),
             QStringList{word + QLatin1Char('|') + sound});
    QCOMPARE(list(editor.get())->item(1)->text(), word);

    // ...and given to an existing one.
    clickRow(list(editor.get()), 0);
    QVERIFY(press(editor.get(), "btnEdit"));
    typeInto(wordField(editor.get()), word);
    typeInto(soundField(editor.get()), sound);
    QVERIFY(press(editor.get(), "btnSave"));
    QCOMPARE(f->db.rows(QStringLiteral("select word_name, word_sound from d_word where word_order = 1")),
             QStringList{word + QLatin1Char('|') + sound});
    QCOMPARE(disagreement(editor.get(), id), QString());
    QVERIFY(f->boxes.errors().isEmpty());
}

void TestEditor::longStoredSoundKeptByEdit()
{
    // Only typing is limited: a longer stored path survives a change of the word.
    const QString id = f->db.addList(QStringLiteral("Week 1"));
    const QString longPath = QStringLiteral("/") + QString(300, QLatin1Char('p')) + QStringLiteral(".mp3");
    f->db.addWord(id, QStringLiteral("apple"), longPath, 1);
    const auto editor = open(id);
    clickRow(list(editor.get()), 0);
    QCOMPARE(soundField(editor.get())->text(), longPath);
    QVERIFY(press(editor.get(), "btnEdit"));
    typeInto(wordField(editor.get()), QStringLiteral("apples"));
    QTest::keyClick(soundField(editor.get()), Qt::Key_End);
    QTest::keyClicks(soundField(editor.get()), QStringLiteral("more"));
    QCOMPARE(soundField(editor.get())->text(), longPath);
    QVERIFY(press(editor.get(), "btnSave"));
    QCOMPARE(f->db.scalar(QStringLiteral("select word_sound from d_word")), longPath);
}

void TestEditor::keyboardSelection()
{
    const auto editor = open(makeList(names("apple pear plum")));
    clickRow(list(editor.get()), 0);
    QTest::keyClick(list(editor.get()), Qt::Key_Down);
    QCOMPARE(selectedRow(list(editor.get())), 1);
    QCOMPARE(wordField(editor.get())->text(), QStringLiteral("pear"));
    QCOMPARE(enabledControls(editor.get()), names("lstWord btnAdd btnEdit btnUp btnDown btnRemove"));
    QTest::keyClick(list(editor.get()), Qt::Key_End);
    QCOMPARE(wordField(editor.get())->text(), QStringLiteral("plum"));
    QCOMPARE(enabledControls(editor.get()), names("lstWord btnAdd btnEdit btnUp btnRemove"));
}

// --- Moves ---------------------------------------------------------------------------------------

void TestEditor::rowButtons_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("enabled");
    const QStringList three = names("apple pear plum");
    QTest::newRow("first of three") << three << 0 << names("lstWord btnAdd btnEdit btnDown btnRemove");
    QTest::newRow("middle of three") << three << 1 << names("lstWord btnAdd btnEdit btnUp btnDown btnRemove");
    QTest::newRow("last of three") << three << 2 << names("lstWord btnAdd btnEdit btnUp btnRemove");
    QTest::newRow("the only row") << names("apple") << 0 << names("lstWord btnAdd btnEdit btnRemove");
}

void TestEditor::rowButtons()
{
    QFETCH(QStringList, words);
    QFETCH(int, row);
    QFETCH(QStringList, enabled);
    const auto editor = open(makeList(words));
    clickRow(list(editor.get()), row);
    QCOMPARE(enabledControls(editor.get()), enabled);
    QCOMPARE(wordField(editor.get())->text(), words.at(row));
}

void TestEditor::moves_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("enabled");
    QTest::newRow("second up, to the top") << 1 << "btnUp" << names("pear apple plum fig") << 0
                                           << names("lstWord btnAdd btnEdit btnDown btnRemove");
    QTest::newRow("first down") << 0 << "btnDown" << names("pear apple plum fig") << 1
                                << names("lstWord btnAdd btnEdit btnUp btnDown btnRemove");
    QTest::newRow("last up") << 3 << "btnUp" << names("apple pear fig plum") << 2
                             << names("lstWord btnAdd btnEdit btnUp btnDown btnRemove");
    QTest::newRow("third down, to the bottom") << 2 << "btnDown" << names("apple pear fig plum") << 3
                                               << names("lstWord btnAdd btnEdit btnUp btnRemove");
}

void TestEditor::moves()
{
    QFETCH(int, row);
    QFETCH(QString, button);
    QFETCH(QStringList, after);
    QFETCH(int, selected);
    QFETCH(QStringList, enabled);
    const QString id = makeList(names("apple pear plum fig"));
    const auto editor = open(id);
    clickRow(list(editor.get()), row);
    const TData *moved = recordAt(editor.get(), row);

    QVERIFY(press(editor.get(), button.toLatin1().constData()));

    QCOMPARE(shownRows(list(editor.get())), after);
    QCOMPARE(selectedRow(list(editor.get())), selected);
    QCOMPARE(recordAt(editor.get(), selected), moved);
    QCOMPARE(enabledControls(editor.get()), enabled);
    QCOMPARE(storedOrder(id), after);
    QCOMPARE(disagreement(editor.get(), id), QString());
}

void TestEditor::moveWhileAdding()
{
    const QString id = makeList(names("apple pear plum"));
    const auto editor = open(id);
    clickRow(list(editor.get()), 1);
    QVERIFY(press(editor.get(), "btnAdd"));
    typeInto(wordField(editor.get()), QStringLiteral("typed"));

    QVERIFY(press(editor.get(), "btnUp"));
    QCOMPARE(shownRows(list(editor.get())), names("pear apple plum"));
    QCOMPARE(storedOrder(id), names("pear apple plum"));
    // The move shows the selected word, replacing what was typed; adding goes on.
    QCOMPARE(wordField(editor.get())->text(), QStringLiteral("pear"));
    QCOMPARE(soundField(editor.get())->text(), QStringLiteral("pear.mp3"));
    QCOMPARE(enabledControls(editor.get()),
             names("edtWord edtSound btnEdit btnSave btnCancel btnDown btnRemove"));
    QCOMPARE(disagreement(editor.get(), id), QString());
}

void TestEditor::moveWithoutNeighbour()
{
    // Run from code past the end of the list: an error, and nothing exchanged or stored.
    const QString id = makeList(names("apple pear"));
    const auto editor = open(id);
    clickRow(list(editor.get()), 1);
    // click() does nothing on a disabled button; the signal is what code runs.
    emit child<QPushButton>(editor.get(), "btnDown")->clicked();
    QCOMPARE(f->boxes.errors(), QStringList{QStringLiteral("List index out of bounds (2)")});
    QCOMPARE(shownRows(list(editor.get())), names("apple pear"));
    QCOMPARE(disagreement(editor.get(), id), QString());
}

// --- Removing ------------------------------------------------------------------------------------

void TestEditor::remove_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes") << true;
    QTest::newRow("No") << false;
}

void TestEditor::remove()
{
    QFETCH(bool, yes);
    const QString id = makeList(names("apple pear plum"));
    const auto editor = open(id);
    clickRow(list(editor.get()), 1);
    f->boxes.answerQuestion(yes);

    QVERIFY(press(editor.get(), "btnRemove"));

    const QList<ScriptedToolkit::Box> questions = f->boxes.boxes(ScriptedToolkit::Question);
    QCOMPARE(questions.size(), 1);
    QCOMPARE(questions.first().caption, QStringLiteral("Confirm Deletion"));
    QCOMPARE(questions.first().text,
             QStringLiteral("Are you sure you wish to permanently delete this word?"));
    if (yes) {
        QCOMPARE(shownRows(list(editor.get())), names("apple plum"));
        QCOMPARE(selectedRow(list(editor.get())), -1);
        QCOMPARE(enabledControls(editor.get()), names("lstWord btnAdd"));
        QCOMPARE(wordField(editor.get())->text(), QStringLiteral("pear"));
        // The others keep their positions.
        QCOMPARE(f->db.column(QStringLiteral("select word_order from d_word order by word_order")),
                 names("1 3"));
    } else {
        QCOMPARE(shownRows(list(editor.get())), names("apple pear plum"));
        QCOMPARE(selectedRow(list(editor.get())), 1);
        QCOMPARE(enabledControls(editor.get()), names("lstWord btnAdd btnEdit btnUp btnDown btnRemove"));
    }
    QCOMPARE(disagreement(editor.get(), id), QString());
}

void TestEditor::removeWordBeingChanged()
{
    const QString id = makeList(names("apple pear plum"));
    const auto editor = open(id);
    clickRow(list(editor.get()), 1);
    QVERIFY(press(editor.get(), "btnEdit"));
    typeInto(wordField(editor.get()), QStringLiteral("typed"));
    f->boxes.answerQuestion(true);
    QVERIFY(press(editor.get(), "btnRemove"));

    // The change ends with its word: back to browsing, nothing left to save.
    QCOMPARE(shownRows(list(editor.get())), names("apple plum"));
    QCOMPARE(enabledControls(editor.get()), names("lstWord btnAdd"));
    QCOMPARE(wordField(editor.get())->text(), QStringLiteral("typed"));
    QCOMPARE(disagreement(editor.get(), id), QString());

    // Saving from code now adds the text as a new word and changes no other.
    editor->btnSaveClick();
    QCOMPARE(shownRows(list(editor.get())), names("apple plum typed"));
    QCOMPARE(storedOrder(id), names("apple plum typed"));
    QCOMPARE(disagreement(editor.get(), id), QString());
}

void TestEditor::positionsAfterRemoval()
{
    // Three words at 1, 2, 3; the first removed; the next word gets 3 like the last, and its own id.
    const QString id = makeList(names("apple pear plum"));
    const QString plum = f->db.scalar(QStringLiteral("select word_id from d_word where word_name = 'plum'"));
    const auto editor = open(id);
    clickRow(list(editor.get()), 0);
    f->boxes.answerQuestion(true);
    QVERIFY(press(editor.get(), "btnRemove"));
    QVERIFY(press(editor.get(), "btnAdd"));
    typeInto(wordField(editor.get()), QStringLiteral("fig"));
    QVERIFY(press(editor.get(), "btnSave"));

    QCOMPARE(shownRows(list(editor.get())), names("pear plum fig"));
    const TData *fig = recordAt(editor.get(), 2);
    QCOMPARE(fig->Order, 3);
    QVERIFY(fig->ID != plum);
    QCOMPARE(fig->ID, f->db.scalar(QStringLiteral("select word_id from d_word where word_name = 'fig'")));
    QCOMPARE(disagreement(editor.get(), id), QString());

    // Changing the new word changes it alone.
    QVERIFY(press(editor.get(), "btnEdit"));
    typeInto(wordField(editor.get()), QStringLiteral("figs"));
    QVERIFY(press(editor.get(), "btnSave"));
    QCOMPARE(f->db.column(QStringLiteral("select word_name from d_word order by word_id")),
             names("pear plum figs"));
    QCOMPARE(disagreement(editor.get(), id), QString());
}

void TestEditor::newWordIdWithStoredGaps()
{
    // Stored at 2, 5 and 9, held as 1..3: the new word is stored at 4, below the last row of the list's
    // words in stored order, and must still get the id of its own row.
    const QString id = f->db.addList(QStringLiteral("Week 1"));
    f->db.addWord(id, QStringLiteral("two"), QString(), 2);
    f->db.addWord(id, QStringLiteral("five"), QString(), 5);
    f->db.addWord(id, QStringLiteral("nine"), QString(), 9);
    const auto editor = open(id);
    QVERIFY(press(editor.get(), "btnAdd"));
    typeInto(wordField(editor.get()), QStringLiteral("four"));
    QVERIFY(press(editor.get(), "btnSave"));

    QCOMPARE(shownRows(list(editor.get())), names("two five nine four"));
    const TData *four = recordAt(editor.get(), 3);
    QCOMPARE(four->Order, 4);
    QCOMPARE(four->ID, f->db.scalar(QStringLiteral("select word_id from d_word where word_name = 'four'")));
    QCOMPARE(f->db.scalar(QStringLiteral("select word_order from d_word where word_name = 'four'")),
             QStringLiteral("4"));

    // A change of the new word reaches its own row and no other.
    QVERIFY(press(editor.get(), "btnEdit"));
    typeInto(wordField(editor.get()), QStringLiteral("fore"));
    QVERIFY(press(editor.get(), "btnSave"));
    QCOMPARE(storedOrder(id), names("two fore five nine"));
}

void TestEditor::firstWordsOfNewList()
{
    const QString id = f->db.addList(QStringLiteral("Week 1"));
    const auto editor = open(id, true);
    for (const QString &word : names("one two")) {
        QVERIFY(press(editor.get(), "btnAdd"));
        typeInto(wordField(editor.get()), word);
        QVERIFY(press(editor.get(), "btnSave"));
    }
    QCOMPARE(
        f->db.rows(QStringLiteral("select word_name, word_order, type_id from d_word order by word_order")),
        QStringList({QStringLiteral("one|1|") + id, QStringLiteral("two|2|") + id}));
    QCOMPARE(disagreement(editor.get(), id), QString());
}

void TestEditor::databaseAgreesThroughout()
{
    const QString id = makeList(names("a b c d e"));
    const QString other = makeList(names("x y"));
    auto editor = open(id);
    const auto agrees = [&](const char *after) {
        const QString difference = disagreement(editor.get(), id);
        if (!difference.isEmpty())
            qWarning("after %s: %s", after, qPrintable(difference));
        return difference.isEmpty();
    };

    clickRow(list(editor.get()), 2);
    QVERIFY(press(editor.get(), "btnUp"));
    QVERIFY(agrees("c up"));
    QVERIFY(press(editor.get(), "btnUp"));
    QVERIFY(agrees("c up again"));
    QVERIFY(press(editor.get(), "btnEdit"));
    typeInto(wordField(editor.get()), QStringLiteral("see"));
    QVERIFY(press(editor.get(), "btnSave"));
    QVERIFY(agrees("c changed"));
    clickRow(list(editor.get()), 4);
    f->boxes.answerQuestion(true);
    QVERIFY(press(editor.get(), "btnRemove"));
    QVERIFY(agrees("e removed"));
    QVERIFY(press(editor.get(), "btnAdd"));
    typeInto(wordField(editor.get()), QStringLiteral("f"));
    QVERIFY(press(editor.get(), "btnSave"));
    QVERIFY(agrees("f added"));
    QVERIFY(press(editor.get(), "btnUp"));
    QVERIFY(agrees("f up"));
    QCOMPARE(shownRows(list(editor.get())), names("see a b f d"));

    // A fresh opening shows the same words in the same order, numbered 1..n again.
    editor = open(id);
    QCOMPARE(shownRows(list(editor.get())), names("see a b f d"));
    QCOMPARE(recordAt(editor.get(), 4)->Order, 5);
    QCOMPARE(storedOrder(other), names("x y"));
}

// --- Failures ------------------------------------------------------------------------------------

void TestEditor::failedChange_data()
{
    QTest::addColumn<QString>("refused"); // the statement the database refuses
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("row");        // selected before the change; -1: none
    QTest::addColumn<QString>("action"); // the button that starts the change
    QTest::addColumn<QStringList>("enabled");
    QTest::addColumn<QStringList>("afterRetry"); // rows once the cause is gone and Save is pressed again

    QTest::newRow("a new word") << "insert"
                                << "database or disk is full." << -1 << "btnAdd"
                                << names("edtWord edtSound btnSave btnCancel")
                                << names("apple pear plum peach");
    QTest::newRow("a changed word") << "update"
                                    << "database is locked." << 1 << "btnEdit"
                                    << names("edtWord edtSound btnSave btnCancel btnUp btnDown btnRemove")
                                    << names("apple peach plum");
    // Still listed, still selected; nothing to retry but the removal itself.
    QTest::newRow("a removed word") << "delete"
                                    << "database is locked." << 1 << "btnRemove"
                                    << names("lstWord btnAdd btnEdit btnUp btnDown btnRemove")
                                    << QStringList();
}

void TestEditor::failedChange()
{
    QFETCH(QString, refused);
    QFETCH(QString, message);
    QFETCH(int, row);
    QFETCH(QString, action);
    QFETCH(QStringList, enabled);
    QFETCH(QStringList, afterRetry);
    const QString id = makeList(names("apple pear plum"));
    const auto editor = open(id);
    f->db.refuse(QStringLiteral("d_word"), refused, message.chopped(1));
    if (row >= 0)
        clickRow(list(editor.get()), row);
    f->boxes.answerQuestion(true);
    QVERIFY(press(editor.get(), action.toLatin1().constData()));
    if (action != QLatin1String("btnRemove")) {
        typeInto(wordField(editor.get()), QStringLiteral("peach"));
        QVERIFY(press(editor.get(), "btnSave"));
    }

    QCOMPARE(f->boxes.errors(), QStringList{message});
    // The window shows what is stored; a change under way stays under way, with the text as typed.
    QCOMPARE(shownRows(list(editor.get())), names("apple pear plum"));
    QCOMPARE(recordAt(editor.get(), 1)->Name, QStringLiteral("pear"));
    QCOMPARE(selectedRow(list(editor.get())), row);
    QCOMPARE(enabledControls(editor.get()), enabled);
    if (action != QLatin1String("btnRemove"))
        QCOMPARE(wordField(editor.get())->text(), QStringLiteral("peach"));
    QCOMPARE(disagreement(editor.get(), id), QString());

    if (afterRetry.isEmpty())
        return;
    f->db.allow(QStringLiteral("d_word"));
    QVERIFY(press(editor.get(), "btnSave"));
    QCOMPARE(shownRows(list(editor.get())), afterRetry);
    QCOMPARE(f->boxes.errors().size(), 1);
    QCOMPARE(disagreement(editor.get(), id), QString());
}

void TestEditor::failedMove_data()
{
    QTest::addColumn<QString>("refused");
    QTest::newRow("the moved word's position") << "pear";
    QTest::newRow("the neighbour's position") << "apple";
}

void TestEditor::failedMove()
{
    QFETCH(QString, refused);
    const QString id = makeList(names("apple pear plum"));
    const QString refusedId =
        f->db.scalar(QStringLiteral("select word_id from d_word where word_name = ?"), {refused});
    const auto editor = open(id);
    f->db.refuse(QStringLiteral("d_word"), QStringLiteral("update of word_order"),
                 QStringLiteral("database is locked"), QStringLiteral("old.word_id = ") + refusedId);
    clickRow(list(editor.get()), 1);
    QVERIFY(press(editor.get(), "btnUp"));

    // Both positions or neither: the list stays as stored.
    QCOMPARE(f->boxes.errors(), QStringList{QStringLiteral("database is locked.")});
    QCOMPARE(storedOrder(id), names("apple pear plum"));
    QCOMPARE(shownRows(list(editor.get())), names("apple pear plum"));
    QCOMPARE(selectedRow(list(editor.get())), 1);
    QCOMPARE(enabledControls(editor.get()), names("lstWord btnAdd btnEdit btnUp btnDown btnRemove"));
    QCOMPARE(disagreement(editor.get(), id), QString());
}

void TestEditor::readOnlyFile()
{
    const QString id = makeList(names("apple pear"));
    const auto editor = open(id);
    f->dm.ADOConn.close(); // opened again by the next statement, read-only now
    if (!f->db.setReadOnly(true))
        QSKIP(qPrintable(f->db.readOnlyProblem()));

    QVERIFY(press(editor.get(), "btnAdd"));
    typeInto(wordField(editor.get()), QStringLiteral("plum"));
    QVERIFY(press(editor.get(), "btnSave"));
    QCOMPARE(enabledControls(editor.get()), names("edtWord edtSound btnSave btnCancel"));
    QVERIFY(press(editor.get(), "btnCancel"));
    clickRow(list(editor.get()), 1);
    QVERIFY(press(editor.get(), "btnUp"));
    f->boxes.answerQuestion(true);
    QVERIFY(press(editor.get(), "btnRemove"));

    const QString message = TestDatabase::readOnlyText(QStringLiteral("d_word")) + ".";
    QCOMPARE(f->boxes.errors(), QStringList({message, message, message}));
    QCOMPARE(shownRows(list(editor.get())), names("apple pear"));
    QVERIFY(f->db.setReadOnly(false));
    QCOMPARE(disagreement(editor.get(), id), QString());
}

void TestEditor::failedLoad()
{
    const QString id = makeList(names("apple"));
    f->db.exec(QStringLiteral("alter table d_word rename column word_sound to sound_file"));
    ModalDriver script(QList<ModalDriver::Step>{});
    guarded([&] { ShowWord(id, QStringLiteral("Week 1"), false, 0, 0); });

    QCOMPARE(f->boxes.errors(), QStringList{QStringLiteral("Field 'word_sound' not found.")});
    QVERIFY(script.seen().isEmpty());
}

// --- Keys and closing ----------------------------------------------------------------------------

void TestEditor::keys()
{
    const QString id = makeList(names("apple"));
    const auto editor = open(id);
    QVERIFY(press(editor.get(), "btnAdd"));
    typeInto(wordField(editor.get()), QStringLiteral("pear"));

    QTest::keyClick(wordField(editor.get()), Qt::Key_Return);
    QTest::keyClick(soundField(editor.get()), Qt::Key_Enter);
    QTest::keyClick(wordField(editor.get()), Qt::Key_Escape);
    QVERIFY(editor->isVisible());
    QCOMPARE(shownRows(list(editor.get())), names("apple"));

    // Enter presses the focused button.
    auto *save = child<QPushButton>(editor.get(), "btnSave");
    save->setFocus();
    QTest::keyClick(save, Qt::Key_Return);
    QCOMPARE(shownRows(list(editor.get())), names("apple pear"));
    QVERIFY(editor->isVisible());
    QCOMPARE(disagreement(editor.get(), id), QString());
}

void TestEditor::closeWhileEditing()
{
    const QString id = makeList(names("apple"));
    const auto editor = open(id);
    clickRow(list(editor.get()), 0);
    QVERIFY(press(editor.get(), "btnEdit"));
    typeInto(wordField(editor.get()), QStringLiteral("typed"));
    QVERIFY(editor->close());
    QVERIFY(!editor->isVisible());
    QCOMPARE(storedOrder(id), names("apple"));
    QVERIFY(f->boxes.boxes().isEmpty());
}

SPELLDECK_TEST_MAIN(TestEditor)
#include "tst_editor.moc"
