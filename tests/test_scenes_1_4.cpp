// Scenes 1 to 4: plasma, flower tunnel, bars, rotozoomer. Expected values
// come from the arithmetic the effects are defined by, worked by hand.
#include <set>

#include "data/ball_image.h"
#include "data/plasma_dither.h"
#include "gfx/font.h"
#include "text_bitmaps.h"
#include "scene_fixture.h"
#include "scenes/flower_tunnel.h"
#include "scenes/plasma.h"
#include "scenes/rotozoom.h"
#include "scenes/scenes.h"

namespace {

using Plasma = SceneTest;

TEST_F(Plasma, PhaseOriginsFloorNegativeProducts)
{
    struct Case { int32_t t; PlasmaPhases want; } cases[] = {
        {0, {0, 0, 0, 0, 0}},
        {1, {255, 0, 0, 255, 0}},
        {-1, {0, 255, 255, 0, 255}},
        {128, {246, 17, 13, 233, 8}},
    };
    for (const Case &c : cases) {
        const PlasmaPhases p = plasma_phases(c.t);
        EXPECT_EQ(p.cs, c.want.cs) << c.t;
        EXPECT_EQ(p.ds, c.want.ds) << c.t;
        EXPECT_EQ(p.js, c.want.js) << c.t;
        EXPECT_EQ(p.ks, c.want.ks) << c.t;
        EXPECT_EQ(p.ls, c.want.ls) << c.t;
    }
}

TEST_F(Plasma, TitleRadiusBreakpoints)
{
    struct Case { int32_t t; int64_t r; } cases[] = {
        {0, 240}, {1493, 1}, {1494, 0}, {6006, 0}, {6007, 1}, {7499, 239}, {7500, 240},
        {8993, 1}, {8994, 0}, {13506, 0}, {13507, 1}, {15339, 294}, {-1, 240},
    };
    for (const Case &c : cases)
        EXPECT_EQ(plasma_title_radius(c.t), c.r) << c.t;
}

TEST_F(Plasma, TitleCentres)
{
    struct Case { int32_t t, x, y; } cases[] = {
        {0, 80, 183}, {1493, 80, 63}, {1494, 80, 64}, {3000, 80, 64}, {6006, 80, 64},
        {7499, 188, 12}, {7500, 187, 10}, {8994, 80, 64}, {13506, 80, 64},
        {15339, 58, 209}, {-1, 77, 183},
    };
    for (const Case &c : cases) {
        int32_t x, y;
        plasma_title_centre(c.t, &x, &y);
        EXPECT_EQ(x, c.x) << c.t;
        EXPECT_EQ(y, c.y) << c.t;
    }
    // Far outside the show the title stays far off screen, without overflow.
    for (int32_t t : {INT32_MIN, INT32_MIN + 1500, -500000000, INT32_MAX}) {
        int32_t x, y;
        plasma_title_centre(t, &x, &y);
        EXPECT_TRUE(x < -100 || x > 260 || y < -100 || y > 228) << t;
    }
}

TEST_F(Plasma, ExtremeLevelsAndFullCover)
{
    EXPECT_EQ(plasma_level_map[(-4 * 32767 >> 10) + 128], 0);
    EXPECT_EQ(plasma_level_map[(4 * 32767 >> 10) + 128], 12);

    // With no title in view (t = 0: centre at y = 183) every 2 x 2 cell of the
    // frame is one of the 19 patterns, so the plasma paints every pixel.
    std::set<uint32_t> patterns;
    for (const CellPattern &p : plasma_patterns)
        patterns.insert(p.top_left | p.top_right << 8 | p.bottom_left << 16 | p.bottom_right << 24);
    for (int32_t t : {0, 1, -1, 15339}) {
        const Frame f = render(plasma_draw, t);
        for (int cy = 0; cy < 64; cy++)
            for (int cx = 0; cx < 80; cx++) {
                const uint32_t cell = at(f, 2 * cx, 2 * cy) | at(f, 2 * cx + 1, 2 * cy) << 8 |
                                      at(f, 2 * cx, 2 * cy + 1) << 16 | at(f, 2 * cx + 1, 2 * cy + 1) << 24;
                ASSERT_TRUE(patterns.count(cell)) << "t " << t << " cell " << cx << "," << cy;
            }
    }
}

TEST_F(Plasma, FirstCellAtTimeOne)
{
    // t = 1: C = 255, D = 0, J = 0, K = 255, wobble 0 in row 0, so
    // v = 2 * sine[255] = -1608, v >> 10 = -2, map entry 126 = pattern 6.
    const Frame f = render(plasma_draw, 1);
    const CellPattern &p = plasma_patterns[6];
    EXPECT_EQ(at(f, 0, 0), p.top_left);
    EXPECT_EQ(at(f, 1, 0), p.top_right);
    EXPECT_EQ(at(f, 0, 1), p.bottom_left);
    EXPECT_EQ(at(f, 1, 1), p.bottom_right);
}

TEST_F(Plasma, TitleIsDrawnOverThePlasma)
{
    const Frame f = render(plasma_draw, 3000);
    const char *lines[] = {"fear", "the pod", nullptr};
    const Bitmap *title = text_bitmap(lines);
    const int left = 80 - title->width / 2, top = 64 - title->height / 2;
    for (int y = 0; y < title->height; y++)
        for (int x = 0; x < title->width; x++)
            if (title->mask[y * title->width + x] == 0) {
                ASSERT_EQ(at(f, left + x, top + y), title->pixels[y * title->width + x]);
            }
}

using Flower = SceneTest;

TEST_F(Flower, PolarTables)
{
    struct Case { int x, y, angle, depth; } cases[] = {
        {80, 64, 0, 0}, {80, 0, 0, 30}, {0, 0, 109, 96}, {159, 64, 32, 63}, {80, 127, 64, 23},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(flower_angle[c.y * 160 + c.x], c.angle) << c.x << "," << c.y;
        EXPECT_EQ(flower_depth[c.y * 160 + c.x], c.depth) << c.x << "," << c.y;
    }
    for (int p = 0; p < FRAME_SIZE; p++) {
        ASSERT_GE(flower_angle[p], 0);
        ASSERT_LT(flower_angle[p], 128);
        ASSERT_GE(flower_depth[p], 0);
        ASSERT_LT(flower_depth[p], 128);
    }
}

const uint8_t FLOWER_TEXTURE[16][16] = {
    {1, 1, 1, 1, 3, 2, 2, 2, 2, 2, 2, 2, 0, 1, 1, 1}, {1, 1, 1, 3, 3, 3, 2, 2, 2, 2, 2, 0, 0, 0, 1, 1},
    {1, 1, 3, 3, 3, 3, 3, 2, 2, 2, 0, 0, 0, 0, 0, 1}, {1, 3, 3, 3, 3, 3, 3, 3, 2, 0, 0, 0, 0, 0, 0, 0},
    {2, 3, 3, 3, 3, 3, 3, 3, 1, 0, 0, 0, 0, 0, 0, 0}, {2, 2, 3, 3, 3, 3, 3, 1, 1, 1, 0, 0, 0, 0, 0, 2},
    {2, 2, 2, 3, 3, 3, 1, 1, 1, 1, 1, 0, 0, 0, 2, 2}, {2, 2, 2, 2, 3, 1, 1, 1, 1, 1, 1, 1, 0, 2, 2, 2},
    {2, 2, 2, 2, 0, 1, 1, 1, 1, 1, 1, 1, 3, 2, 2, 2}, {2, 2, 2, 0, 0, 0, 1, 1, 1, 1, 1, 3, 3, 3, 2, 2},
    {2, 2, 0, 0, 0, 0, 0, 1, 1, 1, 3, 3, 3, 3, 3, 2}, {2, 0, 0, 0, 0, 0, 0, 0, 1, 3, 3, 3, 3, 3, 3, 3},
    {1, 0, 0, 0, 0, 0, 0, 0, 2, 3, 3, 3, 3, 3, 3, 3}, {1, 1, 0, 0, 0, 0, 0, 2, 2, 2, 3, 3, 3, 3, 3, 1},
    {1, 1, 1, 0, 0, 0, 2, 2, 2, 2, 2, 3, 3, 3, 1, 1}, {1, 1, 1, 1, 0, 2, 2, 2, 2, 2, 2, 2, 3, 1, 1, 1},
};

TEST_F(Flower, TunnelAndLogoAtKnownOffsets)
{
    // (t, depth offset b, angle offset o), the offsets worked out by hand.
    struct Case { int32_t t, b, o; } cases[] = {
        {0, 0, 0}, {31, 5, 0}, {32, 6, 1}, {256, 31, 8}, {768, -32, 24}, {1024, 0, 32}, {15339, -5, 490},
    };
    for (const Case &c : cases) {
        const Frame f = render(flower_tunnel_draw, c.t);
        for (int p = 0; p < FRAME_SIZE; p++) {
            const int y = p / 160, x = p % 160;
            const int row = ((flower_depth[p] + c.b) & 127) / 8;
            const int column = ((flower_angle[p] + c.o) & 127) / 8;
            uint8_t want = FLOWER_TEXTURE[row][column];
            if (y >= 33 && y <= 94 && logo_bitmap.mask[(y - 33) * 160 + x] == 0)
                want = logo_bitmap.pixels[(y - 33) * 160 + x];
            ASSERT_EQ(f.pixels[p], want) << "t " << c.t << " at " << x << "," << y;
        }
    }
}

TEST_F(Flower, LogoKeepsItsFormat)
{
    ASSERT_EQ(logo_bitmap.width, 160);
    ASSERT_EQ(logo_bitmap.height, 62);
    int min_col = 160, max_col = -1;
    for (int y = 0; y < 62; y++) {
        bool row_has_ink = false;
        for (int x = 0; x < 160; x++) {
            const int s = y * 160 + x;
            const uint8_t m = logo_bitmap.mask[s], p = logo_bitmap.pixels[s];
            ASSERT_TRUE(m == 0 || m == 255);
            if (m == 255) {
                ASSERT_EQ(p, 0);
            } else {
                ASSERT_GE(p, 1);  // no opaque white
                ASSERT_LE(p, 3);
                row_has_ink = true;
                min_col = std::min(min_col, x);
                max_col = std::max(max_col, x);
            }
        }
        EXPECT_TRUE(row_has_ink) << "row " << y;
    }
    EXPECT_EQ(min_col, 2);
    EXPECT_EQ(max_col, 158);
}

using Bars = SceneTest;

const uint8_t BAR[11] = {3, 2, 1, 2, 0, 1, 0, 1, 2, 1, 3};

void expect_bar(const Frame &f, int y, int start)
{
    for (int k = 0; k < 11; k++)
        if (start + k >= 0) {
            ASSERT_EQ(f.pixels[y * 160 + start + k], BAR[k]) << "row " << y << " col " << start + k;
        }
}

TEST_F(Bars, BarStartsAndTheStack)
{
    const Frame f = render(bars_draw, 0);
    // Row 0 holds exactly one bar, at 74..84, on white.
    for (int x = 0; x < 160; x++)
        EXPECT_EQ(at(f, x, 0), (x >= 74 && x <= 84) ? BAR[x - 74] : 0) << x;
    const int starts[] = {74, 78, 83, 87, 92, 96};
    for (int y = 0; y < 6; y++)
        expect_bar(f, y, starts[y]);
    // Row 1 keeps the part of row 0's bar that row 1's bar did not cover.
    for (int x = 74; x < 78; x++)
        EXPECT_EQ(at(f, x, 1), BAR[x - 74]);
    // Rows 85..127 repeat row 84 (the scroller is off screen at t = 0).
    for (int y = 85; y < 128; y++)
        ASSERT_EQ(std::memcmp(f.pixels + y * 160, f.pixels + 84 * 160, 160), 0) << y;
}

TEST_F(Bars, BarStartingLeftOfTheLineDropsItsFirstByte)
{
    const Frame f = render(bars_draw, 7252);
    expect_bar(f, 39, -1);  // columns 0..9 hold bytes 1..10
}

TEST_F(Bars, ScrollerEntersFromTheRight)
{
    const char *text[] = {"b", nullptr};
    const Bitmap *b = text_bitmap(text);
    // t = 11: sx = 159, sy = 80: the first glyph column lands in screen column 159.
    const Frame f = render(bars_draw, 11);
    int drawn = 0;
    for (int r = 0; r < 16; r++)
        if (b->mask[r * b->width] == 0) {
            EXPECT_EQ(at(f, 159, 80 + r), b->pixels[r * b->width]) << r;
            drawn++;
        }
    EXPECT_GT(drawn, 8);
}

using Rotozoom = SceneTest;

TEST_F(Rotozoom, StepsAtTheEnds)
{
    const RotozoomSteps a = rotozoom_steps(0);
    EXPECT_EQ(a.angle, 0);
    EXPECT_EQ(a.zoom, 144);
    EXPECT_EQ(a.du, 71);
    EXPECT_EQ(a.dv, 0);
    EXPECT_EQ(a.sway, 0);
    const RotozoomSteps b = rotozoom_steps(15339);
    EXPECT_EQ(b.angle, 195);
    EXPECT_EQ(b.zoom, 256);
    EXPECT_EQ(b.du, 9);
    EXPECT_EQ(b.dv, -128);  // -127.6 floors to -128
    EXPECT_EQ(b.sway, -402);
}

TEST_F(Rotozoom, FramesFollowTheSamplingGrid)
{
    // Pixel (x, y) samples texture position (s + x du - y dv, x dv + y du).
    struct Case { int32_t t, du, dv, s; } cases[] = {{0, 71, 0, 0}, {15339, 9, -128, -402}};
    for (const Case &c : cases) {
        const Frame f = render(rotozoom_draw, c.t);
        for (int y = 0; y < 128; y++)
            for (int x = 0; x < 160; x++) {
                const int u = c.s + x * c.du - y * c.dv, v = x * c.dv + y * c.du;
                ASSERT_EQ(at(f, x, y), ball_texture[((v >> 8) & 15) * 16 + ((u >> 8) & 15)])
                    << "t " << c.t << " at " << x << "," << y;
            }
    }
    const Frame f = render(rotozoom_draw, 0);
    EXPECT_EQ(at(f, 3, 0), ball_texture[0]);
    EXPECT_EQ(at(f, 4, 0), ball_texture[1]);
}

TEST_F(SceneTest, FramesDependOnTimeAloneExceptTheTrails)
{
    using Draw = void (*)(int32_t);
    const Draw draws[] = {plasma_draw, flower_tunnel_draw, bars_draw, rotozoom_draw, twister_draw,
                          dots_draw, halfres_tunnel_draw, credits_draw};
    for (Draw d : draws) {
        const Frame a = render(d, 1234);
        render(d, 9876);
        const Frame b = render(d, 1234);
        EXPECT_EQ(std::memcmp(&a, &b, FRAME_SIZE), 0);
    }
}

}  // namespace
