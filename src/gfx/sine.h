// Integer sine tables: 256 entries per turn, entry i = trunc(sin(i*pi/128) * A).
// Every scene fills its own at start-up and indexes it with (index & 255).
#pragma once
#include <cstdint>

typedef int32_t SineTable[256];

void fill_sine_table(SineTable table, double amplitude);
