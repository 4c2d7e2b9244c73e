// The 16-pixel ASCII-art font and text bitmaps.
//
// A Glyph is 16 row strings of equal length; the length is the glyph's width.
// Art characters: 'O' white, 'o' light grey, 'X' mid grey, ' ' black (all
// opaque), '.' (or anything else) transparent. Letters share one glyph for
// both cases; every other code, and any byte of 128 or more, is the blank
// 16-pixel gap.
//
// make_text_bitmap turns a list of lines (ended by a null pointer) into one
// masked Bitmap as wide as its widest line, 16 rows per line, each line
// centred (the pen starts at (width - line width) / 2, truncated). It is used
// once per text at start-up; the bitmap lives for the whole run.
#pragma once
#include <cstdint>

#include "gfx/bitmap.h"

constexpr int32_t GLYPH_HEIGHT = 16;

struct Glyph {
    const char *rows[GLYPH_HEIGHT];
};

extern const Glyph *const glyph_map[128];

// The glyph drawn for byte c: glyph_map[c] for 0..127, blank above.
const Glyph *glyph_for(unsigned char c);

int32_t text_width(const char *line);

Bitmap *make_text_bitmap(const char *const *lines);

// Releases a bitmap from make_text_bitmap. The show keeps its text bitmaps
// for the whole run; tools and tests that build many call this.
void free_text_bitmap(Bitmap *bitmap);
