#pragma once

#include "model/card/CardFont.h"
#include "model/card/TextStyle.h"

#include <QRect>
#include <QSize>
#include <QStringList>
#include <memory>

class QPaintDevice;
class QPainter;

// A text object's lines set in its font and style, measured once and drawn onto any painter: the
// card surface, an exported image, a printer page or a PDF, where the text stays text.
class TextLayout {
public:
    virtual ~TextLayout() = default;

    // The natural extent of the text, without the object's inset.
    virtual QSize Extent() const = 0;
    // Draws the text with the painter's pen into the object's rectangle `box`, inside its 2-pixel
    // inset, each line aligned within that room.
    virtual void Draw(QPainter &canvas, const QRect &box) const = 0;
};

// The layout on a card surface or an export image. With `plainInk`, every pixel drawn is either
// full ink or none, as the text effects need.
std::unique_ptr<TextLayout> LayOutText(const QStringList &lines, const CardFont &font, const TextStyle &style,
                                       bool plainInk = false);

// The layout on the card view at a zoom of `scale` view pixels per surface pixel: the lines keep
// the widths they have at 100 %, so that zooming never moves a character against the card.
std::unique_ptr<TextLayout> LayOutZoomedText(const QStringList &lines, const CardFont &font,
                                             const TextStyle &style, double scale, QPainter &canvas);

// The layout on a printer page at `scale` device pixels per surface pixel. It keeps the
// proportions of the screen: horizontal lines are spaced so that the widest spans its scaled width
// on the card surface, as hinting at another size would otherwise make them longer or shorter, and
// keep their 2-pixel inset in device pixels; vertical text is the screen's layout enlarged.
std::unique_ptr<TextLayout> LayOutScaledText(const QStringList &lines, const CardFont &font,
                                             const TextStyle &style, double scale, QPainter &canvas);
