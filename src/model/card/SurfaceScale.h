#pragma once

#include <cmath>
#include <cstdint>

// The card surface shows 5 pixels per millimetre whatever the screen: a length of t tenths of a
// millimetre is trunc(t / 2 + 0.5) surface pixels. Values beyond the int range saturate.
inline int TenthMmToSurfacePixels(double tenthMm)
{
    const double pixels = std::trunc(tenthMm / 2.0 + 0.5);
    if (pixels >= double(INT32_MAX))
        return INT32_MAX;
    if (pixels <= double(INT32_MIN))
        return INT32_MIN;
    return int(pixels);
}
