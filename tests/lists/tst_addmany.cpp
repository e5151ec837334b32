// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Many words at once through the real windows: the editor's Add many words... window (typed words,
// recordings, word list files, spoken recordings, Cancel, a failing database) and Export list..., whose
// package comes back through the same window.
#include "EditorOnList.h"
#include "ModalDriver.h"
#include "ScriptedToolkit.h"
#include "TestDatabase.h"
#include "TestMain.h"
#include "Widgets.h"
#include "uAddMany.h"
#include "uDM.h"
#include "uEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QTreeWidget>

#include <memory>

namespace {

QString fixture(const QString &name)
{
    return QStringLiteral(SPELLDECK_FIXTURES "/") + name;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable " + path.toUtf8() + ")");
}

struct Fixture
{
    ScriptedToolkit boxes;
    TestDatabase db;
    TDM dm;
};

QStringList recordingsOnDisk()
{
    return QDir(QStringLiteral("data/sounds")).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// The preview's rows as "word|recording state".
QStringList preview(const QWidget *window)
{
    auto *tree = child<QTreeWidget>(window, "lstPreview");
    QStringList rows;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        rows << tree->topLevelItem(i)->text(0) + QLatin1Char('|') + tree->topLevelItem(i)->text(1);
    return rows;
}

void paste(const QWidget *window, const QString &text)
{
    auto *words = child<QPlainTextEdit>(window, "txtWords");
    words->setFocus();
    words->setPlainText(text);
}

// The rows ("word|sound", a sound perhaps followed by "=" and where it came from) as this backend
// stores them: the sound file's path on the file, on a server the name of the recording made of it.
QStringList asStored(const QStringList &rows)
{
    QStringList result;
    for (const QString &row : rows) {
        QString sound = row.section(QLatin1Char('|'), 1);
        const qsizetype mark = sound.indexOf(QLatin1Char('='));
        const QString origin = mark >= 0 ? sound.mid(mark) : QString();
        sound.chop(origin.size());
        // On a server the recording's name says its bytes: those of the fixture it came from.
        if (TestDatabase::onServer() && !origin.isEmpty())
            result << row.section(QLatin1Char('|'), 0, 0) + QLatin1Char('|') +
                          TestDatabase::storedSound(fixture(origin.mid(1) + QStringLiteral(".mp3")));
        else
            result << row.section(QLatin1Char('|'), 0, 0) + QLatin1Char('|') +
                          TestDatabase::storedSound(sound) + origin;
    }
    return result;
}

} // namespace

class TestAddMany : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controls();
    void pastedWordsAreAppended_data();
    void pastedWordsAreAppended();
    void wordTooLongIsSaidWhileTyping();
    void wordsFromRecordings();
    void wordsFromFiles_data();
    void wordsFromFiles();
    void vocabularyLanguageIsChosen();
    void unreadableFileKeepsTheWords();
    void missingWordsAreSpoken();
    void cancelDuringSynthesisStoresNothing();
    void failingDatabaseStoresNothing();
    void exportThenImport();
    void exportCancelledWritesNothing();

private:
    // An editor on a list of the given words, shown, its voices filled.
    std::unique_ptr<TfrmEditor> open(const QString &name,
                                     const QList<std::pair<QString, QString>> &words = {});
    // Opens Add many words... from `editor` and hands the window to `step`.
    void addMany(TfrmEditor *editor, const ModalDriver::Step &step, QList<ModalDriver::Step> more = {});
    QString m_listId;
    std::unique_ptr<Fixture> f;
};

void TestAddMany::initTestCase()
{
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", "/dev/null");
}

void TestAddMany::init()
{
    QSettings().clear();
    f = std::make_unique<Fixture>();
}

void TestAddMany::cleanup()
{
    f.reset();
}

std::unique_ptr<TfrmEditor> TestAddMany::open(const QString &name,
                                              const QList<std::pair<QString, QString>> &words)
{
    return editorOnNewList(f->db, name, words, m_listId);
}

void TestAddMany::addMany(TfrmEditor *editor, const ModalDriver::Step &step, QList<ModalDriver::Step> more)
{
    more.prepend(step);
    const ModalDriver driver(more);
    if (!press(editor, "btnAddMany"))
        QTest::qFail("Add many words... cannot be pressed", __FILE__, __LINE__);
    if (QTest::currentTestFailed())
        return;
    if (driver.stepsLeft() != 0)
        QTest::qFail(qPrintable(QStringLiteral("%1 windows never came").arg(driver.stepsLeft())), __FILE__,
                     __LINE__);
}

