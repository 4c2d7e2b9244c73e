// quillmoss-capture: renders the show without a window, deterministically.
//
//   quillmoss-capture --at MS -o FILE [--scale K]
//       One frame: the init steps as the show runs them, then one pass of
//       the loop's drawing for elapsed_ms = MS (any signed 32-bit value)
//       through the timeline. Writes FILE.raw (the 20480 grey-index bytes),
//       FILE.pgm and FILE.png (the palette's greys, each pixel K x K).
//
//   quillmoss-capture [--fps N] [--from MS] [--to MS] [--scale K]
//                     [--audio FILE.wav] -o DIR
//       A sequence: frame n is drawn at elapsed_ms = from + floor(n * 1000 /
//       fps) while that is below `to`, one draw call per frame as the show's
//       loop makes them, into DIR/frame-00000.png, ... Defaults: 60 fps,
//       from 0, to the end of the song (161070 ms, the end of the credits,
//       when there is no song). --audio renders the module the show plays
//       (Quillmoss.app/Contents/Resources/fif.mod in the working directory)
//       for exactly the same stretch, 44100 Hz stereo.
//
//   quillmoss-capture --sheet FILE.png [--scale K]
//       A contact sheet: the middle of each of the nine stretches, 3 x 3.
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "audio_render.h"
#include "image_io.h"
#include "scenes/scenes.h"
#include "shell/offscreen.h"
#include "shell/timeline.h"

