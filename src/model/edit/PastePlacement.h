#pragma once

#include <QPoint>
#include <QRect>
#include <vector>

// How far pasted objects are moved from where they were copied. While one of them would cover an
// object of the card exactly (a paste onto the card it was copied from, or a second paste), they
// all go on 10 pixels right and down; then they are shifted into the visible part of the card as
// far as they fit, their top-left corner kept in view when they are larger than it.
QPoint PasteOffset(const std::vector<QRect> &pasted, const std::vector<QRect> &present, const QRect &visible);