void TestAddMany::controls()
{
    const auto editor = open(QStringLiteral("Week 1"), {{"apple", ""}});
    const struct
    {
        const char *name;
        QRect geometry;
        const char *text;
    } buttons[] = {{"btnAddMany", {280, 278, 136, 25}, "Add &many words..."},
                   {"btnExport", {422, 278, 110, 25}, "E&xport list..."}};
    for (const auto &expected : buttons) {
        auto *button = child<QPushButton>(editor.get(), expected.name);
        QCOMPARE(button->geometry(), expected.geometry);
        QCOMPARE(button->text(), QString::fromLatin1(expected.text));
        QVERIFY(!button->autoDefault() && !button->isDefault());
    }
    // After the recording controls in tab order.
    QCOMPARE(nextTabStop(child(editor.get(), "btnListen")), child(editor.get(), "btnAddMany"));
    QCOMPARE(nextTabStop(child(editor.get(), "btnAddMany")), child(editor.get(), "btnExport"));

    // Usable only while no word is being added or changed.
    const auto usable = [&] {
        return child(editor.get(), "btnAddMany")->isEnabled() &&
               child(editor.get(), "btnExport")->isEnabled();
    };
    QVERIFY(usable());
    QVERIFY(press(editor.get(), "btnAdd"));
    QVERIFY(!child(editor.get(), "btnAddMany")->isEnabled());
    QVERIFY(!child(editor.get(), "btnExport")->isEnabled());
    QVERIFY(press(editor.get(), "btnCancel"));
    QVERIFY(usable());
    clickRow(child<QListWidget>(editor.get(), "lstWord"), 0);
    QVERIFY(press(editor.get(), "btnEdit"));
    QVERIFY(!child(editor.get(), "btnAddMany")->isEnabled());
    QVERIFY(press(editor.get(), "btnCancel"));
    // An empty list has nothing to export.
    f->boxes.answerQuestion(true);
    QVERIFY(press(editor.get(), "btnRemove"));
    QCOMPARE(shownRows(child<QListWidget>(editor.get(), "lstWord")), QStringList());
    QVERIFY(child(editor.get(), "btnAddMany")->isEnabled());
    QVERIFY(!child(editor.get(), "btnExport")->isEnabled());

    addMany(editor.get(), [](QWidget *window) {
        QCOMPARE(window->windowTitle(), QStringLiteral("Add many words"));
        QCOMPARE(window->size(), QSize(520, 444));
        QCOMPARE(window->focusWidget(), child(window, "txtWords"));
        QCOMPARE(child<QLabel>(window, "lblHint")->text(),
                 QStringLiteral("Blank lines are skipped and the blanks around each word are dropped."));
        QVERIFY(!child(window, "btnAdd")->isEnabled()); // nothing to add yet
        QVERIFY(child(window, "cmbLanguage")->isHidden());
        QVERIFY(press(window, "btnCancel"));
    });
    QCOMPARE(f->db.scalar(QStringLiteral("select count(*) from d_word")), QStringLiteral("0"));
}

void TestAddMany::pastedWordsAreAppended_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("blank lines and blanks around words") << "  cat \n\n\t dog\t\n   \nice cream\n"
                                                         << QStringList{"cat", "dog", "ice cream"};
    QTest::newRow("Windows line ends") << "cat\r\ndog\r\n" << QStringList{"cat", "dog"};
    QTest::newRow("old Mac line ends") << "cat\rdog" << QStringList{"cat", "dog"};
    QTest::newRow("byte-order mark") << QStringLiteral("\uFEFFcat\ndog") << QStringList{"cat", "dog"};
    QTest::newRow("quotes and other scripts") << QStringLiteral("say \"hi\"\nit's\nGröße\nмышь")
                                              << QStringList{"say \"hi\"", "it's", "Größe", "мышь"};
}

