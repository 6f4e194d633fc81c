#pragma once

#include <QColor>
#include <cstdint>

// A colour as the card documents store it: 0x00BBGGRR, or, with the high bit set, the index of a
// system colour of the desktop palette (0x80000000 + index).
using TColor = std::uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clSystemColor = 0x80000000;
constexpr TColor clWindow = 0x80000005;
constexpr TColor clWindowText = 0x80000008;
constexpr TColor clAppWorkSpace = 0x8000000C;
constexpr TColor clBtnFace = 0x8000000F;
constexpr TColor clNone = 0x1FFFFFFF;

constexpr TColor RGBToColor(int red, int green, int blue)
{
    return TColor(red & 0xFF) | TColor(green & 0xFF) << 8 | TColor(blue & 0xFF) << 16;
}

// The colour to paint with: a system colour is replaced by its value in the current palette.
QColor ColorToQColor(TColor color);

// The nearest stored value of a painted colour (never a system colour).
TColor QColorToColor(const QColor &color);
