// Playing the word of the test window: where its sound file is looked for, Play word's state through a
// playback, and what the learner really hears (SDL's disk driver records it).

#include "Exceptions.h"
#include "MediaPlayer.h"
#include "uTest.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <SDL_mixer.h>

#include <memory>
#include <optional>

namespace {

QString fixture(const QString &name)
{
    return QStringLiteral(SPELLDECK_FIXTURES "/") + name;
}

// A test window holding the given words, as the test would have loaded them.
class Window
{
public:
    explicit Window(const QStringList &sounds)
    {
        for (const QString &sound : sounds) {
            auto record = std::make_unique<TData>();
            record->Name = QStringLiteral("word %1").arg(records.size() + 1);
            record->Sound = sound;
            form->FWords->add(record->Name, record.get());
            records.push_back(std::move(record));
        }
        QObject::connect(player(), &TMediaPlayer::OnNotify, player(), [this] {
            seen << player()->NotifyValue();
            playEnabledAfter << play()->isEnabled();
        });
    }

    TMediaPlayer *player() const { return form->findChild<TMediaPlayer *>(QStringLiteral("mp")); }
    QPushButton *play() const { return form->findChild<QPushButton *>(QStringLiteral("btnPlay")); }

    // The message btnPlayClick raised, or nothing.
    std::optional<QString> playWord(int index)
    {
        form->FCurIndex = index;
        try {
            form->btnPlayClick();
        } catch (const Exception &e) {
            return e.message();
        }
        return std::nullopt;
    }

    std::vector<std::unique_ptr<TData>> records;
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
    void pathRule_data();
    void pathRule();
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
    QCOMPARE(form.FAppPath, QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    QVERIFY(form.findChild<QPushButton *>(QStringLiteral("btnPlay"))->isEnabled());
    const auto *player = form.findChild<TMediaPlayer *>(QStringLiteral("mp"));
    QVERIFY(player->isHidden());
    QVERIFY(!player->isEnabled());
}

void TestWordSound::pathRule_data()
{
    // Files to make: "cwd/..." under the current folder, "app/..." under the program folder; a
    // trailing "/" makes a folder. {cwd}, {app} and {fixtures} are replaced in `sound` and `played`.
    QTest::addColumn<QString>("sound");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("played"); // the file opened; empty when nothing is played

    QTest::newRow("relative, found as stored first")
        << "w.mp3" << QStringList{"cwd/w.mp3", "app/w.mp3"} << "w.mp3";
    QTest::newRow("relative, only in the program folder")
        << "sounds/w.mp3" << QStringList{"app/sounds/w.mp3"} << "{app}/sounds/w.mp3";
    QTest::newRow("relative, nowhere") << "w.mp3" << QStringList{} << "";
    QTest::newRow("absolute") << "{cwd}/w.mp3" << QStringList{"cwd/w.mp3"} << "{cwd}/w.mp3";
    QTest::newRow("absolute, missing") << "{cwd}/w.mp3" << QStringList{"app/w.mp3"} << "";
    QTest::newRow("empty") << "" << QStringList{"app/w.mp3"} << "";
    QTest::newRow("a folder is not a file") << "w.mp3" << QStringList{"cwd/w.mp3/", "app/w.mp3"}
                                            << "{app}/w.mp3";
    QTest::newRow("folders only") << "w.mp3" << QStringList{"cwd/w.mp3/", "app/w.mp3/"} << "";
    // Plain concatenation: the program folder's separator and the path's own are both kept.
    QTest::newRow("no separator removed") << "/w.mp3" << QStringList{"app/w.mp3"} << "{app}//w.mp3";
    QTest::newRow("spaces, quotes, accents")
        << "{fixtures}/spaced 'quoted' wörd/crème brûlée.mp3" << QStringList{}
        << "{fixtures}/spaced 'quoted' wörd/crème brûlée.mp3";
    const QString deep = QStringLiteral("a-folder-name-of-some-forty-characters-x/").repeated(8) + "w.mp3";
    QTest::newRow("long path") << deep << QStringList{"cwd/" + deep} << deep;
    QTest::newRow("path too long for the system")
        << QStringLiteral("x/").repeated(3000) + "w.mp3" << QStringList{"app/w.mp3"} << "";
}

void TestWordSound::pathRule()
{
    QFETCH(QString, sound);
    QFETCH(QStringList, files);
    QFETCH(QString, played);

    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkpath("cwd") && QDir(root.path()).mkpath("app"));
    const QString cwd = root.filePath("cwd");
    const QString app = root.filePath("app");
    for (const QString &file : files) {
        const QString path = root.filePath(file);
        if (file.endsWith('/')) {
            QVERIFY(QDir().mkpath(path));
        } else {
            QVERIFY(QDir().mkpath(QFileInfo(path).path()));
            QVERIFY(QFile::copy(fixture("cat.mp3"), path));
        }
    }
    const auto expand = [&](QString text) {
        return text.replace("{cwd}", cwd).replace("{app}", app).replace("{fixtures}", SPELLDECK_FIXTURES);
    };
    const QString previous = QDir::currentPath();
    QDir::setCurrent(cwd);

