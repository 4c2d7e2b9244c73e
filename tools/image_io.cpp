#include "image_io.h"

#include <png.h>

#include "atomic_file.h"

#include <cstdio>
#include <vector>

const uint8_t GREY_VALUES[4] = {255, 192, 128, 0};

namespace {

// One row of the image scaled up, as grey values.
void scaled_row(const uint8_t *src, int width, int scale, std::vector<uint8_t> &out)
{
    out.resize(static_cast<size_t>(width) * scale);
    for (int x = 0; x < width; x++)
        for (int k = 0; k < scale; k++)
            out[static_cast<size_t>(x) * scale + k] = GREY_VALUES[src[x] & 3];
}

}  // namespace

bool write_raw(const std::string &path, const Frame *frame)
{
    return write_file_atomically(path, [&](FILE *f) {
        return std::fwrite(frame->pixels, 1, FRAME_SIZE, f) == FRAME_SIZE;
    });
}

bool write_pgm(const std::string &path, const Frame *frame, int scale)
{
    return write_file_atomically(path, [&](FILE *f) {
        std::fprintf(f, "P5\n%d %d\n255\n", SCREEN_WIDTH * scale, SCREEN_HEIGHT * scale);
        std::vector<uint8_t> row;
        for (int y = 0; y < SCREEN_HEIGHT; y++) {
            scaled_row(frame->pixels + y * SCREEN_WIDTH, SCREEN_WIDTH, scale, row);
            for (int k = 0; k < scale; k++)
                if (std::fwrite(row.data(), 1, row.size(), f) != row.size())
                    return false;
        }
        return true;
    });
}

bool write_png_image(const std::string &path, const uint8_t *pixels, int width, int height, int scale)
{
    return write_file_atomically(path, [&](FILE *f) {
        png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        if (!png)
            return false;
        png_infop info = png_create_info_struct(png);
        if (!info || setjmp(png_jmpbuf(png))) {
            png_destroy_write_struct(&png, &info);
            return false;
        }
        png_init_io(png, f);
        // Four flat greys compress well at the fastest level; this keeps a
        // whole-show capture many times faster than real time.
        png_set_compression_level(png, 1);
        png_set_filter(png, 0, PNG_FILTER_NONE);
        png_set_IHDR(png, info, width * scale, height * scale, 8, PNG_COLOR_TYPE_GRAY,
                     PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        std::vector<uint8_t> row;
        for (int y = 0; y < height; y++) {
            scaled_row(pixels + static_cast<size_t>(y) * width, width, scale, row);
            for (int k = 0; k < scale; k++)
                png_write_row(png, row.data());
        }
        png_write_end(png, nullptr);
        png_destroy_write_struct(&png, &info);
        return true;
    });
}

bool write_png(const std::string &path, const Frame *frame, int scale)
{
    return write_png_image(path, frame->pixels, SCREEN_WIDTH, SCREEN_HEIGHT, scale);
}
