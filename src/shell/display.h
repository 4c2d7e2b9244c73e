// The display layer: puts finished frames on screen and reads the quit keys.
//
// Two implementations, chosen when linking: display_sdl.cpp (the SDL 1.2
// window of the show) and display_offscreen.cpp (no SDL; keeps the last
// presented frame for tests and tools). Call order: init_display once after
// the scene init steps, present_frame once per draw step, quit_requested once
// per loop pass, shutdown_display once at the end.
#pragma once
#include "gfx/frame.h"

// 0 on success; 1 when the video mode could not be set (the message has been
// printed and the video layer closed: present_frame must not be called).
int init_display();

// Shows the frame: one 20480-byte copy into the screen, then a flip.
void present_frame(const Frame *frame);

// 1 when "m" or "," was pressed since the last call; every other event is
// consumed and ignored, window close and interrupt signals included.
int quit_requested();

void shutdown_display();
