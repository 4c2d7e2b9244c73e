// Scene 5 internals that the tests look at.
#pragma once
#include <cstdint>

#include "gfx/bitmap.h"

// The ring frame of the latest call, 0..47; 0 at start, advanced before drawing.
extern int32_t trail_slot;

// 34 lines and the null end; built into greetings_bitmap by trails_init.
extern const char *const greetings_lines[];
extern Bitmap *greetings_bitmap;
