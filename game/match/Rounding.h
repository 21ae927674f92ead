// Float to whole pixels: nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4,
// -2.5 -> -2). Values beyond the 32-bit range saturate; NaN gives 0.
#pragma once

#include <cmath>
#include <cstdint>

inline int32_t RoundHalfEven(double v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483647.0) return INT32_MAX;
    if (v <= -2147483648.0) return INT32_MIN;
    double r = std::floor(v);
    double diff = v - r;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(r, 2.0) != 0.0)) r += 1.0;
    return static_cast<int32_t>(r);
}
