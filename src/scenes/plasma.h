// Scene 1 internals that the tests look at.
#pragma once
#include <cstdint>

#include "gfx/sine.h"

extern SineTable plasma_sine;

// Phase origins for time t, each 0..255.
struct PlasmaPhases {
    int32_t cs, ds, js, ks, ls;
};
PlasmaPhases plasma_phases(int32_t t);

// The title's distance from the screen centre at time t.
int64_t plasma_title_radius(int64_t t);

// Where the title's centre goes at time t.
void plasma_title_centre(int32_t t, int32_t *x, int32_t *y);
