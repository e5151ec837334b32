// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MediaPlayer.h"

#include "Exceptions.h"
#include "LazyLibrary.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>

#include <SDL.h>
#include <SDL_mixer.h>

#include <climits>
#include <mutex>

namespace {

// SDL and SDL_mixer bring some forty libraries with them; they are opened when the first sound is,
// never at start-up.
struct Mixer
{
    SPELLDECK_LAZY_FUNCTION(SDL_SetHint);
    SPELLDECK_LAZY_FUNCTION(SDL_InitSubSystem);
    SPELLDECK_LAZY_FUNCTION(SDL_QuitSubSystem);
    SPELLDECK_LAZY_FUNCTION(SDL_WasInit);
    SPELLDECK_LAZY_FUNCTION(SDL_Quit);
    SPELLDECK_LAZY_FUNCTION(SDL_RWFromConstMem);
    SPELLDECK_LAZY_FUNCTION(Mix_OpenAudio);
    SPELLDECK_LAZY_FUNCTION(Mix_CloseAudio);
    SPELLDECK_LAZY_FUNCTION(Mix_Quit);
    SPELLDECK_LAZY_FUNCTION(Mix_HookMusicFinished);
    SPELLDECK_LAZY_FUNCTION(Mix_LoadMUS_RW);
    SPELLDECK_LAZY_FUNCTION(Mix_FreeMusic);
    SPELLDECK_LAZY_FUNCTION(Mix_PlayMusic);
    SPELLDECK_LAZY_FUNCTION(Mix_HaltMusic);
    SPELLDECK_LAZY_FUNCTION(Mix_MusicDuration);
    SPELLDECK_LAZY_FUNCTION(Mix_GetMusicPosition);
};

Mixer loadMixer()
{
    static LazyLibrary sdl(QStringLiteral("SDL2-2.0"), 0, TMediaPlayer::tr("Sound playback"));
    static LazyLibrary mixer(QStringLiteral("SDL2_mixer-2.0"), 0, TMediaPlayer::tr("Sound playback"));
#define SPELLDECK_RESOLVE(library, name) api.name = library.resolve<decltype(&::name)>(#name)
    Mixer api;
    SPELLDECK_RESOLVE(sdl, SDL_SetHint);
    SPELLDECK_RESOLVE(sdl, SDL_InitSubSystem);
    SPELLDECK_RESOLVE(sdl, SDL_QuitSubSystem);
    SPELLDECK_RESOLVE(sdl, SDL_WasInit);
    SPELLDECK_RESOLVE(sdl, SDL_Quit);
    SPELLDECK_RESOLVE(sdl, SDL_RWFromConstMem);
    SPELLDECK_RESOLVE(mixer, Mix_OpenAudio);
    SPELLDECK_RESOLVE(mixer, Mix_CloseAudio);
    SPELLDECK_RESOLVE(mixer, Mix_Quit);
    SPELLDECK_RESOLVE(mixer, Mix_HookMusicFinished);
    SPELLDECK_RESOLVE(mixer, Mix_LoadMUS_RW);
    SPELLDECK_RESOLVE(mixer, Mix_FreeMusic);
    SPELLDECK_RESOLVE(mixer, Mix_PlayMusic);
    SPELLDECK_RESOLVE(mixer, Mix_HaltMusic);
    SPELLDECK_RESOLVE(mixer, Mix_MusicDuration);
    SPELLDECK_RESOLVE(mixer, Mix_GetMusicPosition);
#undef SPELLDECK_RESOLVE
    return api;
}

// The mixer's functions, opened on first use; raises Exception when the libraries are missing.
const Mixer &mix()
{
    static const Mixer api = loadMixer();
    return api;
}

// A player that cannot load the libraries cannot open a device either: said as a device error.
void loadMixerOrFail()
{
    try {
        mix();
    } catch (const EMCIDeviceError &) {
        throw;
    } catch (const Exception &e) {
        throw EMCIDeviceError(e.message());
    }
}

constexpr int kFrequency = 44100;
constexpr int kChannels = 2;
// About 12 ms a buffer: a word starts sounding well within the time the learner can notice.
constexpr int kChunkFrames = 512;

const QEvent::Type kNotifyEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

class NotifyEvent : public QEvent
{
public:
    NotifyEvent(quint64 request, TMPNotifyValues value) : QEvent(kNotifyEvent), request(request), value(value)
    {
    }

