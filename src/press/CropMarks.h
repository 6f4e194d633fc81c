#pragma once

#include <QByteArray>
#include <QRectF>

// The Japanese crop marks of a card cut at trim, in PDF points with y upwards: at each corner a
// pair of lines on the finished edges and a pair on the bleed's edges, and a cross at the middle of
// each side, all beyond the bleed, as page content in the registration colour kRegistrationColor.
QByteArray CropMarks(const QRectF &trim, double bleed);

// How far the marks reach past the bleed, in points.
double CropMarkReach();
