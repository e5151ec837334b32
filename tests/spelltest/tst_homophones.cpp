// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Words that sound alike, made as a teacher makes them: typed in the editor with a sentence each and
// spoken with Speak, then taken as a test in the real test window. Each recording says the word, the
// sentence and the word again; the test plays it as any other and checks the spelling as always.
#include "TestTaker.h"

#include "Dictation.h"
#include "ErrorGuard.h"
#include "ScriptedToolkit.h"
#include "TestDatabase.h"
#include "TestMain.h"
#include "uDM.h"
#include "uEditor.h"
#include "uTest.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>

#include <SDL.h>
#include <SDL_mixer.h>

namespace {

// How many parts of sound a recording holds, apart from each other by at least `pauseMs` of quiet.
// SDL_mixer decodes it to the device's format: 44.1 kHz stereo by default.
int heardParts(const QString &path, int pauseMs)
{
    Mix_Chunk *chunk = Mix_LoadWAV(QFile::encodeName(path).constData());
    if (!chunk)
        return -1;
    const auto *samples = reinterpret_cast<const qint16 *>(chunk->abuf);
    const qsizetype count = qsizetype(chunk->alen / 2);
    const qsizetype block = 44100 * 2 / 100; // 10 ms of frames
    int parts = 0;
    qsizetype quiet = pauseMs / 10;
    for (qsizetype from = 0; from < count; from += block) {
        int peak = 0;
        for (qsizetype i = from; i < std::min(from + block, count); ++i)
            peak = std::max(peak, std::abs(int(samples[i])));
        if (peak > 1000) {
            if (quiet >= pauseMs / 10)
                ++parts;
            quiet = 0;
        } else {
            ++quiet;
        }
    }
    Mix_FreeChunk(chunk);
    return parts;
}

struct Homophone
{
    const char *word;
    const char *sentence;
};

const Homophone kList[] = {
    {"there", "Put the box over there."},
    {"their", "They took their coats."},
    {"they're", "They're late again."},
    {"to", "We walked to school."},
    {"too", "The soup is too hot."},
    {"two", "I have two cats."},
    {"bare", ""}, // a word without a sentence: spoken as before
};

} // namespace

class TestHomophones : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void madeInTheEditorAndTested();
};

void TestHomophones::initTestCase()
{
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", "/dev/null");
    QVERIFY(SDL_Init(SDL_INIT_AUDIO) == 0);
    QVERIFY(Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) == 0);
}

void TestHomophones::cleanupTestCase()
{
    Mix_CloseAudio();
    SDL_Quit();
}

void TestHomophones::madeInTheEditorAndTested()
{
    ScriptedToolkit boxes;
    TestDatabase db;
    TDM dm;
    const QString listId = db.addList(QStringLiteral("Homophones"));
    {
        const auto editor = TfrmEditor::Create(nullptr, listId, QStringLiteral("Homophones"), false, 100, 50);
        editor->show();
        auto *voices = child<QComboBox>(editor.get(), "cmbVoice");
        QTRY_VERIFY_WITH_TIMEOUT(voices->count() > 100, 10000);
        QCOMPARE(editor->voice(), QStringLiteral("flite/rms"));
        for (const Homophone &entry : kList) {
            QVERIFY(press(editor.get(), "btnAdd"));
            typeInto(child<QLineEdit>(editor.get(), "edtWord"), QString::fromUtf8(entry.word));
            typeInto(child<QLineEdit>(editor.get(), "edtSentence"), QString::fromUtf8(entry.sentence));
            QVERIFY(press(editor.get(), "btnSpeak"));
            QVERIFY(press(editor.get(), "btnSave"));
        }
        QCOMPARE(boxes.errors(), QStringList());
        QCOMPARE(shownRows(child<QListWidget>(editor.get(), "lstWord")),
                 (QStringList{"there", "their", "they're", "to", "too", "two", "bare"}));
    }
    QCOMPARE(db.rows(QStringLiteral("select w.word_name, s.sentence from d_word w join d_sentence s"
                                    " on s.word_id = w.word_id order by w.word_order")),
             (QStringList{"there|Put the box over there.", "their|They took their coats.",
                          "they're|They're late again.", "to|We walked to school.",
                          "too|The soup is too hot.", "two|I have two cats."}));
    const QStringList sounds{"data/sounds/there.mp3", "data/sounds/their.mp3", "data/sounds/they_re.mp3",
                             "data/sounds/to.mp3",    "data/sounds/too.mp3",   "data/sounds/two.mp3",
                             "data/sounds/bare.mp3"};
    QStringList stored;
    for (const QString &sound : sounds)
        stored << TestDatabase::storedSound(sound);
    QCOMPARE(db.column(QStringLiteral("select word_sound from d_word where type_id = ? order by word_order"),
                       {listId}),
             stored);
    // The word, the sentence, the word again; a word without a sentence is one part.
    for (qsizetype i = 0; i < sounds.size() - 1; ++i)
        QVERIFY2(heardParts(sounds.at(i), Dictation::kPauseMs - 200) == 3, qPrintable(sounds.at(i)));
    QCOMPARE(heardParts(sounds.constLast(), Dictation::kPauseMs - 200), 1);

    // The test: two of them misspelt as the sound allows; then no second pass.
    boxes.answerQuestion(false);
    TestTaker learner({"there", "there", "they're", "to", "to", "two", "bare"});
    guarded([&] { ShowSpelldeck(listId, QStringLiteral("Homophones"), 100, 60); });
    QCOMPARE(learner.steps.size(), 7);
    // On a server each plays from this computer's copy of the recording, named by its hash.
    for (qsizetype i = 0; i < learner.steps.size(); ++i) {
        const QString played = TestDatabase::onServer() ? stored.at(i).mid(10) + ".mp3" : sounds.at(i);
        QVERIFY2(learner.steps.at(i).played.endsWith(played), qPrintable(learner.steps.at(i).played));
    }
    QCOMPARE(learner.corrections.size(), 2);
    QCOMPARE(learner.corrections.at(0).rightWord + "|" + learner.corrections.at(0).word,
             QStringLiteral("their|there"));
    QCOMPARE(learner.corrections.at(1).rightWord + "|" + learner.corrections.at(1).word,
             QStringLiteral("too|to"));
    QStringList texts;
    for (const auto &box : boxes.boxes())
        texts << box.text;
    QCOMPARE(texts, (QStringList{QStringLiteral("You have finished all your words!\n\rYou made 2 errors."),
                                 QStringLiteral("Do you want to try the ones you missed over again?")}));
}

SPELLDECK_TEST_MAIN(TestHomophones)
#include "tst_homophones.moc"
