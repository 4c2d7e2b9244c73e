// Scene 9: the credits, centred on white for 7670 ms, then a white screen
// until the show ends.
#include <cstdint>
#include <cstring>

#include "gfx/bitmap.h"
#include "gfx/font.h"
#include "shell/display.h"
#include "scenes/scenes.h"

namespace {

constexpr int32_t CREDITS_LAST_MS = 7669;

const char *const credits_lines[] = {
    "code", "pellum", "", "music", "dorvanti", "", "created for", "halvern", nullptr,
};

Bitmap *credits_bitmap;
Frame credits_frame;

}  // namespace

void credits_init()
{
    credits_bitmap = make_text_bitmap(credits_lines);
}

void credits_draw(int32_t t)
{
    std::memset(credits_frame.pixels, 0, FRAME_SIZE);
    if (t <= CREDITS_LAST_MS)
        blit_bitmap_centered(&credits_frame, credits_bitmap, 80, 64);
    present_frame(&credits_frame);
}