void TestAddMany::pastedWordsAreAppended()
{
    QFETCH(QString, text);
    QFETCH(QStringList, words);
    const auto editor = open(QStringLiteral("Week 1"), {{"apple", ""}, {"pear", ""}});
    addMany(editor.get(), [&](QWidget *window) {
        auto *speak = child<QCheckBox>(window, "chkSpeak");
        QVERIFY(speak->isChecked()); // the editor has a voice
        speak->click();
        paste(window, text);
        QStringList expected;
        for (const QString &word : words)
            expected << word + QStringLiteral("|none");
        QCOMPARE(preview(window), expected);
        QVERIFY(press(window, "btnAdd"));
    });
    QCOMPARE(f->boxes.errors(), QStringList());
    // After the last word, positions continuing, in order; each its own id.
    QStringList stored;
    for (int i = 0; i < words.size(); ++i)
        stored << QStringLiteral("%1|%2|").arg(i + 3).arg(words.at(i));
    QCOMPARE(
        f->db.rows(QStringLiteral("select word_order, word_name, word_sound from d_word where word_order > 2 "
                                  "order by word_order")),
        stored);
    QCOMPARE(f->db.scalar(QStringLiteral("select count(distinct word_id) from d_word")),
             QString::number(words.size() + 2));
    QCOMPARE(shownRows(child<QListWidget>(editor.get(), "lstWord")), (QStringList{"apple", "pear"} + words));
    QVERIFY(recordingsOnDisk().isEmpty());
    // They move as any other word: the last one up past the one before it.
    auto *list = child<QListWidget>(editor.get(), "lstWord");
    clickRow(list, list->count() - 1);
    QVERIFY(press(editor.get(), "btnUp"));
    QStringList moved = QStringList{"apple", "pear"} + words;
    moved.swapItemsAt(moved.size() - 1, moved.size() - 2);
    QCOMPARE(f->db.column(QStringLiteral("select word_name from d_word order by word_order")), moved);
    QCOMPARE(f->db.scalar(QStringLiteral("select max(word_order) from d_word")),
             QString::number(words.size() + 2));
}

void TestAddMany::wordTooLongIsSaidWhileTyping()
{
    const auto editor = open(QStringLiteral("Week 1"));
    addMany(editor.get(), [&](QWidget *window) {
        paste(window, QStringLiteral("cat\n") + QString(256, QLatin1Char('x')));
        QCOMPARE(child<QLabel>(window, "lblSource")->text(),
                 QStringLiteral("Line 2 of the pasted text: the word is longer than 255 characters."));
        QCOMPARE(preview(window), QStringList());
        QVERIFY(!child(window, "btnAdd")->isEnabled());
        // Shortened by one, it is a word.
        paste(window, QStringLiteral("cat\n") + QString(255, QLatin1Char('x')));
        QCOMPARE(child<QLabel>(window, "lblSource")->text(), QString());
        QCOMPARE(preview(window).size(), 2);
        // Not spoken: 255 letters, spelt one by one, are more than a minute of sound.
        child<QCheckBox>(window, "chkSpeak")->setChecked(false);
        QVERIFY(press(window, "btnAdd"));
    });
    QCOMPARE(f->db.scalar(QStringLiteral("select max(length(word_name)) from d_word")),
             QStringLiteral("255"));
}

void TestAddMany::wordsFromRecordings()
{
    QVERIFY(QDir().mkpath(QStringLiteral("chosen")));
    const QString ice = QDir::current().absoluteFilePath(QStringLiteral("chosen/ice_cream.mp3"));
    const QString creme = QDir::current().absoluteFilePath(QStringLiteral("chosen/crème brûlée.mp3"));
    QVERIFY(QFile::copy(fixture("cat.mp3"), ice));
    QVERIFY(QFile::copy(fixture("house.mp3"), creme));
    f->boxes.answerOpenFiles({ice, creme});
    const auto editor = open(QStringLiteral("Week 1"));
    addMany(editor.get(), [&](QWidget *window) {
        QVERIFY(press(window, "btnFromRecordings"));
        QCOMPARE(preview(window), (QStringList{"ice cream|found", "crème brûlée|found"}));
        QCOMPARE(child<QLabel>(window, "lblSource")->text(), QStringLiteral("From 2 recordings"));
        QVERIFY(press(window, "btnAdd"));
    });
    QCOMPARE(f->boxes.boxes(ScriptedToolkit::OpenFiles).size(), 1);
    QCOMPARE(f->db.rows(QStringLiteral("select word_name, word_sound from d_word order by word_order")),
             asStored({"ice cream|" + ice, "crème brûlée|" + creme}));
    QVERIFY(recordingsOnDisk().isEmpty()); // chosen recordings are used where they are
}

