// Scene 7: a cloud of 56 3-D dots turning about three axes, projected
// without perspective, each drawn as a small shaded ball. In the second half
// the cloud changes shape and two birds stand at the bottom corners, their
// beaks opening and shutting to a fixed 64-step rhythm.
#include <cstdint>
#include <cstring>

#include "gfx/bitmap.h"
#include "gfx/fixed.h"
#include "gfx/sine.h"
#include "shell/display.h"
#include "scenes/dots.h"
#include "scenes/scenes.h"

Matrix3 rot_x = {{256, 0, 0, 0, 0, 0, 0, 0, 0}};
Matrix3 rot_y = {{0, 0, 0, 0, 256, 0, 0, 0, 0}};
Matrix3 rot_z = {{0, 0, 0, 0, 0, 0, 0, 0, 256}};
Matrix3 rot_xy, rot_xyz;

namespace {

constexpr int32_t SHAPE_B_MS = 15340;       // second shape and the birds from here
constexpr int32_t BEAK_CYCLE_MS = 3835;     // 64 beak_pattern entries

SineTable dots_sine;
Frame dots_frame;

const uint8_t dot_sprite_pixels[64] = {
    0, 0, 2, 2, 3, 3, 0, 0,
    0, 2, 1, 1, 2, 2, 3, 0,
    2, 1, 0, 1, 1, 2, 2, 3,
    2, 1, 1, 1, 1, 2, 3, 3,
    3, 2, 1, 1, 2, 2, 3, 3,
    3, 2, 2, 2, 2, 3, 3, 3,
    0, 3, 2, 3, 3, 3, 3, 0,
    0, 0, 3, 3, 3, 3, 0, 0,
};
const uint8_t dot_sprite_mask[64] = {
    255, 255, 0, 0, 0, 0, 255, 255,
    255, 0, 0, 0, 0, 0, 0, 255,
    0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0,
    255, 0, 0, 0, 0, 0, 0, 255,
    255, 255, 0, 0, 0, 0, 255, 255,
};
const Bitmap dot_sprite = {dot_sprite_pixels, dot_sprite_mask, 8, 8};

#include "data/birds.inc"

}  // namespace

#include "data/dot_shapes.inc"

const Bitmap bird_left_shut = {bird_left_shut_pixels, bird_left_shut_mask, BIRD_WIDTH, BIRD_HEIGHT};
const Bitmap bird_left_open = {bird_left_open_pixels, bird_left_open_mask, BIRD_WIDTH, BIRD_HEIGHT};
const Bitmap bird_right_shut = {bird_right_shut_pixels, bird_right_shut_mask, BIRD_WIDTH, BIRD_HEIGHT};
const Bitmap bird_right_open = {bird_right_open_pixels, bird_right_open_mask, BIRD_WIDTH, BIRD_HEIGHT};

namespace {

const uint8_t beak_pattern[64] = {
#include "data/beak_pattern.inc"
};

int32_t cos8(int32_t angle) { return dots_sine[(angle + 64) & 255]; }
int32_t sin8(int32_t angle) { return dots_sine[angle & 255]; }

// Rewrites the cosine and sine entries of the three rotations.
void set_rotations(int32_t ax, int32_t ay, int32_t az)
{
    const int32_t cx = cos8(ax), sx = sin8(ax);
    rot_x.m[4] = cx; rot_x.m[5] = -sx;
    rot_x.m[7] = sx; rot_x.m[8] = cx;

    const int32_t cy = cos8(ay), sy = sin8(ay);
    rot_y.m[0] = cy; rot_y.m[2] = -sy;
    rot_y.m[6] = sy; rot_y.m[8] = cy;

    const int32_t cz = cos8(az), sz = sin8(az);
    rot_z.m[0] = cz; rot_z.m[1] = -sz;
    rot_z.m[3] = sz; rot_z.m[4] = cz;
}

}  // namespace

void matrix3_multiply(const Matrix3 *a, const Matrix3 *b, Matrix3 *out)
{
    for (int r = 0; r < 3; r++)
        for (int c = 0; c < 3; c++)
            out->m[r * 3 + c] = (a->m[r * 3] * b->m[c] + a->m[r * 3 + 1] * b->m[3 + c] +
                                 a->m[r * 3 + 2] * b->m[6 + c]) >> 8;
}

void dots_project(const Point3 *p, const Matrix3 *m, int32_t *sx, int32_t *sy)
{
    const int32_t x = p->x * m->m[0] + p->y * m->m[1] + p->z * m->m[2];
    const int32_t y = p->x * m->m[3] + p->y * m->m[4] + p->z * m->m[5];
    // (v << 5) >> 16 floors v / 2048.
    *sx = ((x << 5) >> 16) + 80;
    *sy = ((y << 5) >> 16) + 64;
}

int32_t dots_beak_index(int32_t t)
{
    return (wrap_mul(t, 64) / BEAK_CYCLE_MS) & 63;
}

void dots_init()
{
    fill_sine_table(dots_sine, 255);
}

void dots_draw(int32_t t)
{
    std::memset(dots_frame.pixels, 0, FRAME_SIZE);

    set_rotations(wrap_mul(t, 70) / 1000, wrap_mul(t, 65) / 1000, wrap_mul(t, 59) / 1000);
    matrix3_multiply(&rot_x, &rot_y, &rot_xy);
    matrix3_multiply(&rot_xy, &rot_z, &rot_xyz);

    const bool second_half = t >= SHAPE_B_MS;
    const Point3 *shape = second_half ? dot_shape_b : dot_shape_a;
    for (int32_t k = 0; k < DOT_COUNT; k++) {
        int32_t sx, sy;
        dots_project(&shape[k], &rot_xyz, &sx, &sy);
        blit_bitmap_centered(&dots_frame, &dot_sprite, sx, sy);
    }

    if (second_half) {
        const bool open = beak_pattern[dots_beak_index(t)] != 0;
        const Bitmap *left = open ? &bird_left_open : &bird_left_shut;
        const Bitmap *right = open ? &bird_right_open : &bird_right_shut;
        blit_bitmap(&dots_frame, left, 8, 120 - left->height);
        blit_bitmap(&dots_frame, right, 152 - right->width, 120 - right->height);
    }
    present_frame(&dots_frame);
}
