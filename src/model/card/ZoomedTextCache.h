#pragma once

#include "model/card/CardFont.h"
#include "model/card/TextStyle.h"

#include <QImage>
#include <QSize>
#include <QStringList>

// A text object as the card view shows it at a zoom, drawn once into a picture of its own. At a
// large zoom its glyphs are too large for the font engine's cache and are filled as outlines, and
// laying the lines out shapes them again; a drag repaints the neighbours of the dragged object
// many times a second, and each of them is then only copied.
class ZoomedTextCache {
public:
    // The lines in the font's colour on a transparent picture of `size`, laid out as the zoomed
    // view lays them out in a box of that size; a null picture when one that large is not kept.
    const QImage &Get(const QStringList &lines, const CardFont &font, const TextStyle &style, double scale,
                      const QSize &size);

private:
    QStringList lines_;
    CardFont font_;
    TextStyle style_;
    double scale_ = 0;
    QSize size_;
    QImage image_;
};
