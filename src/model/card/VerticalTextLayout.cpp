#include "model/card/VerticalTextLayout.h"

#include "model/card/GlyphShaper.h"
#include "model/card/TextDrawing.h"
#include "model/card/VerticalRuns.h"

#include <QPainter>
#include <QRawFont>
#include <cmath>

namespace {

// Glyph indexes and their drawing origins, gathered for one glyph run.
struct GlyphList {
    QList<quint32> indexes;
    QList<QPointF> positions;

    void Add(quint32 index, const QPointF &position)
    {
        indexes << index;
        positions << position;
    }

    QGlyphRun ToGlyphRun(const QRawFont &font) const
    {
        QGlyphRun run;
        run.setRawFont(font);
        run.setGlyphIndexes(indexes);
        run.setPositions(positions);
        return run;
    }
};

} // namespace

VerticalTextLayout::VerticalTextLayout(const QStringList &lines, const QFont &screenFont,
                                       const TextStyle &style, double scale)
    : style_(style), inset_(2 * scale),
      letterSpacing_(OrderKeepingSpacing(screenFont, lines, style.LetterSpacingPixels()) * scale)
{
    const double pixelSize = screenFont.pixelSize() * scale;
    QRawFont rawFont = QRawFont::fromFont(screenFont);
    rawFont.setPixelSize(pixelSize);
    ascent_ = rawFont.ascent();
    descent_ = rawFont.descent();
    lineHeight_ = ascent_ + descent_;
    em_ = pixelSize;
    const GlyphShaper shaper(rawFont);
    for (const QString &line : lines)
        columns_.push_back(layOutColumn(shaper, line));
}

VerticalTextLayout::Column VerticalTextLayout::layOutColumn(const GlyphShaper &shaper,
                                                            const QString &line) const
{
    Column column;
    GlyphList upright;
    double pen = 0;
    bool firstCharacter = true;
    const auto spaceBeforeCharacter = [&] {
        if (!firstCharacter)
            pen += letterSpacing_;
        firstCharacter = false;
    };
    // The runs keep the order of the characters, so that a PDF reader meets them in reading order.
    const auto flushUpright = [&] {
        if (!upright.indexes.isEmpty())
            column.runs.push_back({upright.ToGlyphRun(shaper.Font()), QPointF(0, 0), false});
        upright = GlyphList();
    };
    const auto hasVerticalForm = [&shaper](char32_t c) { return shaper.HasVerticalForm(c); };
    for (const VerticalRun &run : SplitVerticalRuns(line, style_.UprightDigits, hasVerticalForm)) {
        const QStringView text = QStringView(line).mid(run.start, run.length);
        spaceBeforeCharacter();
        if (run.kind == VerticalRunKind::Upright) {
            for (const GlyphShaper::Glyph &glyph : shaper.Shape(text, true)) {
                upright.Add(glyph.index, QPointF(glyph.offset.x(), pen + glyph.offset.y()));
                pen += glyph.advance.y();
            }
            continue;
        }
        const std::vector<GlyphShaper::Glyph> glyphs = shaper.Shape(text, false);
        if (run.kind == VerticalRunKind::UprightGroup) {
            // The digits share one cell, centred on the column, on the baseline of upright text.
            double width = 0;
            for (const GlyphShaper::Glyph &glyph : glyphs)
                width += glyph.advance.x();
            double x = -width / 2;
            const double baseline = pen + em_ * ascent_ / lineHeight_;
            for (const GlyphShaper::Glyph &glyph : glyphs) {
                upright.Add(glyph.index, QPointF(x + glyph.offset.x(), baseline + glyph.offset.y()));
                x += glyph.advance.x();
            }
            pen += em_;
            continue;
        }
        // Turned clockwise, the run's baseline runs down the column with the tops of the letters to
        // the right; the baseline is set so that the letters' cell is centred on the column.
        GlyphList sideways;
        const double baseline = (ascent_ - descent_) / 2;
        double x = 0;
        for (std::size_t i = 0; i < glyphs.size(); ++i) {
            if (i > 0 && glyphs[i].cluster != glyphs[i - 1].cluster)
                x += letterSpacing_;
            sideways.Add(glyphs[i].index, QPointF(x + glyphs[i].offset.x(), baseline + glyphs[i].offset.y()));
            x += glyphs[i].advance.x();
        }
        flushUpright();
        column.runs.push_back({sideways.ToGlyphRun(shaper.Font()), QPointF(0, pen), true});
        pen += x;
    }
    flushUpright();
    column.length = pen;
    return column;
}

QSize VerticalTextLayout::Extent() const
{
    if (columns_.empty())
        return QSize(0, 0);
    double length = 0;
    for (const Column &column : columns_)
        length = std::max(length, column.length);
    const double pitch = lineHeight_ * style_.LineSpacing / 100.0;
    const double width = double(columns_.size() - 1) * pitch + lineHeight_;
    return QSize(int(std::ceil(width)), int(std::ceil(length)));
}

void VerticalTextLayout::Draw(QPainter &canvas, const QRect &box) const
{
    const QRectF area = QRectF(box).adjusted(inset_, inset_, -inset_, -inset_);
    const double pitch = lineHeight_ * style_.LineSpacing / 100.0;
    double axis = area.right() - lineHeight_ / 2;
    for (const Column &column : columns_) {
        // Top-aligned columns need no room, so they stay where they were even past a short object.
        const double room = style_.Alignment == taLeftJustify ? 0 : area.height() - column.length;
        const QPointF top(std::round(axis), std::round(area.top() + AlignedOffset(style_.Alignment, room)));
        for (const PlacedRun &run : column.runs) {
            canvas.save();
            canvas.translate(top + run.origin);
            if (run.sideways)
                canvas.rotate(90);
            canvas.drawGlyphRun(QPointF(0, 0), run.glyphs);
            canvas.restore();
        }
        axis -= pitch;
    }
}
