// Scene 5: a bob leaving trails while greetings rise.
//
// The ball is drawn into one of a ring of 48 frames that are never cleared,
// so the screen shows its present position with those of 48, 96, ... calls
// before. The greetings are blitted over the copy on screen only, so they
// leave no trail.
#include <cstdint>
#include <cstring>

#include "data/ball_image.h"
#include "gfx/bitmap.h"
#include "gfx/fixed.h"
#include "gfx/font.h"
#include "gfx/sine.h"
#include "shell/display.h"
#include "scenes/scenes.h"
#include "scenes/trails.h"

namespace {

constexpr int32_t TRAIL_FRAMES = 48;
constexpr int32_t GREETINGS_START_MS = 7670;

SineTable trails_sine;
Frame trail_frames[TRAIL_FRAMES];
Frame trails_output;

// The ball image with white as transparent; the mask is made at start-up.
uint8_t ball_bob_mask[256];
const Bitmap ball_bob = {ball_texture, ball_bob_mask, 16, 16};

}  // namespace

int32_t trail_slot;

const char *const greetings_lines[] = {
    "greetings", "to", "",
    "quorrik", "tamblin", "vesperix",
    "all other", "ombrelo", "devs", "",
    "halvern", "orgs",
    "zintaro", "fennwick", "glimmark", "hobvale", "jurnick", "kelvoss", "lumdrak",
    "mirrowen", "nokkel", "pashdrin", "ruvelle", "snorbit", "tovrak", "umbrix",
    "wendlock", "yarrowi", "brixelm", "cindrel", "dovetra",
    "",
    "and all at", "halvern!",
    nullptr,
};

Bitmap *greetings_bitmap;

void trails_init()
{
    fill_sine_table(trails_sine, 65535);
    std::memset(trail_frames, 0, sizeof trail_frames);
    for (int i = 0; i < 256; i++)
        ball_bob_mask[i] = ball_texture[i] == 0 ? 255 : 0;
    greetings_bitmap = make_text_bitmap(greetings_lines);
}

void trails_draw(int32_t t)
{
    const int32_t x = 80 + ((trails_sine[(wrap_mul(t, 30) / 1200 + 64) & 255] * 106) >> 17);
    const int32_t y = 64 + ((trails_sine[(wrap_mul(t, 37) / 1200 + 64) & 255] * 85) >> 17);

    trail_slot = (trail_slot + 1) % TRAIL_FRAMES;
    Frame *ring = &trail_frames[trail_slot];
    blit_bitmap_centered(ring, &ball_bob, x, y);
    std::memcpy(trails_output.pixels, ring->pixels, FRAME_SIZE);

    if (t > GREETINGS_START_MS) {
        const int32_t gy = 128 - ((t - GREETINGS_START_MS) >> 5);
        const int32_t gx = (160 - greetings_bitmap->width) / 2;
        blit_bitmap(&trails_output, greetings_bitmap, gx, gy);
    }
    present_frame(&trails_output);
}
