// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The editor driven as a user drives it, for kill_edits.py and disk_full.sh, which stop it or starve
// it from outside. Run in a folder holding data/data.db:
//
//     edit_stream LIST_ID SEED     edits the list for ever: before each edit a line "intend" with
//                                  the list as it will be stored, after it a line "done" with the
//                                  list as stored once the window shows the edit: JSON objects of
//                                  word id: [word, position] (a word being added is "new")
//     edit_stream LIST_ID --speak WORD
//                                  adds WORD with a recording made by Speak, then prints a "word"
//                                  line for each word the window shows and a "box" line for every
//                                  message shown
#include "Application.h"
#include "ListEntries.h"
#include "ScriptedToolkit.h"
#include "Widgets.h"
#include "uDM.h"
#include "uEditor.h"
#include "uGlobal.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>

#include <cstdio>
#include <utility>

namespace {

QListWidget *wordList(const QWidget *editor)
{
    return child<QListWidget>(editor, "lstWord");
}

QLineEdit *wordField(const QWidget *editor)
{
    return child<QLineEdit>(editor, "edtWord");
}

struct Row
{
    QString word;
    int position;
    bool operator==(const Row &other) const = default;
};

QList<Row> shownWords(const QListWidget *list)
{
    QList<Row> rows;
    for (int row = 0; row < list->count(); ++row)
        rows.append({list->item(row)->text(), entryRecord<TData>(list->item(row))->Order});
    return rows;
}

// What the list holds in the database, by word id: [name, position]. A word the next edit adds has no
// id yet and goes under "new".
using Stored = QMap<QString, QJsonArray>;

Stored stored(const QString &listId)
{
    QSqlDatabase db = QSqlDatabase::database(QStringLiteral("stored"));
    QSqlQuery query(db);
    query.prepare(QStringLiteral("select word_id, word_name, word_order from d_word where type_id = ?"));
    query.addBindValue(listId);
    Stored rows;
    if (!query.exec())
        return rows;
    while (query.next())
        rows.insert(query.value(0).toString(), QJsonArray{query.value(1).toString(), query.value(2).toInt()});
    return rows;
}

void print(const char *what, const Stored &rows)
{
    QJsonObject object;
    for (auto row = rows.cbegin(); row != rows.cend(); ++row)
        object.insert(row.key(), row.value());
    std::printf("%s %s\n", what, QJsonDocument(object).toJson(QJsonDocument::Compact).constData());
    std::fflush(stdout);
}

QString idAt(const QListWidget *list, int row)
{
    return entryRecord<TData>(list->item(row))->ID;
}

// A word unlike the last, with what a list may hold: quotes, accents, another script.
QString wordFor(int serial)
{
    static const char *const kinds[] = {"w%1", "l'\xC3\xA9t\xC3\xA9 %1", "\"q\" %1", "\xE6\xBC\xA2 %1",
                                        "ice cream %1"};
    return QString::fromUtf8(kinds[serial % 5]).arg(serial);
}

int stream(TfrmEditor *editor, ScriptedToolkit &boxes, const QString &listId, quint32 seed)
{
    QRandomGenerator random(seed);
    QListWidget *list = wordList(editor);
    for (int serial = 1;; ++serial) {
        QList<Row> words = shownWords(list);
        Stored expected = stored(listId);
        const int count = int(words.size());
        const int choice = count == 0 ? 0 : int(random.bounded(count < 40 ? 5 : 4)) + (count < 40 ? 0 : 1);
        const int row = count == 0 ? 0 : int(random.bounded(count));
        if (choice == 0) {
            words.append({wordFor(serial), count + 1});
            expected.insert(QStringLiteral("new"), QJsonArray{words.constLast().word, count + 1});
            print("intend", expected);
            press(editor, "btnAdd");
            typeInto(wordField(editor), words.constLast().word);
            press(editor, "btnSave");
        } else if (choice == 1) {
            words[row].word = wordFor(serial);
            expected[idAt(list, row)][0] = words.at(row).word;
            print("intend", expected);
            clickRow(list, row);
            press(editor, "btnEdit");
            typeInto(wordField(editor), words.at(row).word);
            press(editor, "btnSave");
        } else if (choice == 2) {
            words.removeAt(row);
            expected.remove(idAt(list, row));
            print("intend", expected);
            clickRow(list, row);
            boxes.answerQuestion(true);
            press(editor, "btnRemove");
        } else {
            const bool up = choice == 3;
            const int other = up ? row - 1 : row + 1;
            if (other < 0 || other >= count)
                continue;
            // The words change places; the places keep their positions, which both words are stored with.
            std::swap(words[row].word, words[other].word);
            expected[idAt(list, row)][1] = words.at(other).position;
            expected[idAt(list, other)][1] = words.at(row).position;
            print("intend", expected);
            clickRow(list, row);
            press(editor, up ? "btnUp" : "btnDown");
        }
        const QList<Row> shown = shownWords(list);
        Stored now = stored(listId);
        if (expected.contains(QStringLiteral("new")))
            expected.insert(idAt(list, int(shown.size()) - 1), expected.take(QStringLiteral("new")));
        // The question of a removal is the only box an edit may show.
        if (shown != words || now != expected || !boxes.boxes(ScriptedToolkit::Error).isEmpty() ||
            !boxes.boxes(ScriptedToolkit::Information).isEmpty()) {
            print("unexpected", now);
            for (const ScriptedToolkit::Box &box : boxes.boxes())
                std::printf("box %s\n", qPrintable(box.text));
            return 2;
        }
        boxes.clear();
        print("done", now);
    }
}

int speak(TfrmEditor *editor, ScriptedToolkit &boxes, const QString &word)
{
    press(editor, "btnAdd");
    typeInto(wordField(editor), word);
    if (!press(editor, "btnSpeak"))
        std::printf("box Speak is off\n");
    press(editor, "btnSave");
    for (const Row &row : shownWords(wordList(editor)))
        std::printf("word %s\n", qPrintable(row.word));
    for (const ScriptedToolkit::Box &box : boxes.boxes())
        std::printf("box %s\n", qPrintable(box.text.simplified()));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    Application app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    // The voice chosen and the windows' places stay out of the user's settings.
    QStandardPaths::setTestModeEnabled(true);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3 && !(arguments.size() == 4 && arguments.at(2) == QLatin1String("--speak"))) {
        std::fprintf(stderr, "usage: edit_stream LIST_ID SEED | edit_stream LIST_ID --speak WORD\n");
        return 64;
    }
    ScriptedToolkit boxes;
    TDM dm;
    auto editor = TfrmEditor::Create(nullptr, arguments.at(1), QStringLiteral("Stream"), false, 100, 50);
    editor->show();
    // The voices are looked up once the window shows.
    QCoreApplication::processEvents();
    try {
        if (arguments.size() == 4)
            return speak(editor.get(), boxes, arguments.at(3));
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("stored"));
        db.setDatabaseName(QStringLiteral("data/data.db"));
        if (!db.open())
            return 4;
        return stream(editor.get(), boxes, arguments.at(1), arguments.at(2).toUInt());
    } catch (const MissingControl &) {
        return 3;
    }
}
