#include "model/card/CardFont.h"

#include <cmath>
#include <cstdlib>

int CardFont::SizeInPoints() const
{
    return int(std::lround(std::abs(Height) * 72.0 / 96.0));
}

void CardFont::SetSizeInPoints(int points)
{
    Height = -int(std::lround(points * 96.0 / 72.0));
}

QFont CardFont::ToQFont() const
{
    return ToQFont(1.0);
}

QFont CardFont::ToQFont(double scale) const
{
    QFont font(Name);
    // A positive height counts the cell, which is about one fifth taller than the characters.
    const double characterHeight = Height < 0 ? -Height : Height * 0.8;
    font.setPixelSize(std::max(1, int(std::trunc(characterHeight * scale + 0.5))));
    font.setBold(Style & fsBold);
    font.setItalic(Style & fsItalic);
    font.setUnderline(Style & fsUnderline);
    font.setStrikeOut(Style & fsStrikeOut);
    if (Pitch == fpFixed)
        font.setFixedPitch(true);
    return font;
}
