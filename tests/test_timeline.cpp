// The timeline's rows and boundaries, the clock arithmetic, and that a
// timeline pass presents exactly one frame of the chosen scene.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "scenes/scenes.h"
#include "shell/offscreen.h"
#include "shell/timeline.h"

namespace {

using Draw = void (*)(int32_t);

TEST(Timeline, BoundariesPickTheRightSceneAndLocalTime)
{
    struct Case { int32_t elapsed; Draw draw; int32_t local; } cases[] = {
        {INT32_MIN, plasma_draw, INT32_MIN},
        {-1, plasma_draw, -1},
        {0, plasma_draw, 0},
        {15339, plasma_draw, 15339},
        {15340, flower_tunnel_draw, 0},
        {30679, flower_tunnel_draw, 15339},
        {30680, bars_draw, 0},
        {46019, bars_draw, 15339},
        {46020, rotozoom_draw, 0},
        {61359, rotozoom_draw, 15339},
        {61360, trails_draw, 0},
        {92039, trails_draw, 30679},
        {92040, twister_draw, 0},
        {107379, twister_draw, 15339},
        {107380, dots_draw, 0},
        {138059, dots_draw, 30679},
        {138060, halfres_tunnel_draw, 0},
        {153399, halfres_tunnel_draw, 15339},
        {153400, credits_draw, 0},
        {153401, credits_draw, 1},
        {INT32_MAX, credits_draw, INT32_MAX - 153400},
    };
    for (const Case &c : cases) {
        const TimelineRow &row = Timeline[timeline_row(c.elapsed)];
        EXPECT_EQ(row.draw, c.draw) << c.elapsed;
        EXPECT_EQ(c.elapsed - row.start_ms, c.local) << c.elapsed;
    }
}

TEST(Timeline, StretchesAreContiguous)
{
    EXPECT_EQ(Timeline[0].start_ms, 0);
    for (int r = 1; r < TIMELINE_ROWS; r++)
        EXPECT_EQ(Timeline[r].start_ms, Timeline[r - 1].last_ms + 1) << r;
}

TEST(Clock, ElapsedMillisecondsTruncateTheMicroseconds)
{
    struct Case { int64_t dsec, dusec; int32_t ms; } cases[] = {
        {0, 0, 0},
        {0, 999, 0},
        {0, 1000, 1},
        {1, -500, 1000},      // truncation rounds a negative part up
        {1, -1, 1000},
        {2, -1500, 1999},
        {0, -999, 0},
        {-1, 0, -1000},       // clock set back
        {-1, 999999, -1},
        {15, 339999, 15339},
        {2147483, 647000, INT32_MAX},
        {2147483, 648000, INT32_MIN},  // the 32-bit count wraps after ~24.8 days
        {4294967, 296000, 0},          // a whole 2^32 ms later, back to 0
        {int64_t{1} << 32, 5000, 5},   // seconds wrap modulo 2^32 first
    };
    for (const Case &c : cases)
        EXPECT_EQ(elapsed_ms_from(c.dsec, c.dusec), c.ms) << c.dsec << " s " << c.dusec << " us";
}

class TimelineDraw : public ::testing::Test {
protected:
    static void SetUpTestSuite() { run_scene_inits(); }
};

TEST_F(TimelineDraw, PresentsExactlyOneFrameOfTheChosenScene)
{
    const int32_t times[] = {-5000, 0, 15340, 40000, 50000, 100000, 120000, 140000, 153400, 2000000000};
    for (int32_t t : times) {
        const int64_t before = offscreen_present_count();
        timeline_draw(t);
        ASSERT_EQ(offscreen_present_count(), before + 1) << t;
        Frame via_timeline;
        std::memcpy(&via_timeline, offscreen_last_frame(), FRAME_SIZE);

        const TimelineRow &row = Timeline[timeline_row(t)];
        if (row.draw == trails_draw)
            continue;  // its ring advances per call
        row.draw(t - row.start_ms);
        EXPECT_EQ(std::memcmp(&via_timeline, offscreen_last_frame(), FRAME_SIZE), 0) << t;
    }
}

}  // namespace
