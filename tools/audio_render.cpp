#include "audio_render.h"

#include "atomic_file.h"

#include <mikmod.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr int FRAME_BYTES = 4;  // 16-bit stereo

// Floor of ms * 44100 / 1000, for negative times too.
int64_t sample_at(int64_t ms)
{
    const int64_t n = ms * AUDIO_RATE;
    return n >= 0 ? n / 1000 : -((-n + 999) / 1000);
}

bool mikmod_ready;

// Sets libmikmod up once per process on its no-sound driver; the mixer is
// then run by VC_WriteBytes. Returns the loaded module or null.
MODULE *load(const char *path, std::string *error)
{
    if (!mikmod_ready) {
        MikMod_RegisterDriver(&drv_nos);
        MikMod_RegisterAllLoaders();
        md_mode |= DMODE_SOFT_MUSIC | DMODE_16BITS | DMODE_STEREO;
        md_mixfreq = AUDIO_RATE;
        if (MikMod_Init("")) {
            *error = std::string("cannot start libmikmod: ") + MikMod_strerror(MikMod_errno);
            return nullptr;
        }
        mikmod_ready = true;
    }
    MODULE *m = Player_Load(path, 64, 0);
    if (!m)
        *error = std::string(path) + ": " + MikMod_strerror(MikMod_errno);
    return m;
}

// Starts the song from its beginning; the random waveforms of vibrato and
// tremolo come from rand(), seeded so that every render is the same.
void start(MODULE *m)
{
    std::srand(1);
    Player_Start(m);
}

void put32(std::vector<uint8_t> &b, uint32_t v)
{
    for (int i = 0; i < 4; i++)
        b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void put16(std::vector<uint8_t> &b, uint16_t v)
{
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}

std::vector<uint8_t> wav_header(uint32_t frames)
{
    std::vector<uint8_t> h;
    const uint32_t data = frames * FRAME_BYTES;
    h.insert(h.end(), {'R', 'I', 'F', 'F'});
    put32(h, 36 + data);
    h.insert(h.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    put32(h, 16);
    put16(h, 1);  // PCM
    put16(h, 2);
    put32(h, AUDIO_RATE);
    put32(h, AUDIO_RATE * FRAME_BYTES);
    put16(h, FRAME_BYTES);
    put16(h, 16);
    h.insert(h.end(), {'d', 'a', 't', 'a'});
    put32(h, data);
    return h;
}

}  // namespace

int64_t song_length_ms(const char *module_path, std::string *error)
{
    MODULE *m = load(module_path, error);
    if (!m)
        return -1;
    start(m);
    // Mix a millisecond's worth at a time until the player reports the end.
    std::vector<SBYTE> buf(AUDIO_RATE / 1000 * FRAME_BYTES);
    int64_t ms = 0;
    while (Player_Active() && ms < 3600 * 1000) {
        VC_WriteBytes(buf.data(), static_cast<ULONG>(buf.size()));
        ms++;
    }
    Player_Stop();
    Player_Free(m);
    return ms;
}

bool render_song_wav(const char *module_path, int64_t from_ms, int64_t to_ms, const std::string &wav_path,
                     std::string *error)
{
    const int64_t first = sample_at(from_ms), last = sample_at(to_ms);
    const int64_t frames = last - first;
    if (frames < 0 || frames * FRAME_BYTES > 0xFFFFFFF0LL - 36) {
        *error = "the stretch is too long for a WAV file";
        return false;
    }
    MODULE *m = load(module_path, error);
    if (!m)
        return false;
    start(m);

    // Song position 0 is sample 0. Skip what lies before the stretch; write
    // silence for what lies before the song (negative times) and after it.
    const bool written = write_file_atomically(wav_path, [&](FILE *f) {
        const std::vector<uint8_t> header = wav_header(static_cast<uint32_t>(frames));
        if (std::fwrite(header.data(), 1, header.size(), f) != header.size())
            return false;
        constexpr int64_t CHUNK = 4096;
        std::vector<SBYTE> buf(CHUNK * FRAME_BYTES);
        for (int64_t skip = std::max<int64_t>(first, 0); skip > 0;) {
            const int64_t n = std::min(CHUNK, skip);
            VC_WriteBytes(buf.data(), static_cast<ULONG>(n * FRAME_BYTES));
            skip -= n;
        }
        for (int64_t pos = first; pos < last;) {
            // Up to the song's start, then in chunks of the mix.
            const int64_t n = std::min(pos < 0 ? -pos : CHUNK, std::min(CHUNK, last - pos));
            if (pos >= 0 && Player_Active())
                VC_WriteBytes(buf.data(), static_cast<ULONG>(n * FRAME_BYTES));
            else
                std::memset(buf.data(), 0, n * FRAME_BYTES);
            if (std::fwrite(buf.data(), FRAME_BYTES, n, f) != static_cast<size_t>(n))
                return false;
            pos += n;
        }
        return true;
    });
    Player_Stop();
    Player_Free(m);
    if (!written)
        *error = wav_path + ": " + std::strerror(errno);
    return written;
}
