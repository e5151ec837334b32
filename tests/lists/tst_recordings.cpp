// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The editor's recordings: Speak, Record..., Listen, the voice, and the mark of a word whose recording
// cannot be found. Sound goes to SDL's disk driver, which writes what is played to a file.
#include "EditorOnList.h"
#include "FileNameEdit.h"
#include "MediaPlayer.h"
#include "ModalDriver.h"
#include "ScriptedToolkit.h"
#include "TestDatabase.h"
#include "TestMain.h"
#include "Widgets.h"
#include "uDM.h"
#include "uEditor.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QSettings>
#include <QToolTip>

#include <memory>

namespace {

QString fixture(const QString &name)
{
    return QStringLiteral(SPELLDECK_FIXTURES "/") + name;
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

} // namespace

class TestRecordings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void enginesOpenOnFirstUse();
    void controls();
    void buttonsFollowTheEditorsState();
    void speakThenSaveKeepsTheRecording();
    void abandonedRecordingsLeaveNoFile_data();
    void abandonedRecordingsLeaveNoFile();
    void speakRefusals_data();
    void speakRefusals();
    void voiceIsRemembered();
    void storedVoiceIsRead_data();
    void storedVoiceIsRead();
    void voiceListShowsEachVoiceOnce();
    void listenPlaysTheRecording_data();
    void listenPlaysTheRecording();
    void missingRecordingIsMarked();

private:
    // An editor on a list of the given words (sounds as given), shown, its voices filled.
    std::unique_ptr<TfrmEditor> open(const QList<std::pair<QString, QString>> &words = {});
    QString m_listId;
    std::unique_ptr<Fixture> f;
};

void TestRecordings::initTestCase()
{
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", "/dev/null");
}

void TestRecordings::init()
{
    QSettings().clear();
    f = std::make_unique<Fixture>();
}

void TestRecordings::cleanup()
{
    f.reset();
}

std::unique_ptr<TfrmEditor> TestRecordings::open(const QList<std::pair<QString, QString>> &words)
{
    return editorOnNewList(f->db, QStringLiteral("Week 1"), words, m_listId);
}

void TestRecordings::enginesOpenOnFirstUse()
{
    // First of all tests here: nothing has spoken yet in this process.
    const auto loaded = [](const char *library) {
        QFile maps(QStringLiteral("/proc/self/maps"));
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
    };
    const QString id = f->db.addList(QStringLiteral("Week 1"));
    const auto editor = TfrmEditor::Create(nullptr, id, QStringLiteral("Week 1"), false, 100, 50);
    QVERIFY(!loaded("libflite"));
    QVERIFY(!loaded("libespeak-ng"));
    editor->show();
    auto *voices = child<QComboBox>(editor.get(), "cmbVoice");
    QTRY_VERIFY(voices->count() > 100);
    QVERIFY(loaded("libflite.so"));
    QVERIFY(loaded("libflite_cmu_us_rms.so"));
    QVERIFY(loaded("libespeak-ng.so"));
}

void TestRecordings::controls()
{
    const auto editor = open();
    const struct
    {
        const char *name;
        QRect geometry;
        const char *text;
    } controls[] = {{"cmbVoice", {330, 200, 279, 24}, ""},
                    {"btnSpeak", {280, 232, 75, 25}, "S&peak"},
                    {"btnRecord", {361, 232, 75, 25}, "&Record..."},
                    {"btnListen", {442, 232, 75, 25}, "&Listen"}};
    for (const auto &expected : controls) {
        QWidget *control = child(editor.get(), expected.name);
        QCOMPARE(control->geometry(), expected.geometry);
        if (auto *button = qobject_cast<QPushButton *>(control)) {
            QCOMPARE(button->text(), QString::fromLatin1(expected.text));
            QVERIFY(!button->autoDefault() && !button->isDefault());
        }
    }
    auto *label = child<QLabel>(editor.get(), "lblVoice");
    QCOMPARE(label->text(), QStringLiteral("&Voice:"));
    QCOMPARE(label->buddy(), child(editor.get(), "cmbVoice"));
    QVERIFY(label->geometry().right() < 330);
    // After the editor's own controls in tab order.
    QCOMPARE(nextTabStop(child(editor.get(), "btnRemove")), child(editor.get(), "cmbVoice"));
    QCOMPARE(nextTabStop(child(editor.get(), "cmbVoice")), child(editor.get(), "btnSpeak"));
    QCOMPARE(nextTabStop(child(editor.get(), "btnSpeak")), child(editor.get(), "btnRecord"));
    QCOMPARE(nextTabStop(child(editor.get(), "btnRecord")), child(editor.get(), "btnListen"));
    // The C locale's voice: the clearest English one.
    QCOMPARE(child<QComboBox>(editor.get(), "cmbVoice")->currentText(),
             QStringLiteral("English (America), clear, male"));
    QCOMPARE(editor->voice(), QStringLiteral("flite/rms"));
    QVERIFY(child<TMediaPlayer>(editor.get(), "mp")->isHidden());
}

