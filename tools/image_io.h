// Writing frames to files for the tools. Every file appears whole or not at
// all (atomic_file.h); each writer returns false, with errno telling why, on
// failure.
#pragma once
#include <cstdint>
#include <string>

#include "gfx/frame.h"

// The palette's four greys, indexed by grey level (byte v shows v & 3).
extern const uint8_t GREY_VALUES[4];

bool write_raw(const std::string &path, const Frame *frame);
bool write_pgm(const std::string &path, const Frame *frame, int scale);

// A grey-index image of any size, shown in the palette's greys, each pixel
// blown up to scale x scale.
bool write_png_image(const std::string &path, const uint8_t *pixels, int width, int height, int scale);
bool write_png(const std::string &path, const Frame *frame, int scale);
