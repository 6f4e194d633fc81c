#pragma once

#include <cmath>
#include <cstdint>

inline constexpr double kSurfacePixelsPerMm = 5.0;

// The length a surface length prints at, in points (1/72 inch).
inline double SurfacePixelsToPoints(double surfacePx)
{
    return surfacePx / kSurfacePixelsPerMm / 25.4 * 72.0;
}

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
