#pragma once

#include <QSize>
#include <QTransform>

// An object turned by a quarter turn or two keeps its content upright in its own frame, the
// unturned one, and shows it turned into its bounds. Rotations are clockwise degrees: 0, 90, 180 or
// 270.

// The size of the unturned frame of an object whose bounds have this size.
QSize UnturnedSize(int rotation, QSize bounds);

// Maps the unturned frame, from (0, 0), onto the bounds, from (0, 0).
QTransform TurnTransform(int rotation, QSizeF unturned);
