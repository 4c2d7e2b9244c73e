// Integer helpers for the draw steps.
//
// Scene arithmetic is signed 32-bit. A product of the time with a constant
// overflows only for times the show never reaches; wrap_mul computes it
// modulo 2^32 on purpose, as two's-complement hardware does, instead of
// leaving it undefined.
#pragma once
#include <cstdint>

inline int32_t wrap_mul(int32_t a, int32_t b)
{
    return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}
