#pragma once

#include "model/card/CardTypes.h"

// How a text object sets its lines beyond face and size. The defaults set text as plain horizontal
// lines from the top-left corner, one font cell apart.
struct TextStyle {
    static constexpr int kMinLineSpacing = 50;
    static constexpr int kMaxLineSpacing = 300;
    static constexpr int kMinLetterSpacing = -100;
    static constexpr int kMaxLetterSpacing = 1000;

    // Characters top to bottom and lines (columns) from right to left.
    bool Vertical = false;
    // Where each line sits along its own direction: left, centre or right; top, middle or bottom
    // in vertical text.
    TTextAlignment Alignment = taLeftJustify;
    // Percent of the font's line height from one line to the next.
    int LineSpacing = 100;
    // Extra space between characters, in tenths of a point.
    int LetterSpacing = 0;
    // In vertical text, a run of one or two half-width digits stands upright side by side.
    bool UprightDigits = false;

    // The letter spacing in pixels of a font whose height is given in pixels at 96 dpi.
    double LetterSpacingPixels(double scale = 1.0) const
    {
        return LetterSpacing / 10.0 * 96.0 / 72.0 * scale;
    }

    bool operator==(const TextStyle &) const = default;
};

// How far a line moves along its direction when `room` is left beside it in its area.
template <typename Length> Length AlignedOffset(TTextAlignment alignment, Length room)
{
    switch (alignment) {
    case taCenter: return room / 2;
    case taRightJustify: return room;
    default: return 0;
    }
}
