#pragma once

#include "model/card/CardTypes.h"

#include <QColor>
#include <QRect>
#include <QSize>

class QPainter;

// How one shape is stroked and filled, in the pixels of the canvas it is drawn on.
struct ShapeStyle {
    TDrawMode mode = dmRectangle;
    int penWidth = 1;
    QColor penColor = Qt::black;
    bool fill = false;
    QColor brushColor = Qt::black;
    QSize corner; // corner ellipse of a rounded rectangle, in pixels
};

// Draws a shape inside `box`, the object's rectangle on the canvas: the stroke is inset by half
// the pen width, so that a wide pen stays within the box on every side.
void DrawShape(QPainter &canvas, const QRect &box, const ShapeStyle &style);

// The corner ellipse of a rounded rectangle whose corner setting is `diameter` pixels; 0 means
// half the width and half the height.
QSize RoundRectCorner(int diameter, const QSize &box);

// Fills a band of `thickness` pixels just inside the rectangle's edges, each pixel once, so that
// the band can be drawn in an inverting mode.
void FillBorder(QPainter &canvas, const QRect &rect, int thickness, const QColor &color);
