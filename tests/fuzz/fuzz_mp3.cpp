// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A sound opened the way the player opens it before a word plays: the file read into memory and
// handed to SDL_mixer, which picks its decoder from the content. SDL's dummy driver stands in for a
// sound card.
#include "FuzzHarness.h"
#include "MediaPlayer.h"

#include <QApplication>

#include <cstdlib>

namespace {

TMediaPlayer *g_player = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    static QApplication application(*argc, *argv);
    // One player for the whole run, as a window keeps one.
    static TMediaPlayer player;
    g_player = &player;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    g_player->setFileName(Fuzz::asFile(data, size, "mp3"));
    bool opened = false;
    Fuzz::refusesCleanly([&] {
        g_player->Open();
        opened = true;
    });
    if (opened) {
        if (g_player->Mode() != mpStopped || g_player->DeviceID() == 0)
            Fuzz::broken("an opened sound ready to play from its start");
        if (g_player->Length() < 0)
            Fuzz::broken("a length of no less than nothing");
    } else if (g_player->Mode() != mpNotReady) {
        Fuzz::broken("a refused sound leaves the player not ready");
    }
    g_player->Close();
    if (g_player->Mode() != mpNotReady)
        Fuzz::broken("a closed player not ready");
    return 0;
}
