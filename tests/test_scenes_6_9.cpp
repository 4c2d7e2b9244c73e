// Scenes 6 to 9: twister, dot object with birds, half-resolution tunnel,
// credits. (Scene 5 keeps state across calls: see test_trails.cpp.)
#include <cmath>
#include <vector>

#include "data/plasma_dither.h"
#include "gfx/font.h"
#include "text_bitmaps.h"
#include "gfx/sine.h"
#include "scene_fixture.h"
#include "scenes/dots.h"
#include "scenes/halfres_tunnel.h"
#include "scenes/scenes.h"
#include "scenes/twister.h"

namespace {

bool cell_is(const Frame &f, int cx, int cy, const CellPattern &p)
{
    const uint8_t *o = f.pixels + 2 * cy * 160 + 2 * cx;
    return o[0] == p.top_left && o[1] == p.top_right && o[160] == p.bottom_left && o[161] == p.bottom_right;
}

const CellPattern WHITE = {0, 0, 0, 0};

using Twister = SceneTest;

TEST_F(Twister, RowZeroAtTimeZero)
{
    // k = 0: no first face; the second spans cells 24..54 at full shade, on
    // texture row 0 (64 inside the border, 112 in the corner column 31).
    const TwisterRow r = twister_row(0, 0);
    EXPECT_EQ(r.k, 0);
    EXPECT_EQ(r.w1, 0);
    EXPECT_EQ(r.w2, 31);
    EXPECT_EQ(r.h, 24);
    const Frame f = render(twister_draw, 0);
    for (int cx = 0; cx < 80; cx++) {
        const CellPattern &want = cx < 24 || cx > 54 ? WHITE : cx < 54 ? plasma_patterns[9] : plasma_patterns[17];
        EXPECT_TRUE(cell_is(f, cx, 0, want)) << "cell " << cx;
    }
}

TEST_F(Twister, RowAnglesAndWidths)
{
    // Widths and the centred first cell for every k, from the 65535 sine.
    SineTable s;
    fill_sine_table(s, 65535);
    std::vector<bool> seen(64);
    for (int32_t t = 0; t <= 15339; t += 7)
        for (int32_t i = 0; i < 64; i++) {
            const TwisterRow r = twister_row(t, i);
            ASSERT_GE(r.k, 0);
            ASSERT_LT(r.k, 64);
            seen[r.k] = true;
            EXPECT_EQ(r.w1, s[r.k] * 32 / 65536);
            EXPECT_EQ(r.w2, s[r.k + 64] * 32 / 65536);
            EXPECT_GE(r.w1 + r.w2, 31);
            EXPECT_LE(r.w1 + r.w2, 45);
            EXPECT_GE(r.h, 17);
            EXPECT_LE(r.h, 24);
            // k = 0 or 1: no first face; k = 63: no second; either way the
            // remaining face is 31 cells wide from cell 24.
            if (r.k <= 1) {
                EXPECT_EQ(r.w1, 0);
                EXPECT_EQ(r.w2, 31);
                EXPECT_EQ(r.h, 24);
            }
            if (r.k == 63) {
                EXPECT_EQ(r.w2, 0);
                EXPECT_EQ(r.w1, 31);
                EXPECT_EQ(r.h, 24);
            }
        }
    EXPECT_TRUE(seen[0] && seen[1] && seen[63]);  // the zero-width rows do occur
}

// Texture column shown by cell j of a face `width` cells wide.
std::vector<int> face_columns(int width)
{
    std::vector<int> cols;
    for (int j = 0; j < width; j++)
        cols.push_back((((j + 1) * (2097152 / width)) >> 16) & 31);
    return cols;
}

TEST_F(Twister, FacesStretchAllColumns)
{
    EXPECT_EQ(face_columns(1), std::vector<int>({0}));
    EXPECT_EQ(face_columns(2), std::vector<int>({16, 0}));
    EXPECT_EQ(face_columns(16), std::vector<int>({2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30, 0}));
    std::vector<int> all;
    for (int c = 1; c < 32; c++)
        all.push_back(c);
    EXPECT_EQ(face_columns(31), all);

    // Find rows on screen whose faces have widths that divide 32 and check
    // every painted cell against the texture and the shade map.
    int checked = 0;
    for (int width : {1, 2, 4, 8, 16}) {
        bool found = false;
        for (int32_t t = 0; t <= 15339 && !found; t++)
            for (int32_t i = 0; i < 64 && !found; i++) {
                const TwisterRow r = twister_row(t, i);
                if (r.w1 != width && r.w2 != width)
                    continue;
                found = true;
                const Frame f = render(twister_draw, t);
                const bool first = r.w1 == width;
                const int start = first ? r.h : r.h + r.w1;
                const int shade = first ? r.s1 : r.s2;
                const std::vector<int> cols = face_columns(width);
                for (int j = 0; j < width; j++) {
                    const int texel = twister_texture[i * 32 + cols[j]];
                    const int darkness = 255 ^ ((texel * shade) >> 16);
                    EXPECT_TRUE(cell_is(f, start + j, i, plasma_patterns[plasma_level_map[darkness]]))
                        << "width " << width << " t " << t << " row " << i << " cell " << j;
                }
                EXPECT_TRUE(cell_is(f, r.h - 1, i, WHITE));
                EXPECT_TRUE(cell_is(f, r.h + r.w1 + r.w2, i, WHITE));
                checked++;
            }
    }
    EXPECT_GE(checked, 4);
}

TEST_F(Twister, OuterColumnsStayWhite)
{
    for (int32_t t = 0; t <= 15339; t += 97) {
        const Frame f = render(twister_draw, t);
        for (int y = 0; y < 128; y++) {
            for (int x = 0; x < 34; x++)
                ASSERT_EQ(at(f, x, y), 0) << t;
            for (int x = 124; x < 160; x++)
                ASSERT_EQ(at(f, x, y), 0) << t;
        }
    }
}

TEST(TwisterTexture, FixedBytesAndEmblem)
{
    auto tex = [](int r, int c) { return int{twister_texture[r * 32 + c]}; };
    for (int r = 0; r < 64; r++)
        for (int c = 0; c < 32; c++) {
            ASSERT_LE(tex(r, c), 254);
            const bool border = r < 2 || r > 61 || c < 2 || c > 29;
            const bool accent_outer = (r == 0 || r == 63) && (c == 0 || c == 31);
            const bool accent_inner = (r == 1 || r == 62) && (c == 1 || c == 30);
            const int want_border = accent_outer ? 112 : accent_inner ? 16 : 64;
            if (border) {
                EXPECT_EQ(tex(r, c), want_border) << r << "," << c;
            }
            const bool plate = r >= 3 && r <= 23 && c >= 3 && c <= 28;
            const bool disc = r >= 31 && r <= 56 && c >= 3 && c <= 28;
            if (!border && !plate && !disc) {
                EXPECT_EQ(tex(r, c), 254) << r << "," << c;
            }
            if (disc) {
                EXPECT_EQ(tex(r, c), tex(87 - r, c));
                EXPECT_EQ(tex(r, c), tex(r, 31 - c));
            }
        }
    // Plate bevel.
    for (int r : {3, 23}) {
        EXPECT_EQ(tex(r, 3), 190);
        EXPECT_EQ(tex(r, 28), 190);
        for (int c = 4; c <= 27; c++)
            EXPECT_EQ(tex(r, c), 127);
    }
    for (int r : {4, 22}) {
        EXPECT_EQ(tex(r, 3), 127);
        EXPECT_EQ(tex(r, 4), 51);
        EXPECT_EQ(tex(r, 27), 51);
        for (int c = 5; c <= 26; c++)
            EXPECT_EQ(tex(r, c), 102);
    }
    int emblem = 0;
    bool asymmetric = false;
    for (int r = 5; r <= 21; r++) {
        EXPECT_EQ(tex(r, 3), 127);
        EXPECT_EQ(tex(r, 4), 102);
        EXPECT_EQ(tex(r, 27), 102);
        EXPECT_EQ(tex(r, 28), 127);
        for (int c = 5; c <= 26; c++) {
            const bool inside = r >= 6 && r <= 20 && c >= 6 && c <= 25;
            if (tex(r, c) == 0) {
                EXPECT_TRUE(inside) << r << "," << c;
                emblem++;
            } else {
                EXPECT_EQ(tex(r, c), 203) << r << "," << c;
            }
            asymmetric |= tex(r, c) != tex(r, 31 - c);
        }
    }
    EXPECT_GE(emblem, 50);
    EXPECT_LE(emblem, 90);
    EXPECT_TRUE(asymmetric);
    // A few bytes of the disc's quarter, and their mirror images.
    EXPECT_EQ(tex(31, 12), 190);
    EXPECT_EQ(tex(40, 3), 190);
    EXPECT_EQ(tex(41, 14), 213);
    EXPECT_EQ(tex(43, 15), 254);
    EXPECT_EQ(tex(56, 28 - 9), 190);
}

using Dots = SceneTest;

void expect_matrix(const Matrix3 &m, std::vector<int32_t> want)
{
    for (int k = 0; k < 9; k++)
        EXPECT_EQ(m.m[k], want[k]) << "entry " << k;
}

TEST_F(Dots, MatricesAtKnownTimes)
{
    render(dots_draw, 0);
    expect_matrix(rot_xy, {255, 0, 0, 0, 255, 0, 0, 0, 254});
    expect_matrix(rot_xyz, {254, 0, 0, 0, 254, 0, 0, 0, 254});
    render(dots_draw, 1000);
    expect_matrix(rot_x, {256, 0, 0, 0, -37, -252, 0, 252, -37});
    expect_matrix(rot_y, {-6, 0, -254, 0, 256, 0, 254, 0, -6});
    expect_matrix(rot_z, {31, -253, 0, 253, 31, 0, 0, 0, 256});
    expect_matrix(rot_xyz, {-1, 5, -254, -67, 243, 5, 244, 67, 0});
    render(dots_draw, 3657);  // angle 255: cos 254, sin -6
    EXPECT_EQ(rot_x.m[4], 254);
    EXPECT_EQ(rot_x.m[5], 6);
    render(dots_draw, 3658);  // angle 256 reads as 0
    EXPECT_EQ(rot_x.m[4], 255);
    EXPECT_EQ(rot_x.m[5], 0);
}

TEST(Matrix3, ProductShiftFloors)
{
    const Matrix3 a = {{-255, 0, 0, 0, 1, 0, 0, 0, 1}};
    const Matrix3 b = {{255, 0, 0, 0, 1, 0, 0, 0, 1}};
    Matrix3 out;
    matrix3_multiply(&a, &b, &out);
    EXPECT_EQ(out.m[0], -255);  // -65025 >> 8, not -254
    EXPECT_EQ(out.m[4], 0);
}

TEST_F(Dots, ProjectionFloors)
{
    render(dots_draw, 0);
    struct Case { int k, sx, sy; } at0[] = {{0, 80, 98}, {16, 28, 71}};
    for (const Case &c : at0) {
        int32_t sx, sy;
        dots_project(&dot_shape_a[c.k], &rot_xyz, &sx, &sy);
        EXPECT_EQ(sx, c.sx) << c.k;
        EXPECT_EQ(sy, c.sy) << c.k;
    }
    render(dots_draw, 1000);
    int32_t sx, sy;
    dots_project(&dot_shape_a[0], &rot_xyz, &sx, &sy);
    EXPECT_EQ(sx, 79);
    EXPECT_EQ(sy, 96);
}

TEST_F(Dots, BeakIndexEdges)
{
    struct Case { int32_t t, i; } cases[] = {
        {15340, 0}, {15399, 0}, {15400, 1}, {15340 + 3834, 63}, {15340 + 3835, 0}, {30679, 63},
    };
    for (const Case &c : cases)
        EXPECT_EQ(dots_beak_index(c.t), c.i) << c.t;
}

bool bird_drawn(const Frame &f, const Bitmap &b, int x0, int y0)
{
    for (int y = 0; y < b.height; y++)
        for (int x = 0; x < b.width; x++)
            if (b.mask[y * b.width + x] == 0 && f.pixels[(y0 + y) * 160 + x0 + x] != b.pixels[y * b.width + x])
                return false;
    return true;
}

TEST_F(Dots, BirdsArriveWithTheSecondShape)
{
    const Frame before = render(dots_draw, 15339);
    EXPECT_FALSE(bird_drawn(before, bird_left_open, 8, 95));
    EXPECT_FALSE(bird_drawn(before, bird_left_shut, 8, 95));
    const Frame open = render(dots_draw, 15340);  // entry 0 is open
    EXPECT_TRUE(bird_drawn(open, bird_left_open, 8, 95));
    EXPECT_TRUE(bird_drawn(open, bird_right_open, 110, 95));
    const Frame shut = render(dots_draw, 15340 + 2 * 3835 / 64 + 1);  // entry 2 is shut
    EXPECT_TRUE(bird_drawn(shut, bird_left_shut, 8, 95));
    EXPECT_TRUE(bird_drawn(shut, bird_right_shut, 110, 95));
}

TEST(Birds, MirrorAndPoseRelations)
{
    const Bitmap *pairs[2][2] = {{&bird_left_shut, &bird_right_shut}, {&bird_left_open, &bird_right_open}};
    for (auto &pair : pairs) {
        const Bitmap &l = *pair[0], &r = *pair[1];
        ASSERT_EQ(l.width, 42);
        ASSERT_EQ(l.height, 25);
        ASSERT_EQ(r.width, 42);
        ASSERT_EQ(r.height, 25);
        for (int y = 0; y < 25; y++)
            for (int x = 0; x < 42; x++) {
                const int s = y * 42 + x, m = y * 42 + 41 - x;
                ASSERT_EQ(l.pixels[s], r.pixels[m]);
                ASSERT_EQ(l.mask[s], r.mask[m]);
                ASSERT_TRUE(l.mask[s] == 0 || l.mask[s] == 255);
                ASSERT_TRUE(l.mask[s] == 0 ? l.pixels[s] <= 3 : l.pixels[s] == 0);
            }
    }
    int differ = 0;
    for (int y = 0; y < 25; y++)
        for (int x = 0; x < 42; x++) {
            const int s = y * 42 + x;
            const bool d = bird_left_shut.pixels[s] != bird_left_open.pixels[s] ||
                           bird_left_shut.mask[s] != bird_left_open.mask[s];
            if (d) {
                EXPECT_TRUE(y >= 3 && y <= 12 && x >= 35) << x << "," << y;
                differ++;
            }
        }
    EXPECT_GT(differ, 10);
}

using Halfres = SceneTest;

TEST_F(Halfres, PolarTables)
{
    struct Case { int row, column, angle, depth; } cases[] = {
        {16, 60, 0, 65},  {15, 60, 0, 113}, {17, 60, 64, 113}, {16, 61, 32, 113}, {16, 59, 96, 113},
        {0, 60, 0, 3},    {0, 0, 101, 38},  {0, 79, 17, 89},   {63, 0, 82, 31},   {63, 79, 56, 46},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(halfres_angle[c.row * 160 + c.column], c.angle) << c.row << "," << c.column;
        EXPECT_EQ(halfres_depth[c.row * 160 + c.column], c.depth) << c.row << "," << c.column;
    }
}

TEST_F(Halfres, OffsetsAndWrap)
{
    EXPECT_EQ(halfres_forward(0), 0);
    EXPECT_EQ(halfres_forward(15339), 1963);
    EXPECT_EQ(halfres_twist(0), 0);
    for (int32_t t = 0; t <= 15339; t++) {
        ASSERT_GE(halfres_twist(t), -32);
        ASSERT_LE(halfres_twist(t), 31);
    }
    // The twist indices wrap at 256: t = 2048 reads entries 0 and 227,
    // t = 2304 entries 32 and 0.
    SineTable s;
    fill_sine_table(s, 32767);
    EXPECT_EQ(halfres_twist(2048), static_cast<int32_t>(std::floor(s[227] / 2048.0)));
    EXPECT_EQ(halfres_twist(2304), static_cast<int32_t>(std::floor(s[32] / 2048.0)));
}

const char *HALFRES_TEXTURE[32] = {
    "c98899aaabbcc9c9c9aa9988877669c9", "7c78899abbcc7c727c7aa99877667c75",
    "79c9889abcc9c90249c9aa987669c935", "777c788acc7c7002447c7aa8667c7335",
    "6779c98ac9c900123449c9a869c93345", "66777c7a7c70011233447c787c733445",
    "566779c9c9001122233449c9c9334455", "5555557c722222222222227c75555555",
    "544339c9c9443322211009c9c9776655", "44337c787c74433211007c7a7c777665",
    "4339c9a869c944321009c98ac9c97765", "337c7aa8667c7442007c788acc7c7775",
    "39c9aa987669c94209c9889abcc9c975", "7c7aa99877667c727c78899abbcc7c75",
    "c9aa9988877669c9c98899aaabbcc9c9", "788888888888887c7aaaaaaaaaaaaa7c",
    "c9667788899aa9c9c9ccbbaaa99889c9", "7c76677899aa7c757c7ccbba99887c72",
    "09c966789aa9c97539c9ccba9889c942", "007c7668aa7c7775337c7cca887c7442",
    "1009c968a9c977654339c9ca89c94432", "11007c787c77766544337c7a7c744332",
    "211009c9c9776655544339c9c9443322", "2222227c755555555555557c72222222",
    "233449c9c9334455566779c9c9001122", "33447c7a7c73344566777c787c700112",
    "3449c9ca89c933456779c968a9c90012", "447c7cca887c7335777c7668aa7c7002",
    "49c9ccba9889c93579c966789aa9c902", "7c7ccbba99887c757c76677899aa7c72",
    "c9ccbbaaa99889c9c9667788899aa9c9", "7aaaaaaaaaaaaa7c788888888888887c",
};

// Cell pattern k: grey k / 4 with the first k % 4 of bottom-right, top-left,
// bottom-left, top-right one level darker.
CellPattern ramp_cell(int k)
{
    uint8_t g[4];  // tl, tr, bl, br
    for (uint8_t &v : g)
        v = static_cast<uint8_t>(k / 4);
    const int order[3] = {3, 0, 2};
    for (int n = 0; n < k % 4; n++)
        g[order[n]]++;
    return {g[0], g[1], g[2], g[3]};
}

TEST_F(Halfres, FramesSampleTheTexture)
{
    // (t, depth offset d, twist f); at t = 0 each cell shows texel
    // (depth / 4, angle / 4).
    struct Case { int32_t t; } cases[] = {{0}, {1000}, {7777}, {15339}};
    for (const Case &c : cases) {
        const int32_t d = halfres_forward(c.t), f = halfres_twist(c.t);
        if (c.t == 0) {
            EXPECT_EQ(d, 0);
            EXPECT_EQ(f, 0);
        }
        const Frame frame = render(halfres_tunnel_draw, c.t);
        for (int row = 0; row < 64; row++)
            for (int column = 0; column < 80; column++) {
                const int u = (halfres_angle[row * 160 + column] + f) & 127;
                const int v = (halfres_depth[row * 160 + column] + d) & 127;
                const char hex = HALFRES_TEXTURE[v / 4][u / 4];
                const int texel = hex <= '9' ? hex - '0' : hex - 'a' + 10;
                ASSERT_TRUE(cell_is(frame, column, row, ramp_cell(texel))) << c.t << " " << row << "," << column;
            }
    }
}

TEST_F(Halfres, NegativeTwistWrapsTheAngle)
{
    // A time with a negative twist, and the cells whose angle it takes below
    // zero: they must show the top of the angle range (angle + f + 128).
    int32_t t = 0;
    while (t <= 15339 && halfres_twist(t) > -7)
        t++;
    ASSERT_LE(t, 15339);
    const int32_t f = halfres_twist(t), d = halfres_forward(t);
    const Frame frame = render(halfres_tunnel_draw, t);
    int wrapped = 0;
    for (int row = 0; row < 64; row++)
        for (int column = 0; column < 80; column++) {
            const int angle = halfres_angle[row * 160 + column];
            if (angle + f >= 0)
                continue;
            const int u = angle + f + 128, v = (halfres_depth[row * 160 + column] + d) % 128;
            const char hex = HALFRES_TEXTURE[v / 4][u / 4];
            const int texel = hex <= '9' ? hex - '0' : hex - 'a' + 10;
            ASSERT_TRUE(cell_is(frame, column, row, ramp_cell(texel))) << row << "," << column;
            wrapped++;
        }
    EXPECT_GT(wrapped, 10);
}

using Credits = SceneTest;

TEST_F(Credits, ShownUntil7669ThenWhiteForever)
{
    const char *lines[] = {"code", "pellum", "", "music", "dorvanti", "", "created for", "halvern", nullptr};
    const Bitmap *bm = text_bitmap(lines);
    ASSERT_EQ(bm->height, 128);
    Frame want{};
    blit_bitmap_centered(&want, bm, 80, 64);
    for (int32_t t : {0, 7669}) {
        const Frame f = render(credits_draw, t);
        EXPECT_EQ(std::memcmp(&f, &want, FRAME_SIZE), 0) << t;
    }
    for (int32_t t : {7670, 100000, INT32_MAX}) {
        const Frame f = render(credits_draw, t);
        for (uint8_t p : f.pixels)
            ASSERT_EQ(p, 0) << t;
    }
}

}  // namespace
