#pragma once

#include "model/picture/TQrLevel.h"

#include <cstdint>

// The enumerations that card objects and the card surface store in card documents, with the
// ordinals the documents use.

enum TDrawMode : std::uint8_t {
    dmNone,
    dmLineHorz,
    dmLineVert,
    dmLineLR,
    dmLineRL,
    dmRectangle,
    dmRoundRect,
    dmCircle,
};

enum TGridStyle : std::uint8_t { gsLine, gsDot };

// How the card is designed: across (the card sheet's own cell) or upright, turned a quarter into
// each landscape cell on paper, its top towards the cell's right (clockwise) or left edge.
enum TCardOrientation : std::uint8_t { coLandscape, coPortraitClockwise, coPortraitAnticlockwise };

inline bool IsPortrait(TCardOrientation orientation)
{
    return orientation != coLandscape;
}

enum TPenStyle : std::uint8_t { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

enum TAlign : std::uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum TDragMode : std::uint8_t { dmManual, dmAutomatic };

// Where text lines sit along their direction; in vertical text left is top and right is bottom.
enum TTextAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };

enum TFontPitch : std::uint8_t { fpDefault, fpVariable, fpFixed };

// Font style bits, in the ordinal order of the stored set.
enum TFontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// Cursor identifiers as documents store them.
enum TCursor : int {
    crDefault = 0,
    crArrow = -2,
    crSizeNESW = -6,
    crSizeNS = -7,
    crSizeNWSE = -8,
    crSizeWE = -9,
    crHourGlass = -11,
    crDrag = -12,
};

// Character sets of a font.
constexpr int DEFAULT_CHARSET = 1;
constexpr int SHIFTJIS_CHARSET = 128;
