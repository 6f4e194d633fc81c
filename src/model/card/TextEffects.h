#pragma once

#include <QColor>
#include <QImage>

class TextLayout;

// The two effects of text objects work on 32-bit images of the object's size: the composite (what
// the canvas shows under the object) and the mask (the text in black on white, drawn without glyph
// smoothing so that every pixel is either ink or not). Ink is a pixel whose red, green and blue are
// all 0.

inline bool IsInk(QRgb pixel)
{
    return (pixel & 0x00FFFFFFu) == 0;
}

// The mask of a text drawn with its plain-ink layout, in an image of `size` in which the object's
// rectangle is `box`. Glyphs that come smoothed whatever the painter asks are cut at half cover.
QImage DrawInkMask(const TextLayout &plainInk, const QSize &size, const QRect &box);

// Mixes the colour into every composite pixel that is ink in the mask, `alphaPercent` parts of
// the colour to 100 - alphaPercent parts of what is there, rounding down.
void BlendInk(QImage &composite, const QImage &mask, const QColor &color, int alphaPercent);

// A copy of the composite in which each pixel where the mask's outline turns a corner (exactly one
// of the left and right neighbours is ink, and exactly one of the upper and lower) becomes the
// average of itself and its four neighbours. The images may show only part of the object, whose
// rectangle in image coordinates is `object`: the object's outermost rows and columns never change.
QImage SmoothInkEdges(const QImage &composite, const QImage &mask, const QRect &object);