void TestRecordings::buttonsFollowTheEditorsState()
{
    const auto editor = open({{"apple", fixture("cat.mp3")}, {"pear", ""}});
    const auto enabled = [&] {
        QStringList names;
        for (const char *name : {"cmbVoice", "btnSpeak", "btnRecord", "btnListen"}) {
            if (child(editor.get(), name)->isEnabled())
                names << QString::fromLatin1(name);
        }
        return names.join(QLatin1Char(' '));
    };
    QCOMPARE(enabled(), QStringLiteral("cmbVoice"));
    clickRow(child<QListWidget>(editor.get(), "lstWord"), 0);
    QCOMPARE(enabled(), QStringLiteral("cmbVoice btnListen")); // the selected word's recording
    clickRow(child<QListWidget>(editor.get(), "lstWord"), 1);
    QCOMPARE(enabled(), QStringLiteral("cmbVoice")); // it has none
    QVERIFY(press(editor.get(), "btnAdd"));
    QCOMPARE(enabled(), QStringLiteral("cmbVoice btnRecord")); // nothing typed yet
    typeInto(child<QLineEdit>(editor.get(), "edtWord"), QStringLiteral("plum"));
    QCOMPARE(enabled(), QStringLiteral("cmbVoice btnSpeak btnRecord"));
    typeInto(child<QLineEdit>(editor.get(), "edtSound"), QStringLiteral("plum.mp3"));
    QCOMPARE(enabled(), QStringLiteral("cmbVoice btnSpeak btnRecord btnListen"));
    QVERIFY(press(editor.get(), "btnCancel"));
    QCOMPARE(enabled(), QStringLiteral("cmbVoice"));
}

void TestRecordings::speakThenSaveKeepsTheRecording()
{
    const auto editor = open({{"apple", fixture("cat.mp3")}});
    QVERIFY(press(editor.get(), "btnAdd"));
    typeInto(child<QLineEdit>(editor.get(), "edtWord"), QStringLiteral("school"));
    QVERIFY(press(editor.get(), "btnSpeak"));
    QCOMPARE(f->boxes.errors(), QStringList());
    // Relative, beside the database: it plays by the usual path rule wherever the data folder goes.
    QCOMPARE(child<FileNameEdit>(editor.get(), "edtSound")->fileName(),
             QStringLiteral("data/sounds/school.mp3"));
    QVERIFY(press(editor.get(), "btnSave"));
    QCOMPARE(f->db.rows(QStringLiteral("select word_name, word_sound from d_word where word_order = 2")),
             QStringList{"school|" + TestDatabase::storedSound(QStringLiteral("data/sounds/school.mp3"))});
    QCOMPARE(recordingsOnDisk(), QStringList{"school.mp3"});
    // It plays.
    TMediaPlayer player;
    player.setFileName(QStringLiteral("data/sounds/school.mp3"));
    player.Open();
    QVERIFY(player.Length() > 200);
}

void TestRecordings::abandonedRecordingsLeaveNoFile_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QString>("stored"); // the new word's sound, when it was saved
    QTest::newRow("Speak, then Cancel") << "cancel" << QStringList() << "";
    QTest::newRow("Speak, then the window closed") << "close" << QStringList() << "";
    QTest::newRow("Speak twice, then Save")
        << "twice" << QStringList{"school-2.mp3"} << "data/sounds/school-2.mp3";
    QTest::newRow("Speak, another file typed, Save") << "typed" << QStringList() << "other.mp3";
    QTest::newRow("Speak, then the word removed") << "removed" << QStringList() << "";
}

void TestRecordings::abandonedRecordingsLeaveNoFile()
{
    QFETCH(QString, how);
    QFETCH(QStringList, left);
    QFETCH(QString, stored);
    auto editor = open({{"school", ""}});
    auto *word = child<QLineEdit>(editor.get(), "edtWord");
    clickRow(child<QListWidget>(editor.get(), "lstWord"), 0);
    QVERIFY(press(editor.get(), "btnEdit"));
    QVERIFY(press(editor.get(), "btnSpeak"));
    QCOMPARE(recordingsOnDisk(), QStringList{"school.mp3"});
    if (how == "cancel") {
        QVERIFY(press(editor.get(), "btnCancel"));
    } else if (how == "close") {
        editor->close();
        editor.reset();
    } else if (how == "twice") {
        QVERIFY(press(editor.get(), "btnSpeak"));
        QVERIFY(press(editor.get(), "btnSave"));
    } else if (how == "typed") {
        typeInto(child<QLineEdit>(editor.get(), "edtSound"), QStringLiteral("other.mp3"));
        QVERIFY(press(editor.get(), "btnSave"));
    } else {
        f->boxes.answerQuestion(true);
        QVERIFY(press(editor.get(), "btnRemove"));
    }
    Q_UNUSED(word);
    QCOMPARE(recordingsOnDisk(), left);
    if (!stored.isEmpty())
        QCOMPARE(f->db.scalar(QStringLiteral("select word_sound from d_word")),
                 TestDatabase::storedSound(stored));
    else
        QVERIFY(f->db.scalar(QStringLiteral("select word_sound from d_word")).isEmpty());
    QCOMPARE(f->boxes.errors(), QStringList());
}

