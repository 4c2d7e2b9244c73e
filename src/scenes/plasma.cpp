// Scene 1: dithered plasma with two swinging title words.
//
// Four sine waves summed at 80 x 64 cells, each cell painted as a 2 x 2
// dither pattern through a level map. A two-line title swings in along a
// circle, rests at the centre, swings out; a second title does the same.
#include <cstdint>

#include "data/plasma_dither.h"
#include "gfx/bitmap.h"
#include "gfx/cells.h"
#include "gfx/fixed.h"
#include "gfx/font.h"
#include "gfx/sine.h"
#include "shell/display.h"
#include "scenes/plasma.h"
#include "scenes/scenes.h"

SineTable plasma_sine;

namespace {

Bitmap *plasma_title_1;
Bitmap *plasma_title_2;
Frame plasma_frame;

const char *const TITLE_1[] = {"fear", "the pod", nullptr};
const char *const TITLE_2[] = {"for it", "is shiny", nullptr};

constexpr int32_t TITLE_SWITCH_MS = 7500;

}  // namespace

// In, rest, out (title 1), in, rest, out (title 2). 64-bit so that any t is
// safe: the products overflow 32 bits only some 408 s before the show.
int64_t plasma_title_radius(int64_t t)
{
    if (t <= 1499) return (1500 - t) * 160 / 1000;
    if (t <= 5999) return 0;
    if (t <= 7499) return (t * 160 - 960000) / 1000;
    if (t <= 8999) return (9000 - t) * 160 / 1000;
    if (t <= 13499) return 0;
    return (t * 160 - 2160000) / 1000;
}

PlasmaPhases plasma_phases(int32_t t)
{
    return {
        (wrap_mul(t, -10) >> 7) & 255,
        (wrap_mul(t, 17) >> 7) & 255,
        (wrap_mul(t, 13) >> 7) & 255,
        (wrap_mul(t, -23) >> 7) & 255,
        (t >> 4) & 255,
    };
}

void plasma_title_centre(int32_t t, int32_t *x, int32_t *y)
{
    const int64_t r = plasma_title_radius(t);
    const int32_t theta = (t >> 2) & 255;
    // |r| < 2^29, so both stay far inside 32 bits.
    *x = static_cast<int32_t>(((r * plasma_sine[theta]) >> 16) + 80);
    *y = static_cast<int32_t>(((r * plasma_sine[(theta + 64) & 255]) >> 16) + 64);
}

namespace {

void draw_plasma(int32_t t)
{
    const PlasmaPhases ph = plasma_phases(t);
    const int32_t cs = ph.cs, ds = ph.ds, js = ph.js, ks = ph.ks, ls = ph.ls;

    for (int32_t cy = 0; cy < CELL_ROWS; cy++) {
        const int32_t l = (ls + 2 * cy) & 255;
        const int32_t j = (js + 5 * cy) & 255;
        const int32_t k = (ks + 2 * cy) & 255;
        const int32_t wobble = plasma_sine[l] >> 9;
        const int32_t row_sum = plasma_sine[j] + plasma_sine[k];
        for (int32_t cx = 0; cx < CELL_COLUMNS; cx++) {
            const int32_t c = (cs + wobble + 7 * cx) & 255;
            const int32_t d = (ds + wobble + 3 * cx) & 255;
            const int32_t v = plasma_sine[c] + plasma_sine[d] + row_sum;
            paint_cell(&plasma_frame, cx, cy, plasma_patterns[plasma_level_map[(v >> 10) + 128]]);
        }
    }
}

}  // namespace

void plasma_init()
{
    fill_sine_table(plasma_sine, 32767);
    plasma_title_1 = make_text_bitmap(TITLE_1);
    plasma_title_2 = make_text_bitmap(TITLE_2);
}

void plasma_draw(int32_t t)
{
    draw_plasma(t);

    int32_t x, y;
    plasma_title_centre(t, &x, &y);
    const Bitmap *title = t < TITLE_SWITCH_MS ? plasma_title_1 : plasma_title_2;
    blit_bitmap_centered(&plasma_frame, title, x, y);

    present_frame(&plasma_frame);
}
