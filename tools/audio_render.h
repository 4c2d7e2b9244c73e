// Offline rendering of the show's module with libmikmod's mixer driven by
// hand (no sound device, no real time): 44100 Hz, 16-bit stereo.
#pragma once
#include <cstdint>
#include <string>

constexpr int AUDIO_RATE = 44100;

// The song's length in ms as the player plays it, or -1 (with *error set)
// when the module cannot be loaded.
int64_t song_length_ms(const char *module_path, std::string *error);

// Writes the stretch from from_ms to to_ms of the song as a WAV file of
// exactly (to * 44100 / 1000) - (from * 44100 / 1000) sample frames
// (integer divisions rounding down): silence before the song starts and
// after it ends. The file appears complete or not at all.
bool render_song_wav(const char *module_path, int64_t from_ms, int64_t to_ms, const std::string &wav_path,
                     std::string *error);
