// quillmoss-fontsheet OUT.png [--scale K]: the glyph font's whole alphabet
// and every text of the show, drawn with make_text_bitmap on mid grey, for
// checking the letters by eye (docs/font.png is made with it).
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "gfx/font.h"
#include "image_io.h"
#include "scenes/trails.h"

namespace {

// Each block is one text as the show builds it. The scroller's one long
// line is broken at spaces, and the greetings into three blocks, so that the
// sheet stays compact.
std::vector<std::vector<const char *>> blocks()
{
    std::vector<std::vector<const char *>> b = {
        {"abcdefghijklm", "nopqrstuvwxyz", "!' 0,."},
        {"fear", "the pod"},
        {"for it", "is shiny"},
        {"booyakasha!", "marrowbent are back", "on the scene with", "the world's first", "pocket demo!"},
    };
    int count = 0;
    while (greetings_lines[count])
        count++;
    for (int first = 0; first < count; first += 12)
        b.emplace_back(greetings_lines + first, greetings_lines + std::min(count, first + 12));
    b.push_back({"code", "pellum", "", "music", "dorvanti", "", "created for", "halvern"});
    return b;
}

constexpr int MARGIN = 6, COLUMNS = 4;
constexpr uint8_t BACKGROUND = 2;

}  // namespace

int main(int argc, char *argv[])
{
    const char *out = nullptr;
    int scale = 2;
    for (int i = 1; i < argc; i++) {
        if (std::strcmp(argv[i], "--scale") == 0 && i + 1 < argc)
            scale = std::atoi(argv[++i]);
        else if (!out)
            out = argv[i];
    }
    if (!out || scale < 1 || scale > 16) {
        std::fprintf(stderr, "usage: quillmoss-fontsheet OUT.png [--scale K]\n");
        return 2;
    }

    std::vector<Bitmap *> bitmaps;
    for (auto lines : blocks()) {
        lines.push_back(nullptr);
        bitmaps.push_back(make_text_bitmap(lines.data()));
    }
    // Lay the blocks out in a grid of COLUMNS, each cell as big as the largest.
    int cell_w = 0, cell_h = 0;
    for (const Bitmap *b : bitmaps) {
        cell_w = std::max(cell_w, b->width);
        cell_h = std::max(cell_h, b->height);
    }
    const int rows = (static_cast<int>(bitmaps.size()) + COLUMNS - 1) / COLUMNS;
    const int width = COLUMNS * (cell_w + MARGIN) + MARGIN, height = rows * (cell_h + MARGIN) + MARGIN;
    std::vector<uint8_t> canvas(static_cast<size_t>(width) * height, BACKGROUND);
    for (size_t k = 0; k < bitmaps.size(); k++) {
        const Bitmap *b = bitmaps[k];
        const int x0 = MARGIN + static_cast<int>(k % COLUMNS) * (cell_w + MARGIN) + (cell_w - b->width) / 2;
        const int y0 = MARGIN + static_cast<int>(k / COLUMNS) * (cell_h + MARGIN);
        for (int y = 0; y < b->height; y++)
            for (int x = 0; x < b->width; x++) {
                uint8_t &p = canvas[static_cast<size_t>(y0 + y) * width + x0 + x];
                p = static_cast<uint8_t>((p & b->mask[y * b->width + x]) | b->pixels[y * b->width + x]);
            }
    }
    for (Bitmap *b : bitmaps)
        free_text_bitmap(b);
    if (!write_png_image(out, canvas.data(), width, height, scale)) {
        std::perror(out);
        return 1;
    }
    return 0;
}
