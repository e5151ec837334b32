// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The media player: opening files, the notification that ends every play request, and the sound
// device. Runs with SDL's dummy audio driver, which plays in real time without a sound card.

#include "Exceptions.h"
#include "MediaPlayer.h"
#include "TestMain.h"

#include <QDialog>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <SDL_mixer.h>

#include <climits>
#include <functional>
#include <memory>

namespace {

QString fixture(const QString &name)
{
    return QStringLiteral(SPELLDECK_FIXTURES "/") + name;
}

// The message Open raised, or an empty text when it raised nothing.
QString openError(TMediaPlayer &player, const QString &file)
{
    player.setFileName(file);
    try {
        player.Open();
    } catch (const EMCIDeviceError &e) {
        return e.message();
    }
    return {};
}

// The message Play raised, or an empty text when it raised nothing.
QString playError(TMediaPlayer &player)
{
    try {
        player.Play();
    } catch (const EMCIDeviceError &e) {
        return e.message();
    }
    return {};
}

// Collects the notifications of a player as they are handled: outcome and request.
struct Notifications
{
    explicit Notifications(TMediaPlayer &player)
    {
        QObject::connect(&player, &TMediaPlayer::OnNotify, &player, [this](TMediaPlayer *sender) {
            values << sender->NotifyValue();
            requests << sender->NotifyRequest();
        });
    }
    QList<TMPNotifyValues> values;
    QList<quint64> requests;
};

// Sounds long enough (2.6 s) to act while it still plays.
const QString kLong = QStringLiteral("sentence.mp3");

} // namespace

class TestMediaPlayer : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void openRefusesWhatItCannotPlay_data();
    void openRefusesWhatItCannotPlay();
    void openFailureStopsTheEarlierSound();
    void playNeedsAnOpenFile();
    void playsToTheEndWithOneNotification();
    void playAgainAfterTheEndStartsFromTheBeginning();
    void truncatedFilePlaysWhatDecodes();
    void lengthPastAnIntIsTheLargestOne();
    void opensPathsWithSpacesQuotesAndAccents();
    void closeStopsTheSoundAndNotifiesAborted();
    void playWhileSoundingSupersedesTheEarlierRequest();
    void anotherPlayerStartingStopsTheFirst();
    void destroyingThePlayerStopsTheSound();
    void notificationReachesAModalLoop();
    void oneNotificationWhenCloseMeetsTheNaturalEnd();
    void notifyIsOneShot();
    void noSoundDeviceIsReportedAndRetried();
};

void TestMediaPlayer::cleanup()
{
    // A stray sound would leak into the next case.
    QCOMPARE(Mix_PlayingMusic(), 0);
}

void TestMediaPlayer::openRefusesWhatItCannotPlay_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("message");

    const QString missing = fixture(QStringLiteral("no-such-word.mp3"));
    QTest::newRow("missing") << missing
                             << QStringLiteral("The sound file \"%1\" does not exist.").arg(missing);
    const QString folder = QStringLiteral(SPELLDECK_FIXTURES);
    QTest::newRow("folder") << folder << QStringLiteral("\"%1\" is a folder, not a sound file.").arg(folder);
    QTest::newRow("no file named") << QString() << QStringLiteral("No sound file was named to open.");
    // WAV headers SDL's own decoder fails on: no channels divides by zero, a rate of 1.7 GHz overflows.
    // Kinds no recording comes in, which SDL would try: MIDI loads a whole sound font, a FLAC comment
    // of no text crashes it.
    for (const char *name : {"empty.mp3", "text.mp3", "random.mp3", "no-channels.wav", "huge-rate.wav",
                             "midi.mp3", "flac-empty-comment.mp3"}) {
        const QString file = fixture(QString::fromLatin1(name));
        QTest::newRow(name) << file
                            << QStringLiteral("\"%1\" is not a sound file this program can play.").arg(file);
    }
}

void TestMediaPlayer::openRefusesWhatItCannotPlay()
{
    QFETCH(QString, file);
    QFETCH(QString, message);

    TMediaPlayer player;
    QCOMPARE(openError(player, file), message);
    QCOMPARE(player.DeviceID(), quint16(0));
    QCOMPARE(player.Mode(), mpNotReady);
}

void TestMediaPlayer::openFailureStopsTheEarlierSound()
{
    TMediaPlayer player;
    Notifications seen(player);
    QCOMPARE(openError(player, fixture(kLong)), QString());
    player.Play();
    QCOMPARE(player.Mode(), mpPlaying);

    QVERIFY(!openError(player, fixture(QStringLiteral("text.mp3"))).isEmpty());
    QCOMPARE(player.Mode(), mpNotReady);
    QCOMPARE(Mix_PlayingMusic(), 0);
    QTRY_COMPARE(seen.values, QList<TMPNotifyValues>{nvAborted});
    QCOMPARE(seen.requests.constFirst(), player.PlayRequest());
}

