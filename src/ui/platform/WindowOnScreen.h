#pragma once

#include <QRect>

class QWidget;

// A remembered main-window rectangle, kept where it is when its top edge can be reached on one of
// the screens, otherwise fitted onto the window's screen: a monitor unplugged or a resolution
// lowered since the rectangle was stored never leaves the window out of sight.
QRect KeepOnScreens(const QRect &rect, const QWidget *window);