void TestAddMany::wordsFromFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("stored"); // word|sound, a sound under data/sounds by its contents
    const QString cat = fixture("cat.mp3");
    const QString house = fixture("house.mp3");
    QTest::newRow("text") << "words.txt"
                          << QStringList{"apple|none", "ice cream|none", "Größe|none", "house|none"}
                          << QStringList{"apple|", "ice cream|", "Größe|", "house|"};
    QTest::newRow("CSV with a header and relative recordings")
        << "words.csv"
        << QStringList{"cat|found", "ice cream, vanilla|none", "say \"hi\"|none", "house|found"}
        << QStringList{"cat|" + QFileInfo(cat).absoluteFilePath(), "ice cream, vanilla|", "say \"hi\"|",
                       "house|" + QFileInfo(house).absoluteFilePath()};
    QTest::newRow("package") << "words.spelldeck"
                             << QStringList{"cat|found", "house|found", "kitten|found", "garden|none"}
                             << QStringList{"cat|data/sounds/cat.mp3=cat",
                                            "house|data/sounds/house.mp3=house",
                                            "kitten|data/sounds/cat.mp3=cat", "garden|"};
}

void TestAddMany::wordsFromFiles()
{
    QFETCH(QString, file);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, stored);
    f->boxes.answerOpenFile(fixture(QStringLiteral("exchange/") + file));
    const auto editor = open(QStringLiteral("Week 1"), {{"apple", ""}});
    addMany(editor.get(), [&](QWidget *window) {
        child<QCheckBox>(window, "chkSpeak")->click(); // not spoken
        paste(window, QStringLiteral("typed words give way"));
        QVERIFY(press(window, "btnFromFile"));
        QCOMPARE(preview(window), shown);
        QCOMPARE(child<QLabel>(window, "lblSource")->text(), QStringLiteral("From \"%1\"").arg(file));
        QCOMPARE(child<QPlainTextEdit>(window, "txtWords")->toPlainText(), QString());
        QVERIFY(press(window, "btnAdd"));
    });
    QCOMPARE(f->boxes.errors(), QStringList());
    // A recording brought in from a package is compared by its contents.
    QStringList actual;
    for (const QString &row : f->db.rows(QStringLiteral(
             "select word_name, word_sound from d_word where word_order > 1 order by word_order"))) {
        const QString sound = row.section(QLatin1Char('|'), 1);
        if (sound.startsWith(QStringLiteral("data/sounds/"))) {
            const QByteArray bytes = contents(sound);
            const QString origin = bytes == contents(fixture("cat.mp3"))     ? QStringLiteral("cat")
                                   : bytes == contents(fixture("house.mp3")) ? QStringLiteral("house")
                                                                             : QStringLiteral("other");
            actual << row + QLatin1Char('=') + origin;
        } else {
            actual << row;
        }
    }
    QCOMPARE(actual, asStored(stored));
    // One file per recording in the package, however many words share it.
    QCOMPARE(recordingsOnDisk(), file.endsWith(QStringLiteral(".spelldeck"))
                                     ? (QStringList{"cat.mp3", "house.mp3"})
                                     : QStringList());
}

void TestAddMany::vocabularyLanguageIsChosen()
{
    f->boxes.answerOpenFile(fixture("exchange/words.kvtml"));
    const auto editor = open(QStringLiteral("Week 1"));
    addMany(editor.get(), [&](QWidget *window) {
        child<QCheckBox>(window, "chkSpeak")->click();
        QVERIFY(press(window, "btnFromFile"));
        auto *languages = child<QComboBox>(window, "cmbLanguage");
        QVERIFY(languages->isVisible());
        QCOMPARE(languages->currentText(), QStringLiteral("English"));
        QCOMPARE(preview(window), (QStringList{"cat|found", "house|none", "fish & chips|none"}));
        languages->setCurrentIndex(1);
        emit languages->activated(1);
        QCOMPARE(preview(window), (QStringList{"Katze|none", "Haus|found", "Maus|none"}));
        QVERIFY(press(window, "btnAdd"));
    });
    QCOMPARE(f->db.rows(QStringLiteral("select word_name, word_sound from d_word order by word_order")),
             asStored({"Katze|", "Haus|" + QFileInfo(fixture("house.mp3")).absoluteFilePath(), "Maus|"}));
}

