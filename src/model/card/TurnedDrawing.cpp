#include "model/card/TurnedDrawing.h"

QSize UnturnedSize(int rotation, QSize bounds)
{
    return rotation % 180 == 0 ? bounds : bounds.transposed();
}

QTransform TurnTransform(int rotation, QSizeF unturned)
{
    QTransform transform;
    switch (rotation) {
    case 90: transform.translate(unturned.height(), 0); break;
    case 180: transform.translate(unturned.width(), unturned.height()); break;
    case 270: transform.translate(0, unturned.width()); break;
    default: return transform;
    }
    transform.rotate(rotation);
    return transform;
}
