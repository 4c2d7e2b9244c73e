// The 19 dither cells and the 256-entry map from level to cell shared by the
// plasma (indexed by plasma level + 128) and the twister (by darkness).
#pragma once
#include <cstdint>

#include "gfx/cells.h"

extern const CellPattern plasma_patterns[19];
extern const int32_t plasma_level_map[256];
