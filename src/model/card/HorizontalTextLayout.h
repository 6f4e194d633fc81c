#pragma once

#include "model/card/TextDrawing.h"
#include "model/card/TextLayout.h"

#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <optional>
#include <vector>

// Lines one below the other, each drawn as a run of text in the font (with its letter spacing).
class HorizontalTextLayout : public TextLayout {
public:
    // When the lines become glyphs. A layout the card keeps between draws shapes them once, in
    // the pixels of the card surface; one made for a single draw onto a page has the painter shape
    // them there, so that a printer or a PDF gets the characters as text.
    enum class Shaping { EachDraw, Once };

    // `inset` pixels keep the text off the object's edges.
    HorizontalTextLayout(const QStringList &lines, const QFont &font, const TextStyle &style, int inset = 2,
                         Shaping shaping = Shaping::EachDraw);

    QSize Extent() const override;
    void Draw(QPainter &canvas, const QRect &box) const override;

private:
    struct ShapedLine {
        int width = 0;
        // Glyph positions put the line's top at 0, with the baseline where the line's tallest
        // font needs it; `ascent` moves them onto the font's own baseline, as drawn text has it.
        QList<QGlyphRun> runs;
        double ascent = 0;
    };

    void shapeLines();
    void drawShapedLines(QPainter &canvas, int x, int y, int room) const;

    QStringList lines_;
    QFont font_;
    TextStyle style_;
    int inset_;
    mutable std::optional<QSize> extent_;
    std::vector<ShapedLine> shaped_;
    int pitch_ = 1;
    int ascent_ = 0;
};
