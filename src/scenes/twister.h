// Scene 6 internals that the tests look at.
#pragma once
#include <cstdint>

// 64 rows of 32 brightnesses, 0 darkest .. 254 lightest; row r serves cell row r.
extern const uint8_t twister_texture[64 * 32];

// One cell row at time t: rotation k (0..63), the two faces' shades and
// widths in cells, and the first painted cell.
struct TwisterRow {
    int32_t k, s1, s2, w1, w2, h;
};
TwisterRow twister_row(int32_t t, int32_t i);
