#include "gfx/bitmap.h"

#include <algorithm>

void blit_bitmap(Frame *frame, const Bitmap *bitmap, int32_t x, int32_t y)
{
    // Clip the visited ranges up front; the result is the same as testing
    // every pixel. 64-bit bounds keep x + width from overflowing.
    const int64_t w = bitmap->width, h = bitmap->height;
    const int64_t i0 = std::max<int64_t>(0, -int64_t{y});
    const int64_t i1 = std::min<int64_t>(h, int64_t{SCREEN_HEIGHT} - y);
    const int64_t j0 = std::max<int64_t>(0, -int64_t{x});
    const int64_t j1 = std::min<int64_t>(w, int64_t{SCREEN_WIDTH} - x);
    if (i0 >= i1 || j0 >= j1)
        return;

    for (int64_t i = i0; i < i1; i++) {
        uint8_t *dst = frame->pixels + (y + i) * SCREEN_WIDTH + x;
        const uint8_t *src = bitmap->pixels + i * w;
        const uint8_t *msk = bitmap->mask + i * w;
        for (int64_t j = j0; j < j1; j++)
            dst[j] = static_cast<uint8_t>((dst[j] & msk[j]) | src[j]);
    }
}

void blit_bitmap_centered(Frame *frame, const Bitmap *bitmap, int32_t x, int32_t y)
{
    blit_bitmap(frame, bitmap, x - bitmap->width / 2, y - bitmap->height / 2);
}
