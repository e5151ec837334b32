// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Playing the word of the test window: where its sound file is looked for, Play word's state through a
// playback, and what the learner really hears (SDL's disk driver records it).

#include "Exceptions.h"
#include "MediaPlayer.h"
#include "ScriptedToolkit.h"
#include "TestDatabase.h"
#include "TestMain.h"
#include "Widgets.h"
#include "uDM.h"
#include "uTest.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <SDL_mixer.h>

#include <memory>
#include <optional>

namespace {

QString fixture(const QString &name)
{
    return QStringLiteral(SPELLDECK_FIXTURES "/") + name;
}

// A test window on a list holding the given sound paths, loaded as the test loads it.
class Window
{
public:
    explicit Window(const QStringList &sounds)
    {
        const QString list = db.addList(QStringLiteral("Week 1"));
        for (qsizetype i = 0; i < sounds.size(); ++i)
            db.addWord(list, QStringLiteral("word %1").arg(i + 1), sounds.at(i), int(i + 1));
        form->LoadData(list);
        QObject::connect(player(), &TMediaPlayer::OnNotify, player(), [this] {
            seen << player()->NotifyValue();
            playEnabledAfter << play()->isEnabled();
        });
    }

    TMediaPlayer *player() const { return child<TMediaPlayer>(form.get(), "mp"); }
    QPushButton *play() const { return child<QPushButton>(form.get(), "btnPlay"); }

    // Plays the word on screen as Play word does; the message raised, or nothing.
    std::optional<QString> playWord()
    {
        try {
            form->btnPlayClick();
        } catch (const Exception &e) {
            return e.message();
        }
        return std::nullopt;
    }

    // Answers the word on screen rightly, which presents the next word and plays it; the message
    // raised, or nothing.
    std::optional<QString> nextWord()
    {
        child<QLineEdit>(form.get(), "edtWord")->setText(form->currentWord()->Name);
        try {
            form->btnCheckClick();
        } catch (const Exception &e) {
            return e.message();
        }
        return std::nullopt;
    }

    ScriptedToolkit boxes;
    TestDatabase db;
    TDM dm;
    std::unique_ptr<TfrmTest> form = std::make_unique<TfrmTest>();
    // Every notification handled, and Play word's state right after the window handled it.
    QList<TMPNotifyValues> seen;
    QList<bool> playEnabledAfter;
};

// Samples of a 16-bit recording whose magnitude is above the noise floor: first and last index.
std::pair<qsizetype, qsizetype> soundingSpan(const qint16 *samples, qsizetype count)
{
    constexpr int kFloor = 64;
    qsizetype first = -1;
    qsizetype last = -1;
    for (qsizetype i = 0; i < count; ++i) {
        if (std::abs(samples[i]) > kFloor) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    return {first, last};
}

} // namespace

class TestWordSound : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void appPathIsTheProgramFolder();
    void playsByThePathRule_data();
    void playsByThePathRule();
    void unplayableFileIsReported_data();
    void unplayableFileIsReported();
    void playWordFollowsThePlayback();
    void replayWhileSoundingStartsAgain();
    void nextWordWhileSounding();
    void nextWordMissingLetsThePreviousPlayOn();
    void damagedNextWordStopsTheSoundAndGivesPlayWordBack();
    void closingTheWindowStopsTheSound();
    void theWordReallySounds();
    void noCurrentWord();
};

void TestWordSound::cleanup()
{
    QCOMPARE(Mix_PlayingMusic(), 0);
}

