// The soundtrack: one tracker module played by libmikmod, which picks the
// audio output itself. Sound is optional: when it cannot be set up a warning
// goes to stderr and the show runs silently.
#pragma once
#include <mikmod.h>

// Relative to the working directory.
constexpr const char *MODULE_PATH = "Quillmoss.app/Contents/Resources/fif.mod";

struct MusicState {
    int sound_ready;  // MikMod_Init succeeded
    MODULE *module;   // the loaded song; null when loading failed
};

// Registers drivers and loaders, sets the mixer up, initialises libmikmod and
// loads the module; prints the warning that fits a failure.
void music_setup(MusicState *music);

// Starts the song, if there is one.
void music_start(MusicState *music);

// Mixes the next stretch of audio; returns 0 once the song is over. Without
// a song it does nothing and returns 1.
int music_update(MusicState *music);

// Stops and frees the song if there is one, then closes libmikmod.
void music_shutdown(MusicState *music);
