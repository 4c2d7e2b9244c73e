// Scene 6: twister. An upright bar of square cross-section twisting about
// its vertical axis, at 80 x 64 dither cells. Each cell row shows two
// adjacent faces whose widths and brightness follow that row's angle; both
// carry the same row of a 32 x 64 brightness texture.
#include <cstdint>
#include <cstring>

#include "data/plasma_dither.h"
#include "gfx/cells.h"
#include "gfx/sine.h"
#include "shell/display.h"
#include "scenes/scenes.h"
#include "scenes/twister.h"

const uint8_t twister_texture[64 * 32] = {
#include "data/twister_texture.inc"
};

namespace {

SineTable twister_sine;
Frame twister_frame;

// The plasma's dither cells and level map, read here by darkness.
const CellPattern *const twister_patterns = plasma_patterns;
const int32_t *const twister_shade_map = plasma_level_map;

// Paints one face of `width` cells from cell h on, all 32 texture columns
// stretched onto it, darkened by its shade; returns the cell after it.
int32_t draw_face(int32_t row, int32_t h, int32_t width, int32_t shade)
{
    if (width == 0)
        return h;
    const int32_t step = 2097152 / width;  // 32 in 16.16
    const uint8_t *texels = twister_texture + row * 32;
    int32_t u = 0;
    for (int32_t j = 0; j < width; j++) {
        u += step;
        const int32_t darkness = 255 ^ ((texels[(u >> 16) & 31] * shade) >> 16);
        paint_cell(&twister_frame, h++, row, twister_patterns[twister_shade_map[darkness]]);
    }
    return h;
}

}  // namespace

void twister_init()
{
    fill_sine_table(twister_sine, 65535);
}

TwisterRow twister_row(int32_t t, int32_t i)
{
    TwisterRow r;
    const int32_t a = (twister_sine[(i + t / 10) & 255] + twister_sine[(i + t / 12) & 255]) >> 10;
    r.k = a & 63;
    r.s1 = twister_sine[r.k];
    r.s2 = twister_sine[r.k + 64];
    r.w1 = (r.s1 << 5) >> 16;
    r.w2 = (r.s2 << 5) >> 16;
    r.h = (80 - r.w1 - r.w2) / 2;
    return r;
}

void twister_draw(int32_t t)
{
    std::memset(twister_frame.pixels, 0, FRAME_SIZE);
    for (int32_t i = 0; i < CELL_ROWS; i++) {
        const TwisterRow r = twister_row(t, i);
        draw_face(i, draw_face(i, r.h, r.w1, r.s1), r.w2, r.s2);
    }
    present_frame(&twister_frame);
}
