// What the offscreen display (display_offscreen.cpp) lets tests and tools see.
#pragma once
#include <cstdint>

#include "gfx/frame.h"

// The frame most recently handed to present_frame (all white before the first).
const Frame *offscreen_last_frame();

// How many times present_frame has been called.
int64_t offscreen_present_count();

// Makes the next quit_requested() call return 1 (once).
void offscreen_request_quit();