    const quint64 request;
    const TMPNotifyValues value;
};

// SDL_mixer has one music stream per process. This records which play request it serves. The
// finished hook reads it on the audio thread, holding the audio lock, so no Mix_ call may be made
// while this mutex is held (the UI thread would wait for the audio lock while the hook waits for us).
struct Stream
{
    std::mutex mutex;
    TMediaPlayer *owner = nullptr;
    quint64 request = 0; // the play request still sounding; 0 when none
    bool notify = false;
};

Stream g_stream;

// UI thread only.
quint64 g_lastRequest = 0;
quint16 g_lastDevice = 0;
int g_deviceUsers = 0;

// Runs on the audio thread when a sound has played to its end (and inside Mix_HaltMusic, where the
// request has already been taken away).
void SDLCALL musicFinished()
{
    const std::lock_guard lock(g_stream.mutex);
    if (g_stream.request != 0 && g_stream.notify)
        QCoreApplication::postEvent(g_stream.owner, new NotifyEvent(g_stream.request, nvSuccessful));
    g_stream.owner = nullptr;
    g_stream.request = 0;
}

bool streamServes(const TMediaPlayer *player)
{
    const std::lock_guard lock(g_stream.mutex);
    return g_stream.owner == player && g_stream.request != 0;
}

// Stops whatever sounds. The request is taken before halting, so the hook inside Mix_HaltMusic and a
// natural end racing with us cannot both report it: exactly one side sees it.
void haltStream(bool notifyAborted)
{
    TMediaPlayer *owner = nullptr;
    quint64 request = 0;
    bool notify = false;
    {
        const std::lock_guard lock(g_stream.mutex);
        owner = g_stream.owner;
        request = g_stream.request;
        notify = g_stream.notify;
        g_stream.owner = nullptr;
        g_stream.request = 0;
    }
    mix().Mix_HaltMusic();
    if (request != 0 && notify && notifyAborted)
        QCoreApplication::postEvent(owner, new NotifyEvent(request, nvAborted));
}

quint16 nextDeviceId()
{
    if (++g_lastDevice == 0)
        ++g_lastDevice;
    return g_lastDevice;
}

quint32 littleEndian(const QByteArray &bytes, qsizetype at, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | quint8(bytes.at(at + i));
    return value;
}

// Whether the bytes are a WAV file whose format SDL cannot be trusted with: its decoder divides by the
// channel count unchecked (a file of no channels kills the process) and sizes buffers from the rate
// (a rate of billions overflows them). SDL plays up to 8 channels; no recording has a rate past 384 kHz.
bool isImplausibleWave(const QByteArray &bytes)
{
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return false;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const quint32 size = littleEndian(bytes, at + 4, 4);
        if (bytes.mid(at, 4) == "fmt ") {
            if (size < 16 || at + 8 + 16 > bytes.size())
                return true;
            const quint32 channels = littleEndian(bytes, at + 10, 2);
            const quint32 rate = littleEndian(bytes, at + 12, 4);
            return channels == 0 || channels > 8 || rate == 0 || rate > 384000;
        }
        // Chunks are padded to an even size.
        at += 8 + qsizetype(size) + (size & 1);
    }
    return false;
}

// Whether the bytes begin as a sound of the kinds recordings come in: MP3 (an ID3 tag or an MPEG frame),
// WAV or Ogg. SDL_mixer would try others too, and its handling of some is unsafe for files made to
// harm: a FLAC comment of no text crashes it, and MIDI makes it load a synthesizer's sound font of
// hundreds of megabytes for a file of 25 bytes.
bool isRecordingKind(const QByteArray &bytes)
{
    if (bytes.startsWith("ID3") || bytes.startsWith("OggS"))
        return true;
    if (bytes.size() >= 2 && quint8(bytes.at(0)) == 0xFF && (quint8(bytes.at(1)) & 0xE0) == 0xE0)
        return true;
    return bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WAVE";
}

// A header may claim any length: a WAV of 64 Hz declaring 4 GB of data lasts a year, past what an int
// holds in milliseconds.
int milliseconds(double seconds)
{
    if (!(seconds > 0))
        return 0;
    return seconds * 1000 >= double(INT_MAX) ? INT_MAX : int(seconds * 1000);
}

} // namespace

TMediaPlayer::TMediaPlayer(QWidget *parent) : QWidget(parent)
{
    // A control without a face: it only carries the playback of its window.
    hide();
    setEnabled(false);
}

TMediaPlayer::~TMediaPlayer()
{
    // Posted events for this object die with it; nobody is left to be told.
    release(false);
    if (m_holdsDevice && --g_deviceUsers == 0) {
        mix().Mix_HookMusicFinished(nullptr);
        mix().Mix_CloseAudio();
        mix().Mix_Quit();
        mix().SDL_QuitSubSystem(SDL_INIT_AUDIO);
        if (mix().SDL_WasInit(SDL_INIT_EVERYTHING) == 0)
            mix().SDL_Quit();
    }
}

void TMediaPlayer::setNotify(bool notify)
{
    m_notify = notify;
    m_notifyPending = true;
}

bool TMediaPlayer::takeNotify(bool fallback)
{
    if (!m_notifyPending)
        return fallback;
    m_notifyPending = false;
    return m_notify;
}

void TMediaPlayer::post(quint64 request, TMPNotifyValues value)
{
    QCoreApplication::postEvent(this, new NotifyEvent(request, value));
}

