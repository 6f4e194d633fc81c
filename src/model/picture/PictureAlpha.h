#pragma once

#include <QColor>
#include <QImage>

// A picture on the card is transparent exactly when its image has an alpha channel: loaders and
// documents keep alpha only for pictures that use it, so an opaque picture is stored and drawn as
// it always was.

// The picture with its alpha dropped, as a 24-bit copy of it would show: colours kept as stored,
// never darkened by the alpha they had. A picture without alpha comes back unchanged.
QImage OpaquePicture(const QImage &picture);

// A picture as the card keeps it: 32-bit with alpha (QImage::Format_ARGB32) when some pixel is not
// fully opaque, otherwise without alpha, 1-bit and 8-bit indexed pictures staying indexed and every
// other format becoming 32-bit RGB.
QImage PictureWithAlphaWhereUsed(const QImage &picture);

// The picture blended over a plain colour, for places that show no transparency.
QImage PictureOverColor(const QImage &picture, const QColor &color);
