// Scene 8 internals that the tests look at.
#pragma once
#include <cstdint>

#include "gfx/frame.h"

// Frame-shaped (160 entries a row); rows 0..63, columns 0..79 are used:
// entry (row, column) belongs to cell (column, row). Angle 0..127 clockwise
// from straight up around the vanishing point; depth 0..127, wrapped.
extern int32_t halfres_angle[FRAME_SIZE];
extern int32_t halfres_depth[FRAME_SIZE];

// Depth offset: 128 units a second.
int32_t halfres_forward(int32_t t);

// Angle offset, -32..31: floor of the two twist sines' sum / 2048.
int32_t halfres_twist(int32_t t);
