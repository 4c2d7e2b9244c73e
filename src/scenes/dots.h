// Scene 7 types and internals that the tests look at.
#pragma once
#include <cstdint>

#include "gfx/bitmap.h"

// Row-major 3 x 3, 256 standing for 1.0.
struct Matrix3 {
    int32_t m[9];
};

struct Point3 {
    int32_t x, y, z;
};

// out = (a * b) >> 8, entry by entry, in signed 32 bits (the shift floors).
// out must not be a or b.
void matrix3_multiply(const Matrix3 *a, const Matrix3 *b, Matrix3 *out);

// Rewritten by every dots_draw call: the three rotations and their products.
extern Matrix3 rot_x, rot_y, rot_z, rot_xy, rot_xyz;

constexpr int32_t DOT_COUNT = 56;
extern const Point3 dot_shape_a[DOT_COUNT];
extern const Point3 dot_shape_b[DOT_COUNT];

// The four 42 x 25 birds; the right ones mirror the left ones.
extern const Bitmap bird_left_shut, bird_left_open, bird_right_shut, bird_right_open;

// Screen position of point p under m, without perspective: floor(X / 2048)
// + 80 and floor(Y / 2048) + 64.
void dots_project(const Point3 *p, const Matrix3 *m, int32_t *sx, int32_t *sy);

// Which beak_pattern entry time t shows (for t of the second half).
int32_t dots_beak_index(int32_t t);
