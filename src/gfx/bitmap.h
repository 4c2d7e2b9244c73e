// Masked bitmaps and their two blits.
//
// A blit does frame = (frame AND mask) OR pixels for every bitmap pixel that
// lands inside the frame; mask 0 is opaque, 255 transparent, and a
// transparent pixel holds 0. Pixels outside 0..159 x 0..127 are skipped, so a
// bitmap may hang off any edge.
#pragma once
#include <cstdint>

#include "gfx/frame.h"

struct Bitmap {
    const uint8_t *pixels;
    const uint8_t *mask;
    int32_t width;
    int32_t height;
};

// Top-left corner of the bitmap at (x, y).
void blit_bitmap(Frame *frame, const Bitmap *bitmap, int32_t x, int32_t y);

// Centre of the bitmap at (x, y): top-left at (x - width/2, y - height/2),
// halves truncated, so an even size reaches one pixel further left and up.
void blit_bitmap_centered(Frame *frame, const Bitmap *bitmap, int32_t x, int32_t y);
