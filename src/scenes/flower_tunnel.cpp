// Scene 2: five-lobed flower tunnel under the group's logo.
//
// Every pixel looks up a precomputed angle and depth around the screen
// centre; the depth is stretched by a five-lobed factor so the bands form a
// flower. The angle offset grows with time (the pattern turns) and the depth
// offset swings (the bands pulse in and out).
#include <cmath>
#include <cstdint>

#include "gfx/bitmap.h"
#include "gfx/fixed.h"
#include "gfx/sine.h"
#include "shell/display.h"
#include "scenes/flower_tunnel.h"
#include "scenes/scenes.h"

int32_t flower_angle[FRAME_SIZE];
int32_t flower_depth[FRAME_SIZE];

namespace {

SineTable flower_sine;
Frame flower_frame;

// The draw step's form of the two tables: per pixel, depth in the high byte
// and angle in the low byte. Adding both offsets at once (each reduced to
// 0..127 first) cannot carry from one byte into the other, and
// ((polar + offsets) >> 3) & 0x0F0F holds the texture row in bits 8..11 and
// the column in bits 0..3: one add, one shift, one mask and one lookup in
// flower_texels (the texture spread out to that index) per pixel.
uint16_t flower_polar[FRAME_SIZE];
uint8_t flower_texels[0x1000];

// Row picked by depth, column by angle.
const uint8_t flower_texture[256] = {
#include "data/flower_texture.inc"
};

#include "data/logo.inc"

}  // namespace

const Bitmap logo_bitmap = {logo_pixels, logo_mask, LOGO_WIDTH, LOGO_HEIGHT};

void flower_tunnel_init()
{
    fill_sine_table(flower_sine, 32767);
    for (int32_t y = 0; y < SCREEN_HEIGHT; y++) {
        for (int32_t x = 0; x < SCREEN_WIDTH; x++) {
            const int32_t dx = x - 80, dy = y - 64;
            const double a = std::atan2(static_cast<double>(dx), static_cast<double>(64 - y));
            const double dist = std::sqrt(static_cast<double>(dx * dx + dy * dy));
            const double f = (std::cos(5 * a) + 1.5) * 106.66666666666667;
            const int32_t angle = static_cast<int32_t>(std::floor(a * 128 / 6.283185307179586 + 128));
            const int32_t depth = static_cast<int32_t>(std::floor(dist * 128 / f));
            flower_angle[y * SCREEN_WIDTH + x] = angle % 128;
            flower_depth[y * SCREEN_WIDTH + x] = depth % 128;
        }
    }
    for (int32_t p = 0; p < FRAME_SIZE; p++)
        flower_polar[p] = static_cast<uint16_t>(flower_depth[p] << 8 | flower_angle[p]);
    for (int32_t row = 0; row < 16; row++)
        for (int32_t column = 0; column < 16; column++)
            flower_texels[row << 8 | column] = flower_texture[row * 16 + column];
}

void flower_tunnel_draw(int32_t t)
{
    const int32_t b = flower_sine[(t / 4) & 255] >> 10;
    const int32_t o = wrap_mul(t, 128) / 4000;
    // column = ((angle + o) mod 128) / 8, row = ((depth + b) mod 128) / 8.
    const uint32_t offsets = static_cast<uint32_t>((b & 127) << 8 | (o & 127));
    for (int32_t p = 0; p < FRAME_SIZE; p++)
        flower_frame.pixels[p] = flower_texels[((flower_polar[p] + offsets) >> 3) & 0x0F0F];
    blit_bitmap_centered(&flower_frame, &logo_bitmap, 80, 64);
    present_frame(&flower_frame);
}