void TestAddMany::unreadableFileKeepsTheWords()
{
    QFile empty(QStringLiteral("empty.txt"));
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();
    f->boxes.answerOpenFile(QDir::current().absoluteFilePath(QStringLiteral("empty.txt")));
    const auto editor = open(QStringLiteral("Week 1"));
    addMany(editor.get(), [&](QWidget *window) {
        child<QCheckBox>(window, "chkSpeak")->click();
        paste(window, QStringLiteral("cat\ndog"));
        QVERIFY(press(window, "btnFromFile"));
        QCOMPARE(f->boxes.errors().size(), 1);
        QVERIFY2(f->boxes.errors().constFirst().contains(QStringLiteral("empty.txt")),
                 qPrintable(f->boxes.errors().constFirst()));
        // What was typed is still there, and still what Add adds.
        QCOMPARE(child<QPlainTextEdit>(window, "txtWords")->toPlainText(), QStringLiteral("cat\ndog"));
        QCOMPARE(preview(window), (QStringList{"cat|none", "dog|none"}));
        QVERIFY(press(window, "btnAdd"));
    });
    QCOMPARE(f->db.column(QStringLiteral("select word_name from d_word order by word_order")),
             (QStringList{"cat", "dog"}));
}

void TestAddMany::missingWordsAreSpoken()
{
    f->boxes.answerOpenFile(fixture("exchange/words.csv"));
    const auto editor = open(QStringLiteral("Week 1"));
    addMany(editor.get(), [&](QWidget *window) {
        QVERIFY(press(window, "btnFromFile"));
        QCOMPARE(preview(window), (QStringList{"cat|found", "ice cream, vanilla|will be spoken",
                                               "say \"hi\"|will be spoken", "house|found"}));
        QVERIFY(press(window, "btnAdd"));
    });
    QCOMPARE(f->boxes.errors(), QStringList());
    QCOMPARE(f->db.rows(QStringLiteral("select word_name, word_sound from d_word order by word_order")),
             asStored({"cat|" + QFileInfo(fixture("cat.mp3")).absoluteFilePath(),
                       "ice cream, vanilla|data/sounds/ice_cream__vanilla.mp3",
                       "say \"hi\"|data/sounds/say__hi_.mp3",
                       "house|" + QFileInfo(fixture("house.mp3")).absoluteFilePath()}));
    QCOMPARE(recordingsOnDisk(), (QStringList{"ice_cream__vanilla.mp3", "say__hi_.mp3"}));
    QVERIFY(contents(QStringLiteral("data/sounds/say__hi_.mp3")).size() > 1000);
}

void TestAddMany::cancelDuringSynthesisStoresNothing()
{
    // Enough words that speaking them outlasts the wait before the progress window shows.
    QStringList words;
    for (int i = 1; i <= 1500; ++i)
        words << QStringLiteral("word number %1").arg(i);
    const auto editor = open(QStringLiteral("Week 1"), {{"apple", ""}});
    bool added = false;
    int firstValue = -1;
    bool cancelled = false;
    const ModalDriver driver([&](QWidget *window) {
        if (auto *progress = qobject_cast<QProgressDialog *>(window)) {
            // The window answers while the words are spoken: its bar moves, then Cancel is clicked.
            if (cancelled)
                return true;
            [&] { QCOMPARE(progress->windowTitle(), QStringLiteral("Speaking the words...")); }();
            if (firstValue < 0)
                firstValue = progress->value();
            else if (progress->value() > firstValue) {
                cancelled = true;
                QTest::mouseClick(progress->findChild<QPushButton *>(), Qt::LeftButton);
            }
            return true;
        }
        if (added)
            return false;
        added = true;
        [&] {
            paste(window, words.join(QLatin1Char('\n')));
            QVERIFY(press(window, "btnAdd"));
            // Cancelled: the window stays, as it was, for another try.
            QVERIFY(cancelled);
            QVERIFY(window->isVisible());
            QCOMPARE(preview(window).size(), 1500);
            QVERIFY(press(window, "btnCancel"));
        }();
        return true;
    });
    QVERIFY(press(editor.get(), "btnAddMany"));
    QVERIFY(added);
    QCOMPARE(f->boxes.errors(), QStringList());
    QCOMPARE(f->db.column(QStringLiteral("select word_name from d_word")), QStringList{"apple"});
    QCOMPARE(recordingsOnDisk(), QStringList());
    QCOMPARE(shownRows(child<QListWidget>(editor.get(), "lstWord")), QStringList{"apple"});
}

