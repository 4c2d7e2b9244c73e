#include "shell/timeline.h"

#include "scenes/scenes.h"

const TimelineRow Timeline[TIMELINE_ROWS] = {
    {plasma_draw, 0, 15339},
    {flower_tunnel_draw, 15340, 30679},
    {bars_draw, 30680, 46019},
    {rotozoom_draw, 46020, 61359},
    {trails_draw, 61360, 92039},
    {twister_draw, 92040, 107379},
    {dots_draw, 107380, 138059},
    {halfres_tunnel_draw, 138060, 153399},
    {credits_draw, 153400, 0},
};

int timeline_row(int32_t elapsed_ms)
{
    for (int row = 0; row < TIMELINE_ROWS - 1; row++)
        if (elapsed_ms <= Timeline[row].last_ms)
            return row;
    return TIMELINE_ROWS - 1;
}

void timeline_draw(int32_t elapsed_ms)
{
    const TimelineRow &row = Timeline[timeline_row(elapsed_ms)];
    // Cannot overflow: rows after the first only hold times above their start.
    row.draw(elapsed_ms - row.start_ms);
}

void run_scene_inits()
{
    rotozoom_init();
    plasma_init();
    flower_tunnel_init();
    bars_init();
    dots_init();
    trails_init();
    halfres_tunnel_init();
    twister_init();
    credits_init();
}

int32_t elapsed_ms_from(int64_t dsec, int64_t dusec)
{
    // Conversions to 32 bits are modular in C++20; the product and the sum
    // are wrapped through unsigned arithmetic rather than overflowed.
    const uint32_t sec = static_cast<uint32_t>(dsec);
    const int32_t usec = static_cast<int32_t>(dusec);
    return static_cast<int32_t>(sec * 1000u + static_cast<uint32_t>(usec / 1000));
}