void TestMediaPlayer::playNeedsAnOpenFile()
{
    TMediaPlayer player;
    QCOMPARE(playError(player), QStringLiteral("No MCI device open"));
    // After a close there is no device either.
    QCOMPARE(openError(player, fixture(QStringLiteral("cat.mp3"))), QString());
    player.Close();
    QCOMPARE(playError(player), QStringLiteral("No MCI device open"));
    QCOMPARE(player.Mode(), mpNotReady);
}

void TestMediaPlayer::playsToTheEndWithOneNotification()
{
    TMediaPlayer player;
    Notifications seen(player);
    QCOMPARE(openError(player, fixture(QStringLiteral("cat.mp3"))), QString());
    QVERIFY(player.DeviceID() != 0);
    QCOMPARE(player.Mode(), mpStopped);
    QVERIFY(player.Length() > 500);

    player.Play();
    QCOMPARE(player.Mode(), mpPlaying);
    QTRY_COMPARE(seen.values.size(), 1);
    QCOMPARE(seen.values.constFirst(), nvSuccessful);
    QCOMPARE(seen.requests.constFirst(), player.PlayRequest());
    QCOMPARE(player.Mode(), mpStopped);

    QTest::qWait(300);
    QCOMPARE(seen.values.size(), 1);
}

void TestMediaPlayer::playAgainAfterTheEndStartsFromTheBeginning()
{
    TMediaPlayer player;
    Notifications seen(player);
    QCOMPARE(openError(player, fixture(QStringLiteral("cat.mp3"))), QString());
    player.Play();
    QTRY_COMPARE(seen.values.size(), 1);
    const quint64 first = player.PlayRequest();

    player.Play();
    QVERIFY(player.PlayRequest() != first);
    QCOMPARE(player.Mode(), mpPlaying);
    QTRY_COMPARE(seen.values.size(), 2);
    QCOMPARE(seen.values, (QList<TMPNotifyValues>{nvSuccessful, nvSuccessful}));
    QCOMPARE(seen.requests, (QList<quint64>{first, player.PlayRequest()}));
}

void TestMediaPlayer::truncatedFilePlaysWhatDecodes()
{
    TMediaPlayer whole;
    QCOMPARE(openError(whole, fixture(kLong)), QString());
    TMediaPlayer cut;
    Notifications seen(cut);
    QCOMPARE(openError(cut, fixture(QStringLiteral("truncated.mp3"))), QString());
    QVERIFY(cut.Length() > 0);
    QVERIFY(cut.Length() < whole.Length());

    cut.Play();
    QTRY_COMPARE(seen.values, QList<TMPNotifyValues>{nvSuccessful});
}

void TestMediaPlayer::lengthPastAnIntIsTheLargestOne()
{
    // A WAV header of 64 Hz that declares nearly 4 GB of samples: some 30 million seconds.
    TMediaPlayer player;
    QCOMPARE(openError(player, fixture(QStringLiteral("year-long.wav"))), QString());
    QCOMPARE(player.Length(), INT_MAX);
}

void TestMediaPlayer::opensPathsWithSpacesQuotesAndAccents()
{
    TMediaPlayer player;
    Notifications seen(player);
    const QString file = fixture(QStringLiteral("spaced 'quoted' wörd/crème brûlée.mp3"));
    QVERIFY(QFile::exists(file));
    QCOMPARE(openError(player, file), QString());
    player.Play();
    QTRY_COMPARE(seen.values, QList<TMPNotifyValues>{nvSuccessful});

#ifndef Q_OS_WIN
    // Double quotes cannot be part of a committed name (Windows checkouts); make one here.
    QTemporaryDir dir;
    const QString quoted = dir.filePath(QStringLiteral("say \"ja\" – ÆØÅ ü.mp3"));
    QVERIFY(QFile::copy(fixture(QStringLiteral("cat.mp3")), quoted));
    QCOMPARE(openError(player, quoted), QString());
    QCOMPARE(player.FileName(), quoted);
#endif
}

void TestMediaPlayer::closeStopsTheSoundAndNotifiesAborted()
{
    TMediaPlayer player;
    Notifications seen(player);
    QCOMPARE(openError(player, fixture(kLong)), QString());
    player.Play();
    QTest::qWait(100);

    player.Close();
    QCOMPARE(Mix_PlayingMusic(), 0);
    QCOMPARE(player.Mode(), mpNotReady);
    QCOMPARE(player.DeviceID(), quint16(0));
    // Queued, not delivered inside Close.
    QCOMPARE(seen.values.size(), 0);
    QTRY_COMPARE(seen.values, QList<TMPNotifyValues>{nvAborted});
    QCOMPARE(seen.requests.constFirst(), player.PlayRequest());

    // A second Close has nothing to close and says nothing.
    player.Close();
    QTest::qWait(50);
    QCOMPARE(seen.values.size(), 1);
}

void TestMediaPlayer::playWhileSoundingSupersedesTheEarlierRequest()
{
    TMediaPlayer player;
    Notifications seen(player);
    QCOMPARE(openError(player, fixture(QStringLiteral("cat.mp3"))), QString());
    player.Play();
    const quint64 first = player.PlayRequest();
    player.Play();
    const quint64 second = player.PlayRequest();

    QTRY_COMPARE(seen.values.size(), 2);
    QCOMPARE(seen.values, (QList<TMPNotifyValues>{nvSuperseded, nvSuccessful}));
    QCOMPARE(seen.requests, (QList<quint64>{first, second}));
    QTest::qWait(200);
    QCOMPARE(seen.values.size(), 2);
}

