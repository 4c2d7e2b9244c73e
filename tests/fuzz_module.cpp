// libFuzzer target over the module-loading path as the show uses it:
// Player_Load(path, 64, 0) on a file, then, if it loads, starting the song
// and mixing a stretch of it, as the show's MikMod_Update calls would.
// libmikmod runs on its no-sound driver with the show's mixer settings.
//
// Built and run by `make fuzz` (clang, -fsanitize=fuzzer,address,undefined).
#include <mikmod.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

bool set_up()
{
    MikMod_RegisterDriver(&drv_nos);
    MikMod_RegisterAllLoaders();
    md_mode |= DMODE_SOFT_MUSIC;
    md_mixfreq = 22100;
    if (MikMod_Init("")) {
        std::fprintf(stderr, "MikMod_Init: %s\n", MikMod_strerror(MikMod_errno));
        std::abort();
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool ready = set_up();
    (void)ready;

    // The loader takes a path: hand it an in-memory file.
    const int fd = memfd_create("module", 0);
    if (fd < 0)
        return 0;
    size_t done = 0;
    while (done < size) {
        const ssize_t n = write(fd, data + done, size - done);
        if (n <= 0)
            break;
        done += static_cast<size_t>(n);
    }
    char path[64];
    std::snprintf(path, sizeof path, "/proc/self/fd/%d", fd);

    MODULE *m = Player_Load(path, 64, 0);
    if (m) {
        Player_Start(m);
        static SBYTE buffer[22100 / 10 * 4];
        for (int k = 0; k < 5 && Player_Active(); k++)  // half a second of audio
            VC_WriteBytes(buffer, sizeof buffer);
        Player_Stop();
        Player_Free(m);
    }
    close(fd);
    return 0;
}