namespace {

const char *const MODULE_FILE = "Quillmoss.app/Contents/Resources/fif.mod";

const char *const USAGE =
    "usage: quillmoss-capture --at MS -o FILE [--scale K]\n"
    "       quillmoss-capture [--fps N] [--from MS] [--to MS] [--scale K] [--audio FILE.wav] -o DIR\n"
    "       quillmoss-capture --sheet FILE.png [--scale K]";

[[noreturn]] void usage_error(const std::string &why)
{
    std::fprintf(stderr, "quillmoss-capture: %s\n%s\n", why.c_str(), USAGE);
    std::exit(2);
}

[[noreturn]] void fatal(const std::string &why)
{
    std::fprintf(stderr, "quillmoss-capture: %s\n", why.c_str());
    std::exit(1);
}

long long parse_number(const std::string &option, const char *text, long long lo, long long hi)
{
    char *end = nullptr;
    errno = 0;
    const long long v = std::strtoll(text, &end, 10);
    if (errno || end == text || *end)
        usage_error("bad value for " + option + ": '" + text + "'");
    if (v < lo || v > hi)
        usage_error(option + " must be within " + std::to_string(lo) + ".." + std::to_string(hi) + ", not " + text);
    return v;
}

struct Options {
    bool at_given = false, fps_given = false, from_given = false, to_given = false;
    int32_t at = 0, from = 0, to = 0;
    int fps = 60, scale = 1;
    std::string output, audio, sheet;
};

Options parse(int argc, char *argv[])
{
    Options o;
    for (int i = 1; i < argc; i++) {
        const std::string arg = argv[i];
        auto value = [&]() -> const char * {
            if (i + 1 >= argc)
                usage_error(arg + " needs a value");
            return argv[++i];
        };
        if (arg == "--at") {
            o.at = static_cast<int32_t>(parse_number(arg, value(), INT32_MIN, INT32_MAX));
            o.at_given = true;
        } else if (arg == "--fps") {
            o.fps = static_cast<int>(parse_number(arg, value(), 1, 1000));
            o.fps_given = true;
        } else if (arg == "--from") {
            o.from = static_cast<int32_t>(parse_number(arg, value(), INT32_MIN, INT32_MAX));
            o.from_given = true;
        } else if (arg == "--to") {
            o.to = static_cast<int32_t>(parse_number(arg, value(), INT32_MIN, INT32_MAX));
            o.to_given = true;
        } else if (arg == "--scale") {
            o.scale = static_cast<int>(parse_number(arg, value(), 1, 16));
        } else if (arg == "-o") {
            o.output = value();
        } else if (arg == "--audio") {
            o.audio = value();
        } else if (arg == "--sheet") {
            o.sheet = value();
        } else {
            usage_error("unknown argument '" + arg + "'");
        }
    }
    if (!o.sheet.empty()) {
        if (o.at_given || o.fps_given || o.from_given || o.to_given || !o.output.empty() || !o.audio.empty())
            usage_error("--sheet takes only --scale");
    } else if (o.at_given) {
        if (o.fps_given || o.from_given || o.to_given || !o.audio.empty())
            usage_error("--at captures one frame: --fps, --from, --to and --audio belong to sequences");
        if (o.output.empty())
            usage_error("-o FILE is required");
    } else {
        if (o.output.empty())
            usage_error("-o DIR is required");
        if (o.to_given && o.to <= o.from)
            usage_error("--to (" + std::to_string(o.to) + ") must come after --from (" + std::to_string(o.from) + ")");
    }
    return o;
}

// ------------------------------------------------------------ one frame

int capture_one(const Options &o)
{
    run_scene_inits();
    timeline_draw(o.at);
    const Frame *frame = offscreen_last_frame();
    const std::string paths[3] = {o.output + ".raw", o.output + ".pgm", o.output + ".png"};
    for (int k = 0; k < 3; k++) {
        const bool ok = k == 0 ? write_raw(paths[k], frame)
                        : k == 1 ? write_pgm(paths[k], frame, o.scale)
                                 : write_png(paths[k], frame, o.scale);
        if (!ok) {
            const std::string why = "cannot write " + paths[k] + ": " + std::strerror(errno);
            for (int j = 0; j < k; j++)
                std::remove(paths[j].c_str());
            fatal(why);
        }
    }
    return 0;
}

// ------------------------------------------------------------ sequences

double seconds_now()
{
    timeval tv;
    gettimeofday(&tv, nullptr);
    return tv.tv_sec + tv.tv_usec / 1e6;
}

// mkdir -p, failing with a message.
void make_folder(const std::string &dir)
{
    std::string path;
    size_t start = 0;
    while (start <= dir.size()) {
        size_t slash = dir.find('/', start);
        if (slash == std::string::npos)
            slash = dir.size();
        path = dir.substr(0, slash);
        if (!path.empty() && mkdir(path.c_str(), 0777) != 0 && errno != EEXIST)
            fatal("cannot make the folder " + path + ": " + std::strerror(errno));
        start = slash + 1;
    }
    struct stat st;
    if (stat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        fatal("cannot make the folder " + dir + ": " + (errno ? std::strerror(errno) : "not a folder"));
}

class Progress {
public:
    Progress(int64_t total) : total_(total), started_(seconds_now()), tty_(isatty(STDERR_FILENO)) {}

    void update(int64_t done, bool last = false)
    {
        const double now = seconds_now();
        if (!last && now - shown_ < (tty_ ? 0.1 : 5.0))
            return;
        shown_ = now;
        const double elapsed = now - started_;
        const double fps = elapsed > 0 ? done / elapsed : 0;
        const double left = fps > 0 ? (total_ - done) / fps : 0;
        const int pct = total_ ? static_cast<int>(done * 100 / total_) : 100;
        if (tty_) {
            constexpr int BAR = 30;
            const int filled = static_cast<int>(total_ ? done * BAR / total_ : BAR);
            std::fprintf(stderr, "\r[%.*s%.*s] %3d%% %lld/%lld frames %6.0f fps %4.0f s left ", filled,
                         "##############################", BAR - filled, "..............................",
                         pct, static_cast<long long>(done), static_cast<long long>(total_), fps, left);
            if (last)
                std::fputc('\n', stderr);
        } else {
            std::fprintf(stderr, "%lld/%lld frames (%d%%), %.0f fps, %.0f s left\n",
                         static_cast<long long>(done), static_cast<long long>(total_), pct, fps, left);
        }
        std::fflush(stderr);
    }

private:
    int64_t total_;
    double started_, shown_ = 0;
    bool tty_;
};

int64_t frame_time(const Options &o, int64_t n)
{
    return o.from + n * 1000 / o.fps;
}

int capture_sequence(Options o)
{
    std::string why;
    const bool have_song = access(MODULE_FILE, R_OK) == 0;
    if (!o.to_given) {
        const int64_t length = have_song ? song_length_ms(MODULE_FILE, &why) : -1;
        o.to = static_cast<int32_t>(length > 0 ? length : SHOW_END_MS);
        if (o.to <= o.from)
            usage_error("--from (" + std::to_string(o.from) + ") lies beyond the end (" + std::to_string(o.to) + ")");
    }
    if (!o.audio.empty() && !have_song)
        fatal(std::string("--audio: cannot read ") + MODULE_FILE + " in the working folder");

    make_folder(o.output);
    if (!o.audio.empty() && !render_song_wav(MODULE_FILE, o.from, o.to, o.audio, &why))
        fatal("--audio: " + why);

    // Count the frames: times from + floor(n * 1000 / fps) below `to`.
    int64_t total = 0;
    while (frame_time(o, total) < o.to)
        total++;

    run_scene_inits();
    Progress progress(total);
    char name[64];
    for (int64_t n = 0; n < total; n++) {
        timeline_draw(static_cast<int32_t>(frame_time(o, n)));
        std::snprintf(name, sizeof name, "/frame-%05lld.png", static_cast<long long>(n));
        if (!write_png(o.output + name, offscreen_last_frame(), o.scale))
            fatal("cannot write " + o.output + name + ": " + std::strerror(errno));
        progress.update(n + 1, n + 1 == total);
    }

    std::fprintf(stderr, "%lld frames in %s (%d fps, %d..%d ms)%s%s\n", static_cast<long long>(total),
                 o.output.c_str(), o.fps, o.from, o.to, o.audio.empty() ? "" : ", sound in ",
                 o.audio.c_str());
    std::printf("ffmpeg -framerate %d -i '%s/frame-%%05d.png'%s%s%s -c:v libx264 -pix_fmt yuv420p%s "
                "quillmoss.mp4\n",
                o.fps, o.output.c_str(), o.audio.empty() ? "" : " -i '", o.audio.c_str(),
                o.audio.empty() ? "" : "'", o.audio.empty() ? "" : " -c:a aac -b:a 192k");
    return 0;
}

// ------------------------------------------------------------ contact sheet

int capture_sheet(const Options &o)
{
    constexpr int GAP = 2, COLS = 3;
    constexpr int W = COLS * SCREEN_WIDTH + (COLS + 1) * GAP;
    constexpr int H = 3 * SCREEN_HEIGHT + 4 * GAP;
    std::vector<uint8_t> sheet(W * H, 3);
    run_scene_inits();
    for (int row = 0; row < TIMELINE_ROWS; row++) {
        const TimelineRow &r = Timeline[row];
        // The credits have no end: take the middle of their text.
        const int32_t length = row + 1 < TIMELINE_ROWS ? r.last_ms - r.start_ms + 1 : 7670;
        const int32_t middle = r.start_ms + length / 2;
        // Play the trails in from their start at 60 fps, as the show would
        // have drawn them, so that the ring is full.
        if (r.draw == trails_draw)
            for (int64_t t = r.start_ms; t < middle; t += 17)
                timeline_draw(static_cast<int32_t>(t));
        timeline_draw(middle);
        const Frame *f = offscreen_last_frame();
        const int x0 = GAP + (row % COLS) * (SCREEN_WIDTH + GAP), y0 = GAP + (row / COLS) * (SCREEN_HEIGHT + GAP);
        for (int y = 0; y < SCREEN_HEIGHT; y++)
            std::memcpy(&sheet[(y0 + y) * W + x0], f->pixels + y * SCREEN_WIDTH, SCREEN_WIDTH);
    }
    if (!write_png_image(o.sheet, sheet.data(), W, H, o.scale))
        fatal("cannot write " + o.sheet + ": " + std::strerror(errno));
    return 0;
}

}  // namespace

int main(int argc, char *argv[])
{
    const Options o = parse(argc, argv);
    if (!o.sheet.empty())
        return capture_sheet(o);
    if (o.at_given)
        return capture_one(o);
    return capture_sequence(o);
}
