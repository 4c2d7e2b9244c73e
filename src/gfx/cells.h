// 2 x 2 dither cells: the half-resolution scenes work on an 80 x 64 grid of
// cells and paint each as one CellPattern.
#pragma once
#include <cstdint>

#include "gfx/frame.h"

constexpr int32_t CELL_COLUMNS = SCREEN_WIDTH / 2;  // 80
constexpr int32_t CELL_ROWS = SCREEN_HEIGHT / 2;    // 64

struct CellPattern {
    uint8_t top_left, top_right, bottom_left, bottom_right;
};

// Paints the pattern at cell (cx, cy), that is pixels (2cx..2cx+1, 2cy..2cy+1).
inline void paint_cell(Frame *frame, int32_t cx, int32_t cy, const CellPattern &p)
{
    uint8_t *o = frame->pixels + 2 * cy * SCREEN_WIDTH + 2 * cx;
    o[0] = p.top_left;
    o[1] = p.top_right;
    o[SCREEN_WIDTH] = p.bottom_left;
    o[SCREEN_WIDTH + 1] = p.bottom_right;
}
