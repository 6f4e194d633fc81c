#pragma once

#include "model/document/TCardDef.h"

#include <algorithm>
#include <cstdint>

// The cards one sheet of that card sheet holds, counted without overflow; 0 or less for a sheet
// with no cells at all, which a damaged or hand-edited card sheet may be.
inline std::int64_t CellsOnSheet(const TCardDef &cardDef)
{
    return std::int64_t(cardDef.Columns) * cardDef.Lines;
}

// The cell (from 0) a sheet of cardDef can start at when asked for that one: its last at most, its
// first at least, for a start kept from a larger sheet or typed beyond this one.
inline std::int64_t StartCellOnSheet(std::int64_t cell, const TCardDef &cardDef)
{
    return std::clamp<std::int64_t>(cell, 0, std::max<std::int64_t>(CellsOnSheet(cardDef) - 1, 0));
}
