#pragma once

#include <QImage>
#include <QRect>

class QPainter;

// The part `visible` (in destination coordinates, within (0, 0, size)) of a picture stretched to
// `size` by repeating or dropping rows and columns, never blending. A picture with an alpha channel
// keeps it (premultiplied, ready to be drawn over what lies beneath); any other comes out opaque.
// Stretching only the visible part keeps huge destinations cheap.
QImage StretchNearest(const QImage &picture, const QSize &size, const QRect &visible);
// Whether StretchNearest samples pictures of this format as they are, without a 32-bit copy.
bool SamplesDirectly(QImage::Format format);

// Draws a whole picture stretched onto a rectangle by repeating or dropping rows and columns,
// never blending, as the card has always shown pictures; only the part within the painter's
// device and clip is stretched.
void StretchDrawBitmap(QPainter &canvas, const QRect &destination, const QImage &bitmap);

// Keeps the last stretched copy of one picture, so that repainting the same picture at the same
// size and place costs a plain copy. The copy is made again when the picture's pixels, the size or
// the visible part change; it is pixel-identical to a fresh StretchNearest.
class StretchCache {
public:
    // Draws the whole picture stretched onto the destination rectangle of the canvas, limited to the
    // part that can reach the canvas's device. A vector device (a PDF, a printer) is handed the
    // picture itself, with its alpha if it has one, to scale at its own resolution.
    void Draw(QPainter &canvas, const QRect &destination, const QImage &picture);
    void Clear();

private:
    qint64 pictureKey_ = 0;
    QSize size_;
    QRect visible_;
    QImage stretched_;
    // The 32-bit form of a picture that cannot be sampled as it is.
    QImage converted_;
};