void TestAddMany::failingDatabaseStoresNothing()
{
    const auto editor = open(QStringLiteral("Week 1"), {{"apple", ""}});
    if (!f->db.setReadOnly(true))
        QSKIP(qPrintable(f->db.readOnlyProblem()));
    addMany(editor.get(), [&](QWidget *window) {
        paste(window, QStringLiteral("cat\ndog"));
        QVERIFY(press(window, "btnAdd"));
        QCOMPARE(f->boxes.errors().size(), 1);
        QVERIFY(window->isVisible()); // the words are not lost: the window stays for another try
        QCOMPARE(preview(window), (QStringList{"cat|will be spoken", "dog|will be spoken"}));
        QVERIFY(press(window, "btnCancel"));
    });
    QVERIFY(f->db.setReadOnly(false));
    QCOMPARE(f->db.column(QStringLiteral("select word_name from d_word")), QStringList{"apple"});
    // The recordings spoken for the words are removed again.
    QCOMPARE(recordingsOnDisk(), QStringList());
    QCOMPARE(shownRows(child<QListWidget>(editor.get(), "lstWord")), QStringList{"apple"});
}

void TestAddMany::exportThenImport()
{
    QVERIFY(QDir().mkpath(QStringLiteral("shared")));
    const QString package = QDir::current().absoluteFilePath(QStringLiteral("shared/week.spelldeck"));
    {
        const auto editor = open(QStringLiteral("Week \"1\""), {{"cat", fixture("cat.mp3")},
                                                                {"say \"hi\"", fixture("house.mp3")},
                                                                {"gone", "nowhere/gone.mp3"},
                                                                {"Größe", ""},
                                                                {"kitten", fixture("cat.mp3")}});
        f->boxes.answerSaveFile(QDir::current().absoluteFilePath(QStringLiteral("shared/week")));
        QVERIFY(press(editor.get(), "btnExport"));
        // The list's name, without the characters no file name may hold, is offered.
        QCOMPARE(f->boxes.boxes(ScriptedToolkit::SaveFile).constFirst().initial.section(QLatin1Char('|'), 1),
                 QStringLiteral("Week _1_.spelldeck"));
        QCOMPARE(f->boxes.errors(), QStringList());
        const QList<ScriptedToolkit::Box> told = f->boxes.boxes(ScriptedToolkit::Information);
        QCOMPARE(told.size(), 1);
        QCOMPARE(
            told.constFirst().text,
            QStringLiteral("5 words were exported to \"%1\"; 2 of them without a recording, since none was "
                           "found.")
                .arg(package));
    }
    QVERIFY(QFileInfo::exists(package));
    QCOMPARE(QDir(QStringLiteral("shared")).entryList(QDir::Files | QDir::Hidden),
             QStringList{"week.spelldeck"});

    f->boxes.answerOpenFile(package);
    const auto other = open(QStringLiteral("Another"));
    addMany(other.get(), [&](QWidget *window) {
        child<QCheckBox>(window, "chkSpeak")->click();
        QVERIFY(press(window, "btnFromFile"));
        QCOMPARE(preview(window),
                 (QStringList{"cat|found", "say \"hi\"|found", "gone|none", "Größe|none", "kitten|found"}));
        QVERIFY(press(window, "btnAdd"));
    });
    QCOMPARE(f->db.rows(QStringLiteral(
                            "select word_name, word_sound from d_word where type_id = ? order by word_order"),
                        {m_listId}),
             asStored({"cat|data/sounds/cat.mp3", "say \"hi\"|data/sounds/say__hi_.mp3", "gone|", "Größe|",
                       "kitten|data/sounds/cat.mp3"}));
    QCOMPARE(contents(QStringLiteral("data/sounds/cat.mp3")), contents(fixture("cat.mp3")));
    QCOMPARE(contents(QStringLiteral("data/sounds/say__hi_.mp3")), contents(fixture("house.mp3")));
    QCOMPARE(shownRows(child<QListWidget>(other.get(), "lstWord")),
             (QStringList{"cat", "say \"hi\"", "gone", "Größe", "kitten"}));
}

void TestAddMany::exportCancelledWritesNothing()
{
    const auto editor = open(QStringLiteral("Week 1"), {{"cat", fixture("cat.mp3")}});
    f->boxes.answerSaveFile(std::nullopt);
    QVERIFY(press(editor.get(), "btnExport"));
    QCOMPARE(f->boxes.boxes(ScriptedToolkit::Information).size(), 0);
    QCOMPARE(QDir().entryList(QDir::Files), QStringList());
}

SPELLDECK_TEST_MAIN(TestAddMany)
#include "tst_addmany.moc"
