#include "model/edit/SnapToGrid.h"

#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"

#include <cmath>
#include <cstdint>

bool SnapToGrid(const TVkVellumPanel &surface, TVkDragLabel &object, int gridSize)
{
    if (gridSize <= 0)
        return false;
    // Worked out wider than int: the nearest grid line to a position a document holds may lie
    // beyond the int range.
    const double g = gridSize;
    const auto x = std::int64_t(std::trunc(object.Left() / g + 0.5)) * gridSize;
    const auto y = std::int64_t(std::trunc(object.Top() / g + 0.5)) * gridSize;
    if (x + object.Width() <= 10 || y + object.Height() <= 10 || x >= surface.ClientWidth() - 10LL ||
        y >= surface.ClientHeight() - 10LL)
        return false;
    if (x == object.Left() && y == object.Top())
        return false;
    object.SetBounds(int(x), int(y), object.Width(), object.Height());
    return true;
}
