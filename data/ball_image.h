// The 16 x 16 shaded ball: the rotozoomer's texture and the trails' bob.
#pragma once
#include <cstdint>

extern const uint8_t ball_texture[256];
