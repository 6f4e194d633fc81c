#pragma once

#include <QSize>
#include <algorithm>
#include <cstdint>

// A sheet made with the card sheet editor holds at most 99 × 99 cards side by side. A sheet from a
// hand-edited list or a hostile document may claim millions of cells piled on one another, which
// would keep the printer or the preview busy for hours; such a sheet is not drawn at all.
constexpr std::int64_t kMostCellsOnSheet = 100'000;
constexpr std::int64_t kMostCellLayers = 16;

// Whether count cells of cellSize pixels may be drawn on an area of areaSize pixels: not too many
// of them, and together they cover the area no more than kMostCellLayers times over.
inline bool CellsFitBudget(std::int64_t count, QSize cellSize, QSize areaSize)
{
    if (count > kMostCellsOnSheet)
        return false;
    const std::int64_t areaWidth = std::max(areaSize.width(), 1);
    const std::int64_t areaHeight = std::max(areaSize.height(), 1);
    const std::int64_t cellWidth = std::clamp<std::int64_t>(cellSize.width(), 0, areaWidth);
    const std::int64_t cellHeight = std::clamp<std::int64_t>(cellSize.height(), 0, areaHeight);
    return static_cast<long double>(count) * cellWidth * cellHeight <=
           static_cast<long double>(kMostCellLayers) * areaWidth * areaHeight;
}
