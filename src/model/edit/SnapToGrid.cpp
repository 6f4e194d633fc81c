#include "model/edit/SnapToGrid.h"

#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"

#include <cmath>

bool SnapToGrid(TVkDragLabel &object, int gridSize)
{
    if (gridSize <= 0 || !object.Parent())
        return false;
    const double g = gridSize;
    const int x = int(std::trunc(object.Left() / g + 0.5)) * gridSize;
    const int y = int(std::trunc(object.Top() / g + 0.5)) * gridSize;
    const TVkVellumPanel &surface = *object.Parent();
    if (x + object.Width() <= 10 || y + object.Height() <= 10 || x >= surface.ClientWidth() - 10 ||
        y >= surface.ClientHeight() - 10)
        return false;
    if (x == object.Left() && y == object.Top())
        return false;
    object.SetBounds(x, y, object.Width(), object.Height());
    return true;
}
