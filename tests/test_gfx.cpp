// Frame kit: blits (clipping on every side, the mask rule, centring) and the
// sine-table rule.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/sine.h"

namespace {

// A w x h bitmap whose opaque pixel (i, j) holds 1 + (i * w + j) % 3, so every
// placement can be checked pixel by pixel.
struct TestBitmap {
    std::vector<uint8_t> pixels, mask;
    Bitmap bm;
    TestBitmap(int w, int h) : pixels(w * h), mask(w * h, 0)
    {
        for (int s = 0; s < w * h; s++)
            pixels[s] = static_cast<uint8_t>(1 + s % 3);
        bm = {pixels.data(), mask.data(), w, h};
    }
};

// The frame that a blit at (x, y) must give over a frame filled with `fill`.
Frame expected_blit(const TestBitmap &t, int x, int y, uint8_t fill)
{
    Frame f;
    std::memset(f.pixels, fill, FRAME_SIZE);
    for (int i = 0; i < t.bm.height; i++)
        for (int j = 0; j < t.bm.width; j++) {
            const int64_t tx = int64_t{x} + j, ty = int64_t{y} + i;
            if (tx >= 0 && tx < 160 && ty >= 0 && ty < 128) {
                uint8_t &p = f.pixels[ty * 160 + tx];
                p = static_cast<uint8_t>((p & t.mask[i * t.bm.width + j]) | t.pixels[i * t.bm.width + j]);
            }
        }
    return f;
}

int differing(const Frame &a, const Frame &b)
{
    int n = 0;
    for (int i = 0; i < FRAME_SIZE; i++)
        n += a.pixels[i] != b.pixels[i];
    return n;
}

TEST(Blit, ClipsOnEverySide)
{
    TestBitmap t(7, 5);
    struct Case { int x, y; int visible; } cases[] = {
        {10, 10, 35},      // wholly inside
        {-3, 10, 20},      // columns 3..6 into 0..3
        {159, 10, 5},      // only column 0
        {10, 127, 7},      // only row 0
        {10, -4, 7},       // only the last row
        {-6, -4, 1},       // one corner pixel
        {155, 125, 15},    // bottom-right corner, 5 x 3
        {160, 10, 0},      // wholly right
        {10, -5, 0},       // wholly above (y = -height)
        {-7, 10, 0},       // wholly left
        {10, 128, 0},      // wholly below
        {INT32_MAX, INT32_MAX, 0},
        {INT32_MIN, INT32_MIN, 0},
    };
    for (const Case &c : cases) {
        Frame f;
        std::memset(f.pixels, 0, FRAME_SIZE);
        blit_bitmap(&f, &t.bm, c.x, c.y);
        Frame want = expected_blit(t, c.x, c.y, 0);
        EXPECT_EQ(differing(f, want), 0) << "at " << c.x << "," << c.y;
        int touched = 0;
        for (uint8_t p : f.pixels)
            touched += p != 0;
        EXPECT_EQ(touched, c.visible) << "at " << c.x << "," << c.y;
    }
}

TEST(Blit, LeftClipDrawsTheRightColumns)
{
    TestBitmap t(7, 1);
    Frame f{};
    blit_bitmap(&f, &t.bm, -3, 0);
    for (int x = 0; x < 4; x++)
        EXPECT_EQ(f.pixels[x], t.pixels[3 + x]);
    EXPECT_EQ(f.pixels[4], 0);
}

TEST(Blit, MaskKeepsTransparentAndOrsOpaque)
{
    const uint8_t pixels[2] = {0, 1};
    const uint8_t mask[2] = {255, 0};
    const Bitmap bm = {pixels, mask, 2, 1};
    Frame f;
    std::memset(f.pixels, 3, FRAME_SIZE);
    f.pixels[0] = 2;
    blit_bitmap(&f, &bm, 0, 0);
    EXPECT_EQ(f.pixels[0], 2);  // transparent over 2 keeps 2
    EXPECT_EQ(f.pixels[1], 1);  // opaque 1 over 3 gives 1
}

TEST(Blit, ZeroSizeDrawsNothing)
{
    const uint8_t one = 3;
    for (const Bitmap bm : {Bitmap{&one, &one, 0, 5}, Bitmap{&one, &one, 5, 0}, Bitmap{nullptr, nullptr, 0, 0}}) {
        Frame f{};
        blit_bitmap(&f, &bm, 0, 0);
        blit_bitmap_centered(&f, &bm, 80, 64);
        for (uint8_t p : f.pixels)
            ASSERT_EQ(p, 0);
    }
}

TEST(Blit, CenteredTruncatesTheHalves)
{
    struct Case { int w, h, cx, cy, left, top; } cases[] = {
        {7, 7, 80, 64, 77, 61},     // odd: exact centre
        {42, 25, 80, 64, 59, 52},   // even width reaches further left
        {160, 62, 80, 64, 0, 33},   // the logo's placement
        {8, 8, 0, 0, -4, -4},
    };
    for (const Case &c : cases) {
        TestBitmap t(c.w, c.h);
        Frame a{}, b{};
        blit_bitmap_centered(&a, &t.bm, c.cx, c.cy);
        blit_bitmap(&b, &t.bm, c.left, c.top);
        EXPECT_EQ(differing(a, b), 0) << c.w << "x" << c.h;
    }
}

TEST(SineTable, CheckValuesAndSymmetry)
{
    struct Case { double amplitude; int32_t at[6]; } cases[] = {
        {32767, {0, 804, 32767, 0, -32767, -804}},
        {65535, {0, 1608, 65535, 0, -65535, -1608}},
        {255, {0, 6, 255, 0, -255, -6}},
    };
    const int index[6] = {0, 1, 64, 128, 192, 255};
    for (const Case &c : cases) {
        SineTable s;
        fill_sine_table(s, c.amplitude);
        for (int k = 0; k < 6; k++)
            EXPECT_EQ(s[index[k]], c.at[k]) << "A=" << c.amplitude << " i=" << index[k];
        for (int i = 1; i < 256; i++)
            EXPECT_EQ(s[256 - i], -s[i]) << i;
        for (int i = 0; i <= 128; i++)
            EXPECT_EQ(s[128 - i], s[i]) << i;
    }
    SineTable s;
    fill_sine_table(s, 255);
    EXPECT_EQ(s[32], 180);
    EXPECT_EQ(s[160], -180);
}

}  // namespace
