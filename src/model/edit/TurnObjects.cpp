#include "model/edit/TurnObjects.h"

#include "model/card/TVkDragLabel.h"
#include "model/edit/ArrangeObjects.h"

#include <cstdint>

namespace {

TDrawMode turnedQuarter(TDrawMode mode)
{
    switch (mode) {
    case dmLineHorz: return dmLineVert;
    case dmLineVert: return dmLineHorz;
    case dmLineLR: return dmLineRL;
    case dmLineRL: return dmLineLR;
    default: return mode;
    }
}

} // namespace

void TurnObject(TVkDragLabel &object, int quarterTurns)
{
    const int quarters = (quarterTurns % 4 + 4) % 4;
    if (quarters == 0)
        return;
    object.ApplyAutoSize();
    if (quarters % 2 == 1) {
        const int w = object.Width();
        const int h = object.Height();
        // Halves cut toward zero both ways, so that a turn back restores the place exactly.
        object.SetBounds(object.Left() + (w - h) / 2, object.Top() + (h - w) / 2, h, w);
    }
    if (object.IsShape()) {
        if (quarters % 2 == 1)
            object.SetDrawMode(turnedQuarter(object.DrawMode()));
        return;
    }
    object.SetRotation(object.Rotation() + 90 * quarters);
}

void TurnObjectOnCard(TVkDragLabel &object, int quarterTurns, int clientWidth, int clientHeight)
{
    object.ApplyAutoSize();
    const bool onCard = object.Left() >= 0 && object.Top() >= 0 &&
                        std::int64_t(object.Left()) + object.Width() <= clientWidth &&
                        std::int64_t(object.Top()) + object.Height() <= clientHeight;
    TurnObject(object, quarterTurns);
    if (onCard)
        MoveOntoCard(object, clientWidth, clientHeight);
}