void TestRecordings::speakRefusals_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("folderBlocked");
    QTest::addColumn<QString>("message");
    QTest::newRow("only punctuation") << "?!." << false << "The voice says nothing for this text.";
    QTest::newRow("recordings folder cannot be made")
        << "apple" << true << "The folder \"data/sounds\" for recordings cannot be made.";
}

void TestRecordings::speakRefusals()
{
    QFETCH(QString, word);
    QFETCH(bool, folderBlocked);
    QFETCH(QString, message);
    const auto editor = open();
    if (folderBlocked) {
        QFile blocker(QStringLiteral("data/sounds"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    }
    QVERIFY(press(editor.get(), "btnAdd"));
    typeInto(child<QLineEdit>(editor.get(), "edtWord"), word);
    typeInto(child<QLineEdit>(editor.get(), "edtSound"), QStringLiteral("kept.mp3"));
    QVERIFY(press(editor.get(), "btnSpeak"));
    QCOMPARE(f->boxes.errors(), QStringList{message});
    // The field as it was, nothing stored, nothing written.
    QCOMPARE(child<FileNameEdit>(editor.get(), "edtSound")->fileName(), QStringLiteral("kept.mp3"));
    QCOMPARE(f->db.scalar(QStringLiteral("select count(*) from d_word")), QStringLiteral("0"));
    // The database's file (none when the lists are on a server), and the file that blocks the folder.
    QStringList expected = TestDatabase::onServer() ? QStringList{} : QStringList{"data.db"};
    if (folderBlocked)
        expected << QStringLiteral("sounds");
    QCOMPARE(QDir(QStringLiteral("data")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             expected);
}

void TestRecordings::voiceIsRemembered()
{
    {
        const auto editor = open();
        auto *voices = child<QComboBox>(editor.get(), "cmbVoice");
        const int german = voices->findText(QStringLiteral("German"));
        QVERIFY(german >= 0);
        voices->setFocus();
        voices->setCurrentIndex(german);
        emit voices->activated(german); // as the user's choice in the list
        QCOMPARE(editor->voice(), QStringLiteral("gmw/de"));
    }
    const auto again = open();
    QCOMPARE(child<QComboBox>(again.get(), "cmbVoice")->currentText(), QStringLiteral("German"));
    QCOMPARE(QSettings().value(QStringLiteral("recording/voice")).toString(), QStringLiteral("gmw/de"));
}

void TestRecordings::storedVoiceIsRead_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("voice");
    QTest::addColumn<QString>("shown");
    QTest::newRow("a Flite voice") << "flite/slt"
                                   << "flite/slt"
                                   << "English (America), female";
    QTest::newRow("espeak-ng's French, stored before") << "roa/fr"
                                                       << "roa/fr"
                                                       << "French (France)";
    QTest::newRow("espeak-ng's English, stored before: the clearer voice")
        << "gmw/en-US"
        << "flite/rms"
        << "English (America), clear, male";
    QTest::newRow("a voice no longer there") << "flite/kal"
                                             << "flite/rms"
                                             << "English (America), clear, male";
}

void TestRecordings::storedVoiceIsRead()
{
    QFETCH(QString, stored);
    QFETCH(QString, voice);
    QFETCH(QString, shown);
    QSettings().setValue(QStringLiteral("recording/voice"), stored);
    const auto editor = open();
    QCOMPARE(editor->voice(), voice);
    QCOMPARE(child<QComboBox>(editor.get(), "cmbVoice")->currentText(), shown);
    // What was stored stays until the user chooses.
    QCOMPARE(QSettings().value(QStringLiteral("recording/voice")).toString(), stored);
}

void TestRecordings::voiceListShowsEachVoiceOnce()
{
    const auto editor = open();
    auto *voices = child<QComboBox>(editor.get(), "cmbVoice");
    QStringList top;
    for (int i = 0; i < 4; ++i)
        top << voices->itemText(i) + QStringLiteral(" = ") + voices->itemData(i).toString();
    QCOMPARE(top,
             (QStringList{"English (America), clear, male = flite/rms",
                          "English (America), steady, male = flite/kal16",
                          "English (Scotland), male = flite/awb", "English (America), female = flite/slt"}));
    QSet<QString> texts;
    for (int i = 0; i < voices->count(); ++i) {
        QVERIFY2(!voices->itemData(i).toString().isEmpty(), qPrintable(voices->itemText(i)));
        texts.insert(voices->itemText(i));
    }
    QCOMPARE(texts.size(), voices->count());
    QVERIFY(texts.contains(QStringLiteral("German")));
    QVERIFY(!texts.contains(QStringLiteral("English (Great Britain)")));
    // Speak with the chosen Flite voice makes a recording that plays.
    QVERIFY(press(editor.get(), "btnAdd"));
    typeInto(child<QLineEdit>(editor.get(), "edtWord"), QStringLiteral("garden"));
    QVERIFY(press(editor.get(), "btnSpeak"));
    QCOMPARE(f->boxes.errors(), QStringList());
    TMediaPlayer player;
    player.setFileName(QStringLiteral("data/sounds/garden.mp3"));
    player.Open();
    QVERIFY(player.Length() > 200);
}

void TestRecordings::listenPlaysTheRecording_data()
{
    QTest::addColumn<bool>("changing");
    QTest::addColumn<QString>("sound");
    QTest::addColumn<QString>("played"); // empty: an error instead
    QTest::newRow("the selected word's recording") << false << fixture("cat.mp3") << fixture("cat.mp3");
    QTest::newRow("the Sound field while changing") << true << fixture("house.mp3") << fixture("house.mp3");
    QTest::newRow("a recording that is not there") << true << "nowhere/x.mp3"
                                                   << "";
}

void TestRecordings::listenPlaysTheRecording()
{
    QFETCH(bool, changing);
    QFETCH(QString, sound);
    QFETCH(QString, played);
    const auto editor = open({{"apple", changing ? fixture("cat.mp3") : sound}});
    clickRow(child<QListWidget>(editor.get(), "lstWord"), 0);
    if (changing) {
        QVERIFY(press(editor.get(), "btnEdit"));
        typeInto(child<QLineEdit>(editor.get(), "edtSound"), sound);
    }
    QVERIFY(press(editor.get(), "btnListen"));
    auto *player = child<TMediaPlayer>(editor.get(), "mp");
    if (played.isEmpty()) {
        QCOMPARE(f->boxes.errors(), QStringList{"No recording was found at \"nowhere/x.mp3\"."});
        QCOMPARE(player->Mode(), mpNotReady);
        return;
    }
    QCOMPARE(f->boxes.errors(), QStringList());
    QCOMPARE(player->FileName(), played);
    QCOMPARE(player->Mode(), mpPlaying);
    QTRY_COMPARE(player->Mode(), mpStopped);
}

void TestRecordings::missingRecordingIsMarked()
{
    const auto editor = open({{"found", fixture("cat.mp3")}, {"lost", "nowhere/lost.mp3"}, {"none", ""}});
    auto *list = child<QListWidget>(editor.get(), "lstWord");
    QCOMPARE(shownRows(list), (QStringList{"found", "lost", "none"})); // texts unchanged
    const auto tipAt = [&](int row) {
        QToolTip::hideText();
        const QPoint at = list->visualItemRect(list->item(row)).center();
        QHelpEvent help(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list->viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    QCOMPARE(tipAt(0), QString());
    QCOMPARE(tipAt(1), QStringLiteral("No recording found"));
    QCOMPARE(tipAt(2), QStringLiteral("No recording found"));
    QToolTip::hideText();
    // Drawn: the mark is a coloured sign before the text; a row's text alone is black on white.
    const auto colouredPixels = [&](int row) {
        const QImage image = list->viewport()->grab(list->visualItemRect(list->item(row))).toImage();
        int coloured = 0;
        for (int x = 0; x < image.width(); ++x) {
            for (int y = 0; y < image.height(); ++y) {
                const QColor c = image.pixelColor(x, y);
                coloured +=
                    std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()}) > 60;
            }
        }
        return coloured;
    };
    QCOMPARE(colouredPixels(0), 0);
    QVERIFY(colouredPixels(1) > 20);

    // Once a recording is given, the mark goes.
    clickRow(list, 1);
    QVERIFY(press(editor.get(), "btnEdit"));
    typeInto(child<QLineEdit>(editor.get(), "edtSound"), fixture("house.mp3"));
    QVERIFY(press(editor.get(), "btnSave"));
    QCOMPARE(tipAt(1), QString());
}

SPELLDECK_TEST_MAIN(TestRecordings)
#include "tst_recordings.moc"
