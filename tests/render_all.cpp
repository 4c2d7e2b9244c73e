// Renders every millisecond of the show in order, one draw call each, then
// sample times far outside it, through the timeline and straight into each
// scene. Built into the sanitizer run, where any overflow, bad shift or
// out-of-range index stops it.
#include <climits>
#include <cstdio>

#include "scenes/scenes.h"
#include "shell/offscreen.h"
#include "shell/timeline.h"

int main()
{
    run_scene_inits();
    int64_t frames = 0;
    for (int32_t t = 0; t <= SHOW_END_MS; t++, frames++)
        timeline_draw(t);

    const int32_t far[] = {INT32_MIN, INT32_MIN + 1, -2000000000, -408000, -100000, -1, 161071,
                           1000000, 2000000000, INT32_MAX - 1, INT32_MAX};
    void (*const scenes[])(int32_t) = {plasma_draw, flower_tunnel_draw, bars_draw, rotozoom_draw,
                                       trails_draw, twister_draw, dots_draw, halfres_tunnel_draw,
                                       credits_draw};
    for (int32_t t : far) {
        timeline_draw(t);
        frames++;
        for (auto draw : scenes) {
            draw(t);
            frames++;
        }
    }
    if (offscreen_present_count() != frames) {
        std::fprintf(stderr, "presented %lld frames for %lld draw calls\n",
                     static_cast<long long>(offscreen_present_count()), static_cast<long long>(frames));
        return 1;
    }
    std::printf("rendered %lld frames\n", static_cast<long long>(frames));
    return 0;
}