void TestWordSound::appPathIsTheProgramFolder()
{
    TfrmTest form;
    QCOMPARE(form.appPath(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    QVERIFY(child<QPushButton>(&form, "btnPlay")->isEnabled());
    const auto *player = child<TMediaPlayer>(&form, "mp");
    QVERIFY(player->isHidden());
    QVERIFY(!player->isEnabled());
}

void TestWordSound::playsByThePathRule_data()
{
    // {app} is a folder made for the case in the program's folder, {fixtures} the fixtures' folder.
    QTest::addColumn<QString>("sound");
    QTest::addColumn<QString>("played"); // the file opened; empty when nothing is played
    QTest::newRow("as stored") << "{fixtures}/cat.mp3"
                               << "{fixtures}/cat.mp3";
    QTest::newRow("relative, in the program folder") << "{app}/w.mp3"
                                                     << "{programFolder}{app}/w.mp3";
    QTest::newRow("nowhere") << "{app}/missing.mp3"
                             << "";
}

void TestWordSound::playsByThePathRule()
{
    QFETCH(QString, sound);
    QFETCH(QString, played);
    // Relative paths are looked up in the program's folder after the current one.
    QTemporaryDir beside(QCoreApplication::applicationDirPath() + QStringLiteral("/sounds-XXXXXX"));
    QVERIFY(beside.isValid());
    QVERIFY(QFile::copy(fixture("cat.mp3"), beside.filePath("w.mp3")));
    const auto expand = [&](QString text) {
        return text.replace("{programFolder}", QCoreApplication::applicationDirPath() + '/')
            .replace("{app}", QFileInfo(beside.path()).fileName())
            .replace("{fixtures}", SPELLDECK_FIXTURES);
    };

    Window window({expand(sound)});
    QCOMPARE(window.playWord(), std::nullopt);
    if (played.isEmpty()) {
        // Silently nothing: no device, Play word as it was.
        QCOMPARE(window.player()->DeviceID(), quint16(0));
        QCOMPARE(window.player()->FileName(), QString());
        QVERIFY(window.play()->isEnabled());
    } else {
        QCOMPARE(window.player()->FileName(), expand(played));
        QCOMPARE(window.player()->Mode(), mpPlaying);
        QVERIFY(!window.play()->isEnabled());
        QTRY_COMPARE(window.seen, QList<TMPNotifyValues>{nvSuccessful});
    }
}

void TestWordSound::unplayableFileIsReported_data()
{
    QTest::addColumn<QString>("file");
    for (const char *name : {"empty.mp3", "text.mp3", "random.mp3"})
        QTest::newRow(name) << fixture(QString::fromLatin1(name));
}

void TestWordSound::unplayableFileIsReported()
{
    QFETCH(QString, file);

    Window window({file});
    QCOMPARE(window.playWord(),
             QStringLiteral("\"%1\" is not a sound file this program can play.").arg(file));
    QVERIFY(window.play()->isEnabled());
    QCOMPARE(window.player()->DeviceID(), quint16(0));
    QTest::qWait(50);
    QCOMPARE(window.seen.size(), 0);
}

void TestWordSound::playWordFollowsThePlayback()
{
    Window window({fixture("cat.mp3"), fixture("missing.mp3")});
    QVERIFY(window.play()->isEnabled());

    QCOMPARE(window.playWord(), std::nullopt);
    QVERIFY(!window.play()->isEnabled());
    QTRY_COMPARE(window.seen, QList<TMPNotifyValues>{nvSuccessful});
    QCOMPARE(window.playEnabledAfter, QList<bool>{true});

    // Replay once it has ended: off again, and back on at its end.
    window.play()->click();
    QVERIFY(!window.play()->isEnabled());
    QTRY_COMPARE(window.seen.size(), 2);
    QVERIFY(window.play()->isEnabled());

    // A word without a file: nothing plays and Play word stays usable.
    QCOMPARE(window.nextWord(), std::nullopt);
    QVERIFY(window.play()->isEnabled());
    QTest::qWait(50);
    QCOMPARE(window.seen.size(), 2);
}

void TestWordSound::replayWhileSoundingStartsAgain()
{
    Window window({fixture("sentence.mp3")});
    QCOMPARE(window.playWord(), std::nullopt);
    QTRY_VERIFY(window.player()->Position() > 400);
    const int reached = window.player()->Position();

    // The click action runs from code whatever the button's state.
    QCOMPARE(window.playWord(), std::nullopt);
    QVERIFY(window.player()->Position() < reached);
    QCOMPARE(window.player()->Mode(), mpPlaying);

    // The stopped playback's notification leaves Play word off; the new one's end turns it on.
    QTRY_COMPARE(window.seen.size(), 1);
    QCOMPARE(window.seen.constFirst(), nvAborted);
    QCOMPARE(window.playEnabledAfter.constFirst(), false);
    QTRY_COMPARE(window.seen.size(), 2);
    QCOMPARE(window.seen.constLast(), nvSuccessful);
    QCOMPARE(window.playEnabledAfter.constLast(), true);
    QTest::qWait(100);
    QCOMPARE(window.seen.size(), 2);
}

void TestWordSound::nextWordWhileSounding()
{
    Window window({fixture("sentence.mp3"), fixture("cat.mp3")});
    QCOMPARE(window.playWord(), std::nullopt);
    QCOMPARE(window.nextWord(), std::nullopt);
    QCOMPARE(window.player()->FileName(), fixture("cat.mp3"));

    QTRY_COMPARE(window.seen.size(), 2);
    QCOMPARE(window.seen, (QList<TMPNotifyValues>{nvAborted, nvSuccessful}));
    QCOMPARE(window.playEnabledAfter, (QList<bool>{false, true}));
}

void TestWordSound::nextWordMissingLetsThePreviousPlayOn()
{
    Window window({fixture("sentence.mp3"), fixture("missing.mp3")});
    QCOMPARE(window.playWord(), std::nullopt);
    const quint16 device = window.player()->DeviceID();

    QCOMPARE(window.nextWord(), std::nullopt);
    QCOMPARE(window.player()->DeviceID(), device);
    QCOMPARE(window.player()->Mode(), mpPlaying);
    QVERIFY(!window.play()->isEnabled());

    QTRY_COMPARE_WITH_TIMEOUT(window.seen, QList<TMPNotifyValues>{nvSuccessful}, 10000);
    QVERIFY(window.play()->isEnabled());
}

void TestWordSound::damagedNextWordStopsTheSoundAndGivesPlayWordBack()
{
    Window window({fixture("sentence.mp3"), fixture("text.mp3")});
    QCOMPARE(window.playWord(), std::nullopt);

    QVERIFY(window.nextWord().has_value());
    QCOMPARE(Mix_PlayingMusic(), 0);
    QVERIFY(!window.play()->isEnabled());
    // The stopped sound was the latest playback: its end makes Play word usable again.
    QTRY_COMPARE(window.seen, QList<TMPNotifyValues>{nvAborted});
    QVERIFY(window.play()->isEnabled());
}

void TestWordSound::closingTheWindowStopsTheSound()
{
    TMediaPlayer keeper; // keeps the device open, so the stop is the window's doing
    keeper.setFileName(fixture("cat.mp3"));
    keeper.Open();

    auto window = std::make_unique<Window>(QStringList{fixture("sentence.mp3")});
    QCOMPARE(window->playWord(), std::nullopt);
    QCOMPARE(Mix_PlayingMusic(), 1);
    window.reset();
    QCOMPARE(Mix_PlayingMusic(), 0);
}

void TestWordSound::theWordReallySounds()
{
    QTemporaryDir dir;
    const QString output = dir.filePath("played.raw");
    const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(output));

    QByteArray recording;
    {
        Window window({fixture("house.mp3")});
        QCOMPARE(window.playWord(), std::nullopt);
        // The recording, decoded for the device that plays it.
        Mix_Chunk *chunk = Mix_LoadWAV(QFile::encodeName(fixture("house.mp3")).constData());
        QVERIFY(chunk);
        recording = QByteArray(reinterpret_cast<const char *>(chunk->abuf), int(chunk->alen));
        Mix_FreeChunk(chunk);
        QTRY_COMPARE(window.seen, QList<TMPNotifyValues>{nvSuccessful});
    } // the device closes with the last player and the file is complete
    qputenv("SDL_AUDIODRIVER", driver);
    qunsetenv("SDL_DISKAUDIOFILE");

    QFile file(output);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    const auto heard =
        soundingSpan(reinterpret_cast<const qint16 *>(written.constData()), written.size() / 2);
    const auto expected =
        soundingSpan(reinterpret_cast<const qint16 *>(recording.constData()), recording.size() / 2);
    QVERIFY(expected.first >= 0);
    QVERIFY2(heard.first >= 0, "nothing was heard");
    // Both are 44.1 kHz stereo: 2 samples a frame. Within 1 ms of the recording's sounding length.
    const qsizetype heardLength = heard.second - heard.first;
    const qsizetype expectedLength = expected.second - expected.first;
    QVERIFY2(
        std::abs(heardLength - expectedLength) <= 2 * 44,
        qPrintable(QStringLiteral("heard %1 samples, recorded %2").arg(heardLength).arg(expectedLength)));
}

void TestWordSound::noCurrentWord()
{
    Window window({});
    QCOMPARE(window.playWord(), QStringLiteral("List index out of bounds (0)"));
    QVERIFY(window.play()->isEnabled());
}

SPELLDECK_TEST_MAIN(TestWordSound)
#include "tst_wordsound.moc"
