#pragma once

#include <QImage>
#include <QSize>
#include <memory>

class FieldValues;
class TVkVellumPanel;
struct TCardDef;

// Draws the card as the user designed it into bitmap, replacing whatever it held, as a 24-bit
// picture (QImage::Format_RGB888): the background colour or stretched background picture, then
// every visible card object back to front; no frame, grid or selection marks. With a width above
// 0 the card is scaled so that it becomes width pixels wide and the picture is width x height;
// otherwise the picture has the surface's own size. At the surface's own size the card is drawn
// as it is; a scaled picture is drawn from a scaled copy, so the card itself is never changed.
// With a merge record the objects show its values in their fields. Throws VkError when no picture
// can be made (a card or size without area, a picture too large for memory); bitmap is then left
// as it was.
void RenderCardToBitmap(const TVkVellumPanel &surface, QImage &bitmap, int width, int height,
                        const FieldValues *record = nullptr);

// The copy that RenderCardToBitmap draws: a copy of surface, and, with a width above 0, scaled to
// width. Positions, the sizes and pens of pictures and shapes and the point
// size of text fonts are multiplied by width / the surface's width and cut toward zero; a
// horizontal line keeps its height and a vertical one its width. Throws VkError when the surface
// has no width to scale from.
std::unique_ptr<TVkVellumPanel> ScaledCardCopy(const TVkVellumPanel &surface, int width, int height);

// The card's size in pixels at dpi: its width and height in tenths of a millimetre times dpi / 254,
// rounded to the nearest pixel.
QSize CardSizeAtDpi(const TCardDef &cardDef, int dpi);

// The card as a 24-bit picture (QImage::Format_RGB888) of CardSizeAtDpi, upright for an upright
// card (its width and height swapped), drawn as a cell of a
// printed sheet is: every object at that resolution, so text and lines are as sharp as the
// resolution allows rather than an enlarged screen picture, with the merge record's values when
// given one. The card is not changed. Throws VkError when no picture of that size can be made.
QImage RenderCardAtDpi(const TVkVellumPanel &surface, const TCardDef &cardDef, int dpi,
                       const FieldValues *record = nullptr);
