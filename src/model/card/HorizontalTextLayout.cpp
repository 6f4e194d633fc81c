#include "model/card/HorizontalTextLayout.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>

HorizontalTextLayout::HorizontalTextLayout(const QStringList &lines, const QFont &font,
                                           const TextStyle &style, int inset, Shaping shaping)
    : lines_(lines), font_(font), style_(style), inset_(inset)
{
    // The painter draws underlines and strike-outs across a whole line of text but glyph by glyph
    // for shaped runs, so decorated lines are always drawn from the text.
    if (shaping == Shaping::Once && !font.underline() && !font.strikeOut())
        shapeLines();
}

// Measured when first asked, as a page's layouts are drawn once and never asked.
QSize HorizontalTextLayout::Extent() const
{
    if (!extent_)
        extent_ = MeasureTextLines(lines_, font_, style_.LineSpacing);
    return *extent_;
}

void HorizontalTextLayout::shapeLines()
{
    const QFontMetrics metrics(font_);
    pitch_ = LinePitch(metrics, style_.LineSpacing);
    ascent_ = metrics.ascent();
    for (const QString &text : lines_) {
        ShapedLine &shaped = shaped_.emplace_back();
        if (text.isEmpty())
            continue;
        shaped.width = metrics.horizontalAdvance(text);
        QTextLayout layout(text, font_);
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        shaped.runs = line.glyphRuns();
        shaped.ascent = line.ascent();
    }
}

void HorizontalTextLayout::Draw(QPainter &canvas, const QRect &box) const
{
    canvas.setFont(font_);
    // Left-aligned lines need no room, so they stay where they were even past a narrow object.
    const int room = style_.Alignment == taLeftJustify ? 0 : std::max(0, box.width() - 2 * inset_);
    // The lines are drawn 2 pixels inside the point given.
    const int shift = inset_ - 2;
    if (shaped_.empty())
        DrawTextLines(canvas, lines_, box.left() + shift, box.top() + shift,
                      {style_.Alignment, room, style_.LineSpacing});
    else
        drawShapedLines(canvas, box.left() + shift, box.top() + shift, room);
}

// Places each line as DrawTextLines does.
void HorizontalTextLayout::drawShapedLines(QPainter &canvas, int x, int y, int room) const
{
    int top = y + 2;
    for (const ShapedLine &line : shaped_) {
        const int offset = room > 0 ? AlignedOffset(style_.Alignment, room - line.width) : 0;
        const QPointF origin(x + 2 + offset, top + ascent_ - line.ascent);
        for (const QGlyphRun &run : line.runs)
            canvas.drawGlyphRun(origin, run);
        top += pitch_;
    }
}
