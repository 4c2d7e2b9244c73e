// Glyph font: the art rules of every glyph and the layout of text bitmaps.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "gfx/font.h"
#include "text_bitmaps.h"

namespace {

int width_of(const Glyph *g)
{
    return static_cast<int>(std::strlen(g->rows[0]));
}

TEST(Font, EveryGlyphKeepsTheArtRules)
{
    const int widths[26] = {16, 16, 16, 16, 16, 13, 16, 16, 7, 16, 16, 8, 23,
                            16, 16, 16, 16, 14, 16, 9, 16, 16, 23, 16, 16, 16};
    for (int c = 0; c < 128; c++) {
        const Glyph *g = glyph_map[c];
        ASSERT_NE(g, nullptr) << c;
        int want = 16;
        if (c == '!') want = 7;
        else if (c == '\'') want = 8;
        else if (c >= 'A' && c <= 'Z') want = widths[c - 'A'];
        else if (c >= 'a' && c <= 'z') want = widths[c - 'a'];
        ASSERT_EQ(width_of(g), want) << "code " << c;
        for (int r = 0; r < 16; r++) {
            const std::string row = g->rows[r];
            ASSERT_EQ(static_cast<int>(row.size()), want) << "code " << c << " row " << r;
            EXPECT_EQ(row.find_first_not_of("OoX ."), std::string::npos) << "code " << c << " row " << r;
            EXPECT_EQ(row.back(), '.') << "code " << c << " row " << r;
        }
    }
}

TEST(Font, LettersShareOneGlyphPerCaseAndOthersAreBlank)
{
    for (int c = 'a'; c <= 'z'; c++)
        EXPECT_EQ(glyph_map[c], glyph_map[c - 32]);
    const Glyph *blank = glyph_map[' '];
    for (int c = 0; c < 128; c++) {
        const bool own = c == '!' || c == '\'' || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        if (!own) {
            EXPECT_EQ(glyph_map[c], blank) << c;
        }
    }
    for (int r = 0; r < 16; r++)
        EXPECT_STREQ(blank->rows[r], "................");
    EXPECT_NE(glyph_map['!'], blank);
    EXPECT_NE(glyph_map['\''], blank);
}

TEST(Font, FixedGlyphsAreExact)
{
    EXPECT_STREQ(glyph_map['!']->rows[0], "XXXXX .");
    EXPECT_STREQ(glyph_map['!']->rows[12], ".......");
    EXPECT_STREQ(glyph_map['\'']->rows[1], ".OOOOo .");
    EXPECT_STREQ(glyph_map['a']->rows[8], "..XXOOOOOOOoXo .");
    EXPECT_STREQ(glyph_map['A']->rows[15], "               .");
}

// Each glyph pixel as the bitmap must hold it: {pixel, mask}.
void expect_glyph_at(const Bitmap *bm, const Glyph *g, int x0, int y0)
{
    for (int r = 0; r < 16; r++)
        for (int k = 0; k < width_of(g); k++) {
            const char ch = g->rows[r][k];
            const int at = (y0 + r) * bm->width + x0 + k;
            const int pixel = ch == 'o' ? 1 : ch == 'X' ? 2 : ch == ' ' ? 3 : 0;
            const int mask = (ch == 'O' || ch == 'o' || ch == 'X' || ch == ' ') ? 0 : 255;
            ASSERT_EQ(bm->pixels[at], pixel) << "r" << r << " k" << k;
            ASSERT_EQ(bm->mask[at], mask) << "r" << r << " k" << k;
        }
}

bool transparent_rows(const Bitmap *bm, int y0, int y1)
{
    for (int y = y0; y < y1; y++)
        for (int x = 0; x < bm->width; x++)
            if (bm->mask[y * bm->width + x] != 255 || bm->pixels[y * bm->width + x] != 0)
                return false;
    return true;
}

TEST(Font, TextBitmapLayout)
{
    struct Case {
        std::vector<const char *> lines;
        int width, height;
    } cases[] = {
        {{"AB"}, 32, 16},
        {{"fear", "the pod"}, 105, 32},
        {{"", "AB", ""}, 32, 48},
        {{"", ""}, 0, 32},
        {{}, 0, 0},
        {{" 7,"}, 48, 16},
        {{"for it", "is shiny"}, 110, 32},
    };
    for (Case &c : cases) {
        c.lines.push_back(nullptr);
        const Bitmap *bm = text_bitmap(c.lines.data());
        EXPECT_EQ(bm->width, c.width);
        EXPECT_EQ(bm->height, c.height);
    }

    const char *ab[] = {"AB", nullptr};
    const Bitmap *bm = text_bitmap(ab);
    expect_glyph_at(bm, glyph_map['A'], 0, 0);
    expect_glyph_at(bm, glyph_map['B'], 16, 0);

    const char *fear[] = {"fear", "the pod", nullptr};
    bm = text_bitmap(fear);
    expect_glyph_at(bm, glyph_map['f'], 23, 0);    // (105 - 59) / 2
    expect_glyph_at(bm, glyph_map['r'], 23 + 13 + 16 + 16, 0);
    expect_glyph_at(bm, glyph_map['t'], 0, 16);
    expect_glyph_at(bm, glyph_map['d'], 89, 16);
    for (int y = 0; y < 16; y++)   // left of the centred line: untouched
        for (int x = 0; x < 23; x++)
            ASSERT_EQ(bm->mask[y * 105 + x], 255);

    const char *gaps[] = {"", "a", " 1,", "", nullptr};
    bm = text_bitmap(gaps);
    EXPECT_TRUE(transparent_rows(bm, 0, 16));
    EXPECT_TRUE(transparent_rows(bm, 32, 64));
}

TEST(Font, CaseDoesNotMatter)
{
    const char *a[] = {"Ab", nullptr};
    const char *b[] = {"aB", nullptr};
    const Bitmap *x = text_bitmap(a), *y = text_bitmap(b);
    ASSERT_EQ(x->width, y->width);
    EXPECT_EQ(std::memcmp(x->pixels, y->pixels, 32 * 16), 0);
    EXPECT_EQ(std::memcmp(x->mask, y->mask, 32 * 16), 0);
}

TEST(Font, TextWidth)
{
    struct Case { const char *text; int width; } cases[] = {
        {"fear", 59}, {"", 0}, {"the pod", 105}, {"and all at", 137},
        {"!'", 15}, {"mw", 46}, {"il", 15}, {"0123456789", 160},
        {"\x80\xff", 32},   // bytes above 127 are blank gaps
    };
    for (const Case &c : cases)
        EXPECT_EQ(text_width(c.text), c.width) << c.text;
}

TEST(Font, HighBytesDrawAsBlank)
{
    const char *high[] = {"a\xc3\xa9z", nullptr};
    const Bitmap *bm = text_bitmap(high);
    ASSERT_EQ(bm->width, 16 + 16 + 16 + 16);
    for (int y = 0; y < 16; y++)
        for (int x = 16; x < 48; x++)
            ASSERT_EQ(bm->mask[y * bm->width + x], 255);
    expect_glyph_at(bm, glyph_map['z'], 48, 0);
}

}  // namespace