void TMediaPlayer::release(bool notifyAborted)
{
    if (!m_music)
        return;
    // Mix_FreeMusic of a sounding stream stops it without calling the hook: halt first.
    if (streamServes(this))
        haltStream(notifyAborted);
    mix().Mix_FreeMusic(m_music);
    m_music = nullptr;
    m_data.clear();
    m_deviceId = 0;
}

void TMediaPlayer::Close()
{
    if (!m_music)
        return;
    const bool notify = takeNotify(false);
    release(true);
    if (notify)
        post(++g_lastRequest, nvSuccessful);
}

void TMediaPlayer::Open()
{
    Close();
    const bool notify = takeNotify(false);

    if (m_fileName.isEmpty())
        throw EMCIDeviceError(tr("No sound file was named to open."));
    const QFileInfo info(m_fileName);
    if (info.isDir())
        throw EMCIDeviceError(tr("\"%1\" is a folder, not a sound file.").arg(m_fileName));
    if (!info.exists())
        throw EMCIDeviceError(tr("The sound file \"%1\" does not exist.").arg(m_fileName));
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EMCIDeviceError(
            tr("The sound file \"%1\" cannot be read: %2.").arg(m_fileName, file.errorString()));
    QByteArray data = file.readAll();
    file.close();

    if (!m_holdsDevice) {
        if (g_deviceUsers == 0) {
            loadMixerOrFail();
            mix().SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
            if (mix().SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
                throw EMCIDeviceError(tr("No sound device can be opened to play \"%1\".").arg(m_fileName));
            if (mix().Mix_OpenAudio(kFrequency, AUDIO_S16SYS, kChannels, kChunkFrames) != 0) {
                mix().SDL_QuitSubSystem(SDL_INIT_AUDIO);
                throw EMCIDeviceError(tr("No sound device can be opened to play \"%1\".").arg(m_fileName));
            }
            mix().Mix_HookMusicFinished(musicFinished);
        }
        ++g_deviceUsers;
        m_holdsDevice = true;
    }

    Mix_Music *music = nullptr;
    if (!data.isEmpty() && data.size() <= INT_MAX && isRecordingKind(data) && !isImplausibleWave(data)) {
        // The decoder is chosen from the content; SDL frees the reader, the bytes stay ours.
        SDL_RWops *reader = mix().SDL_RWFromConstMem(data.constData(), int(data.size()));
        if (reader)
            music = mix().Mix_LoadMUS_RW(reader, SDL_TRUE);
    }
    if (!music)
        throw EMCIDeviceError(tr("\"%1\" is not a sound file this program can play.").arg(m_fileName));

    m_data = std::move(data);
    m_music = music;
    m_deviceId = nextDeviceId();
    if (notify)
        post(++g_lastRequest, nvSuccessful);
}

void TMediaPlayer::Play()
{
    if (!m_music)
        throw EMCIDeviceError(tr("No MCI device open"));
    const bool notify = takeNotify(true);
    const quint64 request = ++g_lastRequest;
    m_playRequest = request;

    // Still sounding: it goes on, and the earlier request is superseded by this one.
    quint64 superseded = 0;
    bool supersededNotify = false;
    {
        const std::lock_guard lock(g_stream.mutex);
        if (g_stream.owner == this && g_stream.request != 0) {
            superseded = g_stream.request;
            supersededNotify = g_stream.notify;
            g_stream.request = request;
            g_stream.notify = notify;
        }
    }
    if (superseded != 0) {
        if (supersededNotify)
            post(superseded, nvSuperseded);
        return;
    }

    // Mix_PlayMusic would replace another player's sound without calling the hook: halt it first.
    haltStream(true);
    {
        // Recorded before the start, so that even the shortest sound finds its request at its end.
        const std::lock_guard lock(g_stream.mutex);
        g_stream.owner = this;
        g_stream.request = request;
        g_stream.notify = notify;
    }
    if (mix().Mix_PlayMusic(m_music, 0) != 0) {
        {
            const std::lock_guard lock(g_stream.mutex);
            g_stream.owner = nullptr;
            g_stream.request = 0;
        }
        if (notify)
            post(request, nvFailure);
    }
}

TMPModes TMediaPlayer::Mode() const
{
    if (!m_music)
        return mpNotReady;
    return streamServes(this) ? mpPlaying : mpStopped;
}

int TMediaPlayer::Length() const
{
    if (!m_music)
        return 0;
    return milliseconds(mix().Mix_MusicDuration(m_music));
}

int TMediaPlayer::Position() const
{
    if (!m_music || !streamServes(this))
        return 0;
    return milliseconds(mix().Mix_GetMusicPosition(m_music));
}

bool TMediaPlayer::event(QEvent *event)
{
    if (event->type() != kNotifyEvent)
        return QWidget::event(event);
    const auto *notice = static_cast<NotifyEvent *>(event);
    m_notifyRequest = notice->request;
    m_notifyValue = notice->value;
    emit OnNotify(this);
    return true;
}
