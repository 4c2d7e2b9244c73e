// Scene 4: rotozoomer. The 16 x 16 ball image tiled over the plane, turning,
// zooming in and out and swaying sideways, sampled in 8.8 fixed point.
#include <cstdint>

#include "data/ball_image.h"
#include "gfx/frame.h"
#include "gfx/sine.h"
#include "shell/display.h"
#include "scenes/rotozoom.h"
#include "scenes/scenes.h"

namespace {

SineTable rotozoom_sine;
Frame rotozoom_frame;

}  // namespace

RotozoomSteps rotozoom_steps(int32_t t)
{
    RotozoomSteps r;
    r.angle = (t / 34) & 255;
    r.zoom = (rotozoom_sine[(t / 45) & 255] + 36864) >> 8;  // 16..271
    r.du = (rotozoom_sine[(r.angle + 64) & 255] * r.zoom) >> 16;
    r.dv = (rotozoom_sine[r.angle] * r.zoom) >> 16;
    r.sway = rotozoom_sine[(t / 30) & 255] / 2;  // halved toward zero
    return r;
}

void rotozoom_init()
{
    fill_sine_table(rotozoom_sine, 32767);
}

void rotozoom_draw(int32_t t)
{
    const RotozoomSteps st = rotozoom_steps(t);
    const int32_t du = st.du, dv = st.dv;

    int32_t u_row = st.sway, v_row = 0;
    uint8_t *out = rotozoom_frame.pixels;
    for (int32_t y = 0; y < SCREEN_HEIGHT; y++) {
        int32_t u = u_row, v = v_row;
        for (int32_t x = 0; x < SCREEN_WIDTH; x++) {
            // Bits 8..11 pick the texel; higher bits only repeat the tiling.
            *out++ = ball_texture[((v >> 8) & 15) * 16 + ((u >> 8) & 15)];
            u += du;
            v += dv;
        }
        v_row += du;
        u_row -= dv;
    }
    present_frame(&rotozoom_frame);
}
