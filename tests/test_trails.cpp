// Scene 5 in a process of its own: its ring of 48 frames and its slot carry
// over from call to call, so the call numbers here are the process's own.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "data/ball_image.h"
#include "gfx/font.h"
#include "scene_fixture.h"
#include "scenes/scenes.h"
#include "scenes/trails.h"

namespace {

// White with one ball whose top-left corner is at (x, y).
Frame one_bob(int x, int y)
{
    Frame f{};
    for (int r = 0; r < 16; r++)
        for (int c = 0; c < 16; c++)
            if (ball_texture[r * 16 + c])
                f.pixels[(y + r) * 160 + x + c] = ball_texture[r * 16 + c];
    return f;
}

bool same(const Frame &a, const Frame &b)
{
    return std::memcmp(&a, &b, FRAME_SIZE) == 0;
}

using Trails = SceneTest;

TEST_F(Trails, RingShowsOneBobFor48CallsThenTwo)
{
    ASSERT_EQ(trail_slot, 0);
    const Frame first = render(trails_draw, 0);  // call 1: ring frame 1
    EXPECT_EQ(trail_slot, 1);
    EXPECT_TRUE(same(first, one_bob(124, 98)));  // centre (132, 106)

    Frame later;
    for (int call = 2; call <= 48; call++) {
        const Frame f = render(trails_draw, 2000);
        if (call == 2)
            later = f;
        ASSERT_TRUE(same(f, later)) << "call " << call << " shows one bob";
    }
    EXPECT_EQ(trail_slot, 0);  // call 48 drew ring frame 0 for the first time
    EXPECT_FALSE(same(later, first));

    // Call 49 draws into ring frame 1 again: its bob over the bob of call 1.
    const Frame both = render(trails_draw, 2000);
    EXPECT_EQ(trail_slot, 1);
    Frame want = first;
    for (int p = 0; p < FRAME_SIZE; p++)
        if (later.pixels[p])
            want.pixels[p] = later.pixels[p];
    EXPECT_TRUE(same(both, want));
}

TEST_F(Trails, GreetingsRiseWithoutLeavingTrails)
{
    const Bitmap *g = greetings_bitmap;
    ASSERT_EQ(g->width, 137);
    ASSERT_EQ(g->height, 544);
    const int gx = 11;

    auto row_is_white = [](const Frame &f, int y) {
        for (int x = 0; x < 160; x++)
            if (f.pixels[y * 160 + x])
                return false;
        return true;
    };
    auto shows_bitmap_row = [&](const Frame &f, int screen_y, int row) {
        for (int x = 0; x < g->width; x++)
            if (g->mask[row * g->width + x] == 0 && f.pixels[screen_y * 160 + gx + x] != g->pixels[row * g->width + x])
                return false;
        return true;
    };

    // The bob stays within rows 13..113, so rows 0 and 127 show only greetings.
    for (int32_t t : {7670, 7671, 7701})
        EXPECT_TRUE(row_is_white(render(trails_draw, t), 127)) << t;
    const Frame entering = render(trails_draw, 7702);  // gy = 127
    EXPECT_FALSE(row_is_white(entering, 127));
    EXPECT_TRUE(shows_bitmap_row(entering, 127, 0));

    const Frame leaving = render(trails_draw, 7670 + 671 * 32);  // gy = -543
    EXPECT_FALSE(row_is_white(leaving, 0));
    EXPECT_TRUE(shows_bitmap_row(leaving, 0, 543));
    EXPECT_TRUE(row_is_white(render(trails_draw, 7670 + 672 * 32), 0));  // gy = -544
    EXPECT_TRUE(row_is_white(render(trails_draw, 30679), 0));

    // A later call on the same ring frame shows no greetings from before:
    // only bobs are ever drawn into the ring.
    for (int call = 0; call < 48; call++)
        render(trails_draw, 7000);
    const Frame f = render(trails_draw, 7000);
    EXPECT_TRUE(row_is_white(f, 127));
    EXPECT_TRUE(row_is_white(f, 0));
}

TEST(Greetings, HandlesFitTheFont)
{
    int lines = 0, handles = 0;
    const int fixed[] = {0, 1, 2, 6, 8, 9, 10, 11, 31, 32, 33};
    for (; greetings_lines[lines]; lines++) {
        const std::string line = greetings_lines[lines];
        EXPECT_LE(text_width(line.c_str()), 137) << line;
        bool is_fixed = false;
        for (int k : fixed)
            is_fixed |= k == lines;
        if (is_fixed)
            continue;
        handles++;
        EXPECT_GE(line.size(), 3u) << line;
        EXPECT_LE(line.size(), 9u) << line;
        for (char c : line)
            EXPECT_TRUE(c >= 'a' && c <= 'z') << line;
    }
    EXPECT_EQ(lines, 34);
    EXPECT_EQ(handles, 23);
    EXPECT_STREQ(greetings_lines[0], "greetings");
    EXPECT_STREQ(greetings_lines[32], "and all at");
    EXPECT_STREQ(greetings_lines[33], "halvern!");
}

}  // namespace
