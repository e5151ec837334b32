// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Encoder.h"

#include "Exceptions.h"
#include "LazyLibrary.h"

#include <QCoreApplication>

#include <lame/lame.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>

namespace Encoder {
namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Encoder", text);
}

// -50 dBFS: quieter than any word, louder than the hiss of a quiet room.
constexpr int kSilence = 104;

struct Lame
{
    SPELLDECK_LAZY_FUNCTION(lame_init);
    SPELLDECK_LAZY_FUNCTION(lame_close);
    SPELLDECK_LAZY_FUNCTION(lame_set_num_channels);
    SPELLDECK_LAZY_FUNCTION(lame_set_in_samplerate);
    SPELLDECK_LAZY_FUNCTION(lame_set_mode);
    SPELLDECK_LAZY_FUNCTION(lame_set_VBR);
    SPELLDECK_LAZY_FUNCTION(lame_set_VBR_quality);
    SPELLDECK_LAZY_FUNCTION(lame_set_bWriteVbrTag);
    SPELLDECK_LAZY_FUNCTION(lame_init_params);
    SPELLDECK_LAZY_FUNCTION(lame_encode_buffer);
    SPELLDECK_LAZY_FUNCTION(lame_encode_flush);
    SPELLDECK_LAZY_FUNCTION(lame_get_lametag_frame);
};

Lame loadLame()
{
    static LazyLibrary library(QStringLiteral("mp3lame"), 0, tr("MP3 encoding"));
    Lame api;
#define SPELLDECK_RESOLVE(name) api.name = library.resolve<decltype(&::name)>(#name)
    SPELLDECK_RESOLVE(lame_init);
    SPELLDECK_RESOLVE(lame_close);
    SPELLDECK_RESOLVE(lame_set_num_channels);
    SPELLDECK_RESOLVE(lame_set_in_samplerate);
    SPELLDECK_RESOLVE(lame_set_mode);
    SPELLDECK_RESOLVE(lame_set_VBR);
    SPELLDECK_RESOLVE(lame_set_VBR_quality);
    SPELLDECK_RESOLVE(lame_set_bWriteVbrTag);
    SPELLDECK_RESOLVE(lame_init_params);
    SPELLDECK_RESOLVE(lame_encode_buffer);
    SPELLDECK_RESOLVE(lame_encode_flush);
    SPELLDECK_RESOLVE(lame_get_lametag_frame);
#undef SPELLDECK_RESOLVE
    return api;
}

const Lame &lame()
{
    static const Lame api = loadLame();
    return api;
}

} // namespace

std::optional<Pcm> trimSilence(const Pcm &pcm, int keepMs)
{
    const auto loud = [](qint16 sample) { return std::abs(int(sample)) > kSilence; };
    const auto first = std::find_if(pcm.samples.cbegin(), pcm.samples.cend(), loud);
    if (first == pcm.samples.cend())
        return std::nullopt;
    const auto last = std::find_if(pcm.samples.crbegin(), pcm.samples.crend(), loud).base();
    const qsizetype keep = qsizetype(pcm.rate) * keepMs / 1000;
    const qsizetype from = std::max<qsizetype>(0, (first - pcm.samples.cbegin()) - keep);
    const qsizetype to =
        std::min<qsizetype>(qsizetype(pcm.samples.size()), (last - pcm.samples.cbegin()) + keep);
    return Pcm{{pcm.samples.cbegin() + from, pcm.samples.cbegin() + to}, pcm.rate};
}

void normalise(Pcm &pcm, double peakDbfs)
{
    const int peak = pcm.peak();
    if (peak == 0)
        return;
    const double gain = 32767.0 * std::pow(10.0, peakDbfs / 20.0) / peak;
    for (qint16 &sample : pcm.samples)
        sample = qint16(std::clamp(std::lround(sample * gain), -32768L, 32767L));
}

QByteArray encodeMp3(const Pcm &pcm)
{
    const Lame &api = lame();
    const std::unique_ptr<lame_global_flags, int (*)(lame_global_flags *)> flags(api.lame_init(),
                                                                                 api.lame_close);
    if (!flags)
        throw Exception(tr("The MP3 encoder could not be started."));
    api.lame_set_num_channels(flags.get(), 1);
    api.lame_set_in_samplerate(flags.get(), pcm.rate);
    api.lame_set_mode(flags.get(), MONO);
    api.lame_set_VBR(flags.get(), vbr_default);
    api.lame_set_VBR_quality(flags.get(), 4);
    // The VBR header lets players know the length without reading the whole file.
    api.lame_set_bWriteVbrTag(flags.get(), 1);
    if (api.lame_init_params(flags.get()) < 0)
        throw Exception(tr("The MP3 encoder does not take sound at %1 Hz.").arg(pcm.rate));

    const int count = int(pcm.samples.size());
    // LAME's own bound for its output: 1.25 times the samples plus 7200 bytes.
    QByteArray mp3(qsizetype(count) * 5 / 4 + 7200, Qt::Uninitialized);
    auto *input = const_cast<short *>(reinterpret_cast<const short *>(pcm.samples.data()));
    int written = api.lame_encode_buffer(flags.get(), input, input, count,
                                         reinterpret_cast<unsigned char *>(mp3.data()), int(mp3.size()));
    if (written < 0)
        throw Exception(tr("The MP3 encoder failed (%1).").arg(written));
    const int flushed = api.lame_encode_flush(
        flags.get(), reinterpret_cast<unsigned char *>(mp3.data()) + written, int(mp3.size()) - written);
    if (flushed < 0)
        throw Exception(tr("The MP3 encoder failed (%1).").arg(flushed));
    mp3.truncate(written + flushed);
    // The first frame was kept free for the VBR header, known only now.
    unsigned char tag[2880];
    const std::size_t tagSize = api.lame_get_lametag_frame(flags.get(), tag, sizeof tag);
    if (tagSize > 0 && tagSize <= std::size_t(mp3.size()))
        std::copy(tag, tag + tagSize, reinterpret_cast<unsigned char *>(mp3.data()));
    return mp3;
}

std::optional<QByteArray> encodeHeard(const Pcm &pcm)
{
    std::optional<Pcm> trimmed = trimSilence(pcm);
    if (!trimmed)
        return std::nullopt;
    normalise(*trimmed);
    return encodeMp3(*trimmed);
}

QByteArray prepareMp3(const Pcm &pcm, Source source)
{
    std::optional<QByteArray> mp3 = encodeHeard(pcm);
    if (!mp3)
        throw Exception(source == Source::Microphone ? tr("Nothing was heard. Check the microphone.")
                                                     : tr("The voice says nothing for this text."));
    return *mp3;
}

} // namespace Encoder
