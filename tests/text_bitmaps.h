// Text bitmaps for tests: built with make_text_bitmap and released when the
// test program ends, so that the leak checker sees only real leaks.
#pragma once
#include <memory>
#include <vector>

#include "gfx/font.h"

inline const Bitmap *text_bitmap(const char *const *lines)
{
    struct Free {
        void operator()(Bitmap *b) const { free_text_bitmap(b); }
    };
    static std::vector<std::unique_ptr<Bitmap, Free>> made;
    made.emplace_back(make_text_bitmap(lines));
    return made.back().get();
}
