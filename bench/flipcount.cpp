// libflipcount.so: an LD_PRELOAD shim that measures the running show from
// outside, so that the program itself needs no options. It times every
// SDL_Flip and every MikMod_Update, and at exit writes to $FLIPCOUNT_OUT:
//   flip MS          one line per presented frame, ms since the first flip
//   update MS US     one line per MikMod_Update call that took 2 ms or more
//   updates N MAXUS  the number of MikMod_Update calls and the slowest
//   startup MS       from the process's start to the first presented frame
// The first flip comes right after the clock's zero, so MS is the show time
// to within a millisecond or two.
#include <dlfcn.h>
#include <sys/time.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

double now_ms()
{
    timeval tv;
    gettimeofday(&tv, nullptr);
    return tv.tv_sec * 1000.0 + tv.tv_usec / 1000.0;
}

struct Log {
    double loaded = now_ms();  // about when the process started
    double first = -1;
    std::vector<float> flips;
    std::vector<std::pair<float, float>> slow_updates;
    long updates = 0;
    double max_update_us = 0;

    ~Log()
    {
        // Other processes of a test run (shells, the X server) load the shim
        // too: only the one that presented frames writes.
        const char *path = std::getenv("FLIPCOUNT_OUT");
        if (!path || flips.empty())
            return;
        FILE *f = std::fopen(path, "w");
        if (!f)
            return;
        std::fprintf(f, "startup %.3f\n", first - loaded);
        for (float t : flips)
            std::fprintf(f, "flip %.3f\n", t);
        for (auto &u : slow_updates)
            std::fprintf(f, "update %.3f %.0f\n", u.first, u.second);
        std::fprintf(f, "updates %ld %.0f\n", updates, max_update_us);
        std::fclose(f);
    }
} log_;

template <typename F>
F real(const char *name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" int SDL_Flip(void *screen)
{
    static auto flip = real<int (*)(void *)>("SDL_Flip");
    const double t = now_ms();
    if (log_.first < 0)
        log_.first = t;
    log_.flips.push_back(static_cast<float>(t - log_.first));
    return flip(screen);
}

extern "C" void MikMod_Update(void)
{
    static auto update = real<void (*)(void)>("MikMod_Update");
    const double t0 = now_ms();
    update();
    const double us = (now_ms() - t0) * 1000.0;
    log_.updates++;
    if (us > log_.max_update_us)
        log_.max_update_us = us;
    if (us >= 2000 && log_.first >= 0)
        log_.slow_updates.emplace_back(static_cast<float>(t0 - log_.first), static_cast<float>(us));
}
