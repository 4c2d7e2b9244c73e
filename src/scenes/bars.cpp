// Scene 3: a stack of shaded bars with a text scroller.
//
// One 160-pixel line is built up row by row: on each of the first 85 rows a
// short bar is stamped into it at a position swinging with two sine waves,
// and every frame row receives the line as it stands at that row. Over it, a
// one-line scroller moves right to left with a small wobble.
#include <cstdint>
#include <cstring>

#include "gfx/bitmap.h"
#include "gfx/fixed.h"
#include "gfx/font.h"
#include "gfx/sine.h"
#include "shell/display.h"
#include "scenes/scenes.h"

namespace {

constexpr int32_t BAR_WIDTH = 11;
constexpr int32_t BAR_ROWS = 85;  // rows 0..84 stamp a bar; the rest repeat row 84

SineTable bars_sine;
const uint8_t bar_pattern[BAR_WIDTH] = {3, 2, 1, 2, 0, 1, 0, 1, 2, 1, 3};
uint8_t bars_line[SCREEN_WIDTH];
Frame bars_frame;
Bitmap *scroller_bitmap;

const char *const SCROLLER_TEXT[] = {
    "booyakasha! marrowbent are back on the scene with the world's first pocket demo!",
    nullptr,
};

// Copies the bar into bars_line at x..x+10. Starts run from -1 to 148; a
// byte left of column 0 belongs to no pixel and is dropped.
void stamp_bar(int32_t x)
{
    const int32_t skip = x < 0 ? -x : 0;
    std::memcpy(bars_line + x + skip, bar_pattern + skip, BAR_WIDTH - skip);
}

}  // namespace

void bars_init()
{
    fill_sine_table(bars_sine, 32767);
    scroller_bitmap = make_text_bitmap(SCROLLER_TEXT);
}

void bars_draw(int32_t t)
{
    int32_t p = (wrap_mul(t, 5) >> 5) & 255;
    int32_t q = (wrap_mul(t, 3) >> 4) & 255;

    std::memset(bars_line, 0, sizeof bars_line);
    for (int32_t y = 0; y < SCREEN_HEIGHT; y++) {
        if (y < BAR_ROWS) {
            const int32_t s = (bars_sine[p] + bars_sine[q]) * 149 / 2;
            stamp_bar((s >> 16) + 74);
            p = (p + 2) & 255;
            q = (q + 3) & 255;
        }
        std::memcpy(bars_frame.pixels + y * SCREEN_WIDTH, bars_line, SCREEN_WIDTH);
    }

    const int32_t sx = (bars_sine[(t / 7) & 255] >> 10) - t / 11 + 160;
    const int32_t sy = bars_sine[(t / 5) & 255] / 3600 + 80;
    blit_bitmap(&bars_frame, scroller_bitmap, sx, sy);

    present_frame(&bars_frame);
}
