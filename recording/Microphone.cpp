// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Microphone.h"

#include "Exceptions.h"
#include "LazyLibrary.h"

#include <SDL.h>

#include <cmath>

namespace {

struct Sdl
{
    SPELLDECK_LAZY_FUNCTION(SDL_SetHint);
    SPELLDECK_LAZY_FUNCTION(SDL_InitSubSystem);
    SPELLDECK_LAZY_FUNCTION(SDL_QuitSubSystem);
    SPELLDECK_LAZY_FUNCTION(SDL_OpenAudioDevice);
    SPELLDECK_LAZY_FUNCTION(SDL_CloseAudioDevice);
    SPELLDECK_LAZY_FUNCTION(SDL_PauseAudioDevice);
    SPELLDECK_LAZY_FUNCTION(SDL_GetAudioDeviceStatus);
};

Sdl loadSdl()
{
    static LazyLibrary library(QStringLiteral("SDL2-2.0"), 0, Microphone::tr("Recording"));
    Sdl api;
#define SPELLDECK_RESOLVE(name) api.name = library.resolve<decltype(&::name)>(#name)
    SPELLDECK_RESOLVE(SDL_SetHint);
    SPELLDECK_RESOLVE(SDL_InitSubSystem);
    SPELLDECK_RESOLVE(SDL_QuitSubSystem);
    SPELLDECK_RESOLVE(SDL_OpenAudioDevice);
    SPELLDECK_RESOLVE(SDL_CloseAudioDevice);
    SPELLDECK_RESOLVE(SDL_PauseAudioDevice);
    SPELLDECK_RESOLVE(SDL_GetAudioDeviceStatus);
#undef SPELLDECK_RESOLVE
    return api;
}

const Sdl &sdl()
{
    static const Sdl api = loadSdl();
    return api;
}

// How often the level is shown and the device looked at.
constexpr int kPollMs = 50;

} // namespace

Microphone::Microphone(QObject *parent) : QObject(parent)
{
    m_poll.setInterval(kPollMs);
    connect(&m_poll, &QTimer::timeout, this, &Microphone::poll);
}

Microphone::~Microphone()
{
    close();
}

void Microphone::capture(void *self, unsigned char *stream, int length)
{
    // The audio thread: no Qt object is touched here, only the buffer under its lock.
    auto *microphone = static_cast<Microphone *>(self);
    const auto *samples = reinterpret_cast<const qint16 *>(stream);
    const std::lock_guard lock(microphone->m_mutex);
    microphone->m_samples.insert(microphone->m_samples.end(), samples, samples + length / 2);
}

void Microphone::start()
{
    if (isRecording())
        return;
    sdl().SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (sdl().SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        throw Exception(tr("No microphone was found."));
    {
        const std::lock_guard lock(m_mutex);
        m_samples.clear();
        m_samples.reserve(std::size_t(kRate) * std::size_t(m_maximumMs) / 1000);
        m_levelFrom = 0;
        m_atLimit = false;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = kRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 1;
    wanted.samples = 512;
    wanted.callback = capture;
    wanted.userdata = this;
    SDL_AudioSpec obtained{};
    // No changes allowed: SDL converts whatever the device gives to what is asked.
    m_device = sdl().SDL_OpenAudioDevice(nullptr, 1, &wanted, &obtained, 0);
    if (m_device == 0) {
        sdl().SDL_QuitSubSystem(SDL_INIT_AUDIO);
        throw Exception(tr("No microphone was found."));
    }
    sdl().SDL_PauseAudioDevice(m_device, 0);
    m_poll.start();
}

void Microphone::close()
{
    if (!isRecording())
        return;
    m_poll.stop();
    // Closing waits for the audio thread, so the buffer is ours afterwards.
    sdl().SDL_CloseAudioDevice(m_device);
    sdl().SDL_QuitSubSystem(SDL_INIT_AUDIO);
    m_device = 0;
}

Pcm Microphone::stop()
{
    if (!isRecording())
        return {};
    close();
    const std::lock_guard lock(m_mutex);
    Pcm pcm{std::move(m_samples), kRate};
    m_samples = {};
    // What came after the longest duration is not part of the recording.
    const std::size_t longest = std::size_t(kRate) * std::size_t(m_maximumMs) / 1000;
    if (pcm.samples.size() > longest)
        pcm.samples.resize(longest);
    return pcm;
}

qint64 Microphone::elapsed() const
{
    auto *self = const_cast<Microphone *>(this);
    const std::lock_guard lock(self->m_mutex);
    return qint64(m_samples.size()) * 1000 / kRate;
}

void Microphone::poll()
{
    if (!isRecording())
        return;
    if (sdl().SDL_GetAudioDeviceStatus(m_device) == SDL_AUDIO_STOPPED) {
        close();
        emit failed(tr("The microphone went away while recording."));
        return;
    }
    int peak = 0;
    double squares = 0;
    std::size_t count = 0;
    bool atLimit = false;
    {
        const std::lock_guard lock(m_mutex);
        for (std::size_t i = m_levelFrom; i < m_samples.size(); ++i) {
            const int sample = m_samples[i];
            peak = std::max(peak, std::abs(sample));
            squares += double(sample) * sample;
        }
        count = m_samples.size() - m_levelFrom;
        m_levelFrom = m_samples.size();
        atLimit = !m_atLimit && m_samples.size() >= std::size_t(kRate) * std::size_t(m_maximumMs) / 1000;
        m_atLimit = m_atLimit || atLimit;
    }
    if (count > 0)
        emit levelChanged(peak / 32768.0, std::sqrt(squares / double(count)) / 32768.0);
    if (atLimit)
        emit limitReached();
}
