// The picture every scene draws: 160 x 128 grey-index bytes, row-major.
// Byte 160*y + x is pixel (x, y); 0 white, 1 light grey, 2 mid grey, 3 black.
#pragma once
#include <cstdint>

constexpr int32_t SCREEN_WIDTH = 160;
constexpr int32_t SCREEN_HEIGHT = 128;
constexpr int32_t FRAME_SIZE = SCREEN_WIDTH * SCREEN_HEIGHT;  // 20480

struct Frame {
    uint8_t pixels[FRAME_SIZE];
};
