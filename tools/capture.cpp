// quillmoss-capture: renders the show without a window.
//
//   quillmoss-capture --at MS -o FILE [--scale K]
//
// runs the scene init steps as the show does, then one pass of the loop's
// drawing for elapsed_ms = MS (any signed 32-bit value) through the
// timeline, and writes the presented frame as FILE.raw (20480 grey-index
// bytes), FILE.pgm and FILE.png (the palette's greys, scaled K times).
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "image_io.h"
#include "shell/offscreen.h"
#include "shell/timeline.h"

namespace {

const char *const USAGE = "usage: quillmoss-capture --at MS -o FILE [--scale K]";

[[noreturn]] void usage_error(const char *why)
{
    std::fprintf(stderr, "quillmoss-capture: %s\n%s\n", why, USAGE);
    std::exit(2);
}

// A whole decimal number within [lo, hi], or a usage error.
long long parse_number(const char *option, const char *text, long long lo, long long hi)
{
    char *end = nullptr;
    errno = 0;
    const long long v = std::strtoll(text, &end, 10);
    if (errno || end == text || *end || v < lo || v > hi) {
        std::string why = std::string("bad value for ") + option + ": '" + text + "'";
        usage_error(why.c_str());
    }
    return v;
}

}  // namespace

int main(int argc, char *argv[])
{
    bool have_at = false;
    int32_t at_ms = 0;
    int scale = 1;
    const char *output = nullptr;

    for (int i = 1; i < argc; i++) {
        const std::string arg = argv[i];
        const bool has_value = i + 1 < argc;
        if (arg == "--at" && has_value) {
            at_ms = static_cast<int32_t>(parse_number("--at", argv[++i], INT32_MIN, INT32_MAX));
            have_at = true;
        } else if (arg == "--scale" && has_value) {
            scale = static_cast<int>(parse_number("--scale", argv[++i], 1, 16));
        } else if (arg == "-o" && has_value) {
            output = argv[++i];
        } else if (arg == "--at" || arg == "--scale" || arg == "-o") {
            usage_error((arg + " needs a value").c_str());
        } else {
            usage_error(("unknown argument '" + arg + "'").c_str());
        }
    }
    if (!have_at || !output || !*output)
        usage_error("--at and -o are required");

    run_scene_inits();
    timeline_draw(at_ms);
    const Frame *frame = offscreen_last_frame();

    const std::string base = output;
    const std::string paths[3] = {base + ".raw", base + ".pgm", base + ".png"};
    const bool ok[3] = {
        write_raw(paths[0], frame),
        write_pgm(paths[1], frame, scale),
        write_png(paths[2], frame, scale),
    };
    for (int k = 0; k < 3; k++) {
        if (!ok[k]) {
            std::fprintf(stderr, "quillmoss-capture: cannot write %s: %s\n", paths[k].c_str(),
                         std::strerror(errno));
            for (int j = 0; j < 3; j++)
                std::remove(paths[j].c_str());
            return 1;
        }
    }
    return 0;
}
