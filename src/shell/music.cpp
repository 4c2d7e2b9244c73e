#include "shell/music.h"

#include <cstdio>

namespace {

bool playing(const MusicState *music)
{
    return music->sound_ready && music->module;
}

}  // namespace

void music_setup(MusicState *music)
{
    MikMod_RegisterAllDrivers();
    MikMod_RegisterAllLoaders();
    md_mode |= DMODE_SOFT_MUSIC;
    md_mixfreq = 22100;

    music->sound_ready = MikMod_Init("") == 0;
    music->module = nullptr;
    if (!music->sound_ready) {
        // Loading after a failed init crashes inside libmikmod: never try.
        std::fprintf(stderr, "Warning: Could not initialize sound (%s)\n",
                     MikMod_strerror(MikMod_errno));
        return;
    }
    music->module = Player_Load(MODULE_PATH, 64, 0);
    if (!music->module)
        std::fprintf(stderr, "Warning: Could not load module (%s)\n",
                     MikMod_strerror(MikMod_errno));
}

void music_start(MusicState *music)
{
    if (playing(music))
        Player_Start(music->module);
}

int music_update(MusicState *music)
{
    if (!playing(music))
        return 1;
    MikMod_Update();
    return Player_Active();
}

void music_shutdown(MusicState *music)
{
    if (playing(music)) {
        Player_Stop();
        Player_Free(music->module);
    }
    MikMod_Exit();
}
