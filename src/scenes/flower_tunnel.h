// Scene 2 tables that the tests look at, filled by flower_tunnel_init.
#pragma once
#include <cstdint>

#include "gfx/bitmap.h"
#include "gfx/frame.h"

// Per pixel, row-major: angle 0..127 (0 straight up, growing clockwise) and
// five-lobed depth 0..127 around the screen centre.
extern int32_t flower_angle[FRAME_SIZE];
extern int32_t flower_depth[FRAME_SIZE];

// The group's logo, 160 x 62, drawn centred over the tunnel.
extern const Bitmap logo_bitmap;