    Window window({expand(sound)});
    window.form->FAppPath = app + '/';
    const std::optional<QString> error = window.playWord(0);
    QDir::setCurrent(previous);

    QCOMPARE(error, std::nullopt);
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
    QCOMPARE(window.playWord(0), QStringLiteral("\"%1\" is not a sound file this program can play.").arg(file));
    QVERIFY(window.play()->isEnabled());
    QCOMPARE(window.player()->DeviceID(), quint16(0));
    QTest::qWait(50);
    QCOMPARE(window.seen.size(), 0);
}

void TestWordSound::playWordFollowsThePlayback()
{
    Window window({fixture("cat.mp3"), fixture("missing.mp3")});
    QVERIFY(window.play()->isEnabled());

    QCOMPARE(window.playWord(0), std::nullopt);
    QVERIFY(!window.play()->isEnabled());
    QTRY_COMPARE(window.seen, QList<TMPNotifyValues>{nvSuccessful});
    QCOMPARE(window.playEnabledAfter, QList<bool>{true});

    // Replay once it has ended: off again, and back on at its end.
    window.play()->click();
    QVERIFY(!window.play()->isEnabled());
    QTRY_COMPARE(window.seen.size(), 2);
    QVERIFY(window.play()->isEnabled());

    // A word without a file: nothing plays and Play word stays usable.
    QCOMPARE(window.playWord(1), std::nullopt);
    QVERIFY(window.play()->isEnabled());
    QTest::qWait(50);
    QCOMPARE(window.seen.size(), 2);
}

void TestWordSound::replayWhileSoundingStartsAgain()
{
    Window window({fixture("sentence.mp3")});
    QCOMPARE(window.playWord(0), std::nullopt);
    QTRY_VERIFY(window.player()->Position() > 400);
    const int reached = window.player()->Position();

    // The click action runs from code whatever the button's state.
    QCOMPARE(window.playWord(0), std::nullopt);
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
    QCOMPARE(window.playWord(0), std::nullopt);
    QCOMPARE(window.playWord(1), std::nullopt);
    QCOMPARE(window.player()->FileName(), fixture("cat.mp3"));

    QTRY_COMPARE(window.seen.size(), 2);
    QCOMPARE(window.seen, (QList<TMPNotifyValues>{nvAborted, nvSuccessful}));
    QCOMPARE(window.playEnabledAfter, (QList<bool>{false, true}));
}

void TestWordSound::nextWordMissingLetsThePreviousPlayOn()
{
    Window window({fixture("sentence.mp3"), fixture("missing.mp3")});
    QCOMPARE(window.playWord(0), std::nullopt);
    const quint16 device = window.player()->DeviceID();

    QCOMPARE(window.playWord(1), std::nullopt);
    QCOMPARE(window.player()->DeviceID(), device);
    QCOMPARE(window.player()->Mode(), mpPlaying);
    QVERIFY(!window.play()->isEnabled());

    QTRY_COMPARE_WITH_TIMEOUT(window.seen, QList<TMPNotifyValues>{nvSuccessful}, 10000);
    QVERIFY(window.play()->isEnabled());
}

void TestWordSound::damagedNextWordStopsTheSoundAndGivesPlayWordBack()
{
    Window window({fixture("sentence.mp3"), fixture("text.mp3")});
    QCOMPARE(window.playWord(0), std::nullopt);

    QVERIFY(window.playWord(1).has_value());
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
    QCOMPARE(window->playWord(0), std::nullopt);
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
        QCOMPARE(window.playWord(0), std::nullopt);
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
    const auto heard = soundingSpan(reinterpret_cast<const qint16 *>(written.constData()), written.size() / 2);
    const auto expected = soundingSpan(reinterpret_cast<const qint16 *>(recording.constData()), recording.size() / 2);
    QVERIFY(expected.first >= 0);
    QVERIFY2(heard.first >= 0, "nothing was heard");
    // Both are 44.1 kHz stereo: 2 samples a frame. Within 1 ms of the recording's sounding length.
    const qsizetype heardLength = heard.second - heard.first;
    const qsizetype expectedLength = expected.second - expected.first;
    QVERIFY2(std::abs(heardLength - expectedLength) <= 2 * 44,
             qPrintable(QStringLiteral("heard %1 samples, recorded %2").arg(heardLength).arg(expectedLength)));
}

void TestWordSound::noCurrentWord()
{
    Window window({});
    QCOMPARE(window.playWord(0), QStringLiteral("List index out of bounds (0)"));
    QCOMPARE(window.playWord(-1), QStringLiteral("List index out of bounds (-1)"));
    QVERIFY(window.play()->isEnabled());
}

QTEST_MAIN(TestWordSound)
#include "tst_wordsound.moc"
