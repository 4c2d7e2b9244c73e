// Scene 4 internals that the tests look at.
#pragma once
#include <cstdint>

// The per-frame values of the rotozoomer at time t: angle index, zoom, the
// texture step (du, dv) for one pixel right, and the sideways offset.
struct RotozoomSteps {
    int32_t angle, zoom, du, dv, sway;
};
RotozoomSteps rotozoom_steps(int32_t t);
