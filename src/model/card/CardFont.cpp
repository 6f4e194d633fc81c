#include "model/card/CardFont.h"

#include "model/card/SurfaceScale.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

int CardFont::SizeInPoints() const
{
    return int(std::lround(std::abs(double(Height)) * 72.0 / 96.0));
}

void CardFont::SetSizeInPoints(int points)
{
    // A size near the top of the int range has a height beyond it; the height stops at the edge.
    Height = -int(std::lround(std::clamp(points * 96.0 / 72.0, -double(INT_MAX), double(INT_MAX))));
}

double CardFont::CharacterHeight() const
{
    // A positive height counts the cell, which is about one fifth taller than the characters.
    return Height < 0 ? -double(Height) : Height * 0.8;
}

double CardFont::PrintedPoints() const
{
    return SurfacePixelsToPoints(CharacterHeight());
}

QFont CardFont::ToQFont() const
{
    return ToQFont(1.0);
}

QFont CardFont::ToQFont(double scale) const
{
    QFont font(Name);
    font.setPixelSize(int(std::clamp(std::trunc(CharacterHeight() * scale + 0.5), 1.0, double(INT_MAX))));
    font.setBold(Style & fsBold);
    font.setItalic(Style & fsItalic);
    font.setUnderline(Style & fsUnderline);
    font.setStrikeOut(Style & fsStrikeOut);
    if (Pitch == fpFixed)
        font.setFixedPitch(true);
    return font;
}