void TestMediaPlayer::anotherPlayerStartingStopsTheFirst()
{
    TMediaPlayer first;
    TMediaPlayer second;
    Notifications firstSeen(first);
    Notifications secondSeen(second);
    QCOMPARE(openError(first, fixture(kLong)), QString());
    QCOMPARE(openError(second, fixture(QStringLiteral("cat.mp3"))), QString());
    first.Play();
    second.Play();

    QCOMPARE(first.Mode(), mpStopped);
    QCOMPARE(second.Mode(), mpPlaying);
    QTRY_COMPARE(secondSeen.values, QList<TMPNotifyValues>{nvSuccessful});
    QCOMPARE(firstSeen.values, QList<TMPNotifyValues>{nvAborted});
}

void TestMediaPlayer::destroyingThePlayerStopsTheSound()
{
    // Holds the device open, so that what is checked is the stop, not the device going away.
    TMediaPlayer keeper;
    Notifications keeperSeen(keeper);
    QCOMPARE(openError(keeper, fixture(QStringLiteral("cat.mp3"))), QString());

    auto player = std::make_unique<TMediaPlayer>();
    QCOMPARE(openError(*player, fixture(kLong)), QString());
    player->Play();
    QCOMPARE(Mix_PlayingMusic(), 1);
    player.reset();
    QCOMPARE(Mix_PlayingMusic(), 0);
    // The stopped request's end goes nowhere: not to the destroyed player, not to another one.
    QTest::qWait(100);
    QVERIFY(keeperSeen.values.isEmpty());
    QCOMPARE(keeper.Mode(), mpStopped);
}

void TestMediaPlayer::notificationReachesAModalLoop()
{
    TMediaPlayer player;
    QDialog box;
    box.setWindowModality(Qt::ApplicationModal);
    bool insideModal = false;
    QObject::connect(&player, &TMediaPlayer::OnNotify, &box, [&] {
        insideModal = QApplication::activeModalWidget() == &box;
        box.accept();
    });
    QCOMPARE(openError(player, fixture(QStringLiteral("cat.mp3"))), QString());
    player.Play();
    QTimer::singleShot(5000, &box, &QDialog::reject); // a missing notification fails below, not hangs
    QCOMPARE(box.exec(), int(QDialog::Accepted));
    QVERIFY(insideModal);
}

void TestMediaPlayer::oneNotificationWhenCloseMeetsTheNaturalEnd()
{
    // Close lands around the moment the sound ends by itself: whichever wins, one notification.
    TMediaPlayer player;
    Notifications seen(player);
    QCOMPARE(openError(player, fixture(QStringLiteral("cat.mp3"))), QString());
    const int length = player.Length();
    for (int offset = -60; offset <= 60; offset += 20) {
        QCOMPARE(openError(player, fixture(QStringLiteral("cat.mp3"))), QString());
        seen.values.clear();
        player.Play();
        QTest::qSleep(length + offset);
        player.Close();
        QTest::qWait(100);
        QCOMPARE(seen.values.size(), 1);
    }
}

void TestMediaPlayer::notifyIsOneShot()
{
    TMediaPlayer player;
    Notifications seen(player);

    // Pending through a Close without a device, then taken by Open.
    player.setNotify(true);
    player.Close();
    QCOMPARE(openError(player, fixture(QStringLiteral("cat.mp3"))), QString());
    QTRY_COMPARE(seen.values.size(), 1);
    QVERIFY(seen.requests.constFirst() != player.PlayRequest());

    // Set to false, it silences the one request that takes it.
    player.setNotify(false);
    player.Play();
    QTRY_COMPARE(player.Mode(), mpStopped);
    QTest::qWait(100);
    QCOMPARE(seen.values.size(), 1);

    // Nothing pending: Play notifies, Close and Open do not.
    player.Play();
    QTRY_COMPARE(seen.values.size(), 2);
    QCOMPARE(openError(player, fixture(QStringLiteral("cat.mp3"))), QString());
    player.Close();
    QTest::qWait(100);
    QCOMPARE(seen.values.size(), 2);
}

void TestMediaPlayer::noSoundDeviceIsReportedAndRetried()
{
    const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    const QString file = fixture(QStringLiteral("cat.mp3"));
    {
        TMediaPlayer player;
        QCOMPARE(openError(player, file),
                 QStringLiteral("No sound device can be opened to play \"%1\".").arg(file));
        QCOMPARE(player.Mode(), mpNotReady);
    }
    qputenv("SDL_AUDIODRIVER", driver);

    TMediaPlayer player;
    Notifications seen(player);
    QCOMPARE(openError(player, file), QString());
    player.Play();
    QTRY_COMPARE(seen.values, QList<TMPNotifyValues>{nvSuccessful});
}

SPELLDECK_TEST_MAIN(TestMediaPlayer)
#include "tst_mediaplayer.moc"
