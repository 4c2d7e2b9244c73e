#include "gfx/sine.h"

#include <cmath>

void fill_sine_table(SineTable table, double amplitude)
{
    for (int i = 0; i < 256; i++) {
        // Conversion to int truncates toward zero, which keeps the table
        // odd-symmetric (entry 256 - i is exactly -entry i).
        table[i] = static_cast<int32_t>(std::sin(static_cast<double>(i) * M_PI / 128) * amplitude);
    }
}
