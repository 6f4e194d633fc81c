#pragma once

#include "model/card/TextLayout.h"

#include <QFont>
#include <QGlyphRun>
#include <QPointF>
#include <vector>

class GlyphShaper;

// Lines set as columns from right to left, characters from top to bottom. Upright characters take
// the font's vertical forms and advances; sideways stretches are set as horizontal text turned
// 90 degrees clockwise. Every position, the inset included, comes from the font's unhinted metrics
// at the screen font's pixel size times `scale`, so the layout at any scale is the screen's layout
// enlarged.
class VerticalTextLayout : public TextLayout {
public:
    VerticalTextLayout(const QStringList &lines, const QFont &screenFont, const TextStyle &style,
                       double scale = 1.0);

    QSize Extent() const override;
    void Draw(QPainter &canvas, const QRect &box) const override;

private:
    // Glyphs placed from the top of their column on its centre line; a sideways run is turned
    // about its origin.
    struct PlacedRun {
        QGlyphRun glyphs;
        QPointF origin;
        bool sideways = false;
    };
    struct Column {
        std::vector<PlacedRun> runs;
        double length = 0;
    };

    Column layOutColumn(const GlyphShaper &shaper, const QString &line) const;

    TextStyle style_;
    double inset_ = 2;
    double letterSpacing_ = 0;
    double lineHeight_ = 0;
    double ascent_ = 0;
    double descent_ = 0;
    double em_ = 0;
    std::vector<Column> columns_;
};
