// Scene 8: an off-centre tunnel at half resolution. 80 x 64 cells each take
// one texel of a 32 x 32 shade texture through polar tables around the
// vanishing point at cell (60, 16); the texture flows outward and twists
// back and forth by up to a quarter turn.
#include <cmath>
#include <cstdint>

#include "gfx/cells.h"
#include "gfx/fixed.h"
#include "gfx/sine.h"
#include "shell/display.h"
#include "scenes/halfres_tunnel.h"
#include "scenes/scenes.h"

int32_t halfres_angle[FRAME_SIZE];
int32_t halfres_depth[FRAME_SIZE];

namespace {

constexpr int32_t VANISH_COLUMN = 60, VANISH_ROW = 16;

SineTable halfres_sine;
Frame halfres_frame;

const uint8_t halfres_texture[32 * 32] = {
#include "data/halfres_texture.inc"
};

// Pattern k: every pixel at grey k / 4, the first k % 4 of bottom-right,
// top-left, bottom-left, top-right one level darker.
const CellPattern halfres_cells[13] = {
    {0, 0, 0, 0}, {0, 0, 0, 1}, {1, 0, 0, 1}, {1, 0, 1, 1}, {1, 1, 1, 1},
    {1, 1, 1, 2}, {2, 1, 1, 2}, {2, 1, 2, 2}, {2, 2, 2, 2}, {2, 2, 2, 3},
    {3, 2, 2, 3}, {3, 2, 3, 3}, {3, 3, 3, 3},
};

}  // namespace

void halfres_tunnel_init()
{
    fill_sine_table(halfres_sine, 32767);
    for (int32_t row = 0; row < CELL_ROWS; row++) {
        for (int32_t column = 0; column < CELL_COLUMNS; column++) {
            const int32_t dx = column - VANISH_COLUMN, dy = VANISH_ROW - row;
            const double a = std::atan2(static_cast<double>(dx), static_cast<double>(dy));
            const double dist = std::sqrt(static_cast<double>(dx * dx + dy * dy));
            const int32_t angle = static_cast<int32_t>(std::floor(a * 128 / 6.283185307179586 + 128));
            const int32_t depth = static_cast<int32_t>(std::floor(2500 / (dist + 3)));
            halfres_angle[row * SCREEN_WIDTH + column] = angle % 128;
            halfres_depth[row * SCREEN_WIDTH + column] = depth % 128;
        }
    }
}

int32_t halfres_forward(int32_t t)
{
    return wrap_mul(t, 128) / 1000;
}

int32_t halfres_twist(int32_t t)
{
    const int32_t s1 = halfres_sine[(t / 8) & 255];
    const int32_t s2 = halfres_sine[(t / 9) & 255];
    return ((s1 + s2) << 5) >> 16;  // floor((s1 + s2) / 2048)
}

void halfres_tunnel_draw(int32_t t)
{
    const int32_t d = halfres_forward(t);
    const int32_t f = halfres_twist(t);

    for (int32_t row = 0; row < CELL_ROWS; row++) {
        const int32_t *angle = halfres_angle + row * SCREEN_WIDTH;
        const int32_t *depth = halfres_depth + row * SCREEN_WIDTH;
        for (int32_t column = 0; column < CELL_COLUMNS; column++) {
            const int32_t u = (angle[column] + f) & 127;
            const int32_t v = (depth[column] + d) & 127;
            paint_cell(&halfres_frame, column, row, halfres_cells[halfres_texture[(v >> 2) * 32 + (u >> 2)]]);
        }
    }
    present_frame(&halfres_frame);
}
