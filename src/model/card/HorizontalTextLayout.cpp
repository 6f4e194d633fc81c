#include "model/card/HorizontalTextLayout.h"

#include <QPainter>

HorizontalTextLayout::HorizontalTextLayout(const QStringList &lines, const QFont &font,
                                           const TextStyle &style, int inset)
    : lines_(lines), font_(font), style_(style), inset_(inset)
{
}

QSize HorizontalTextLayout::Extent() const
{
    return MeasureTextLines(lines_, font_, style_.LineSpacing);
}

void HorizontalTextLayout::Draw(QPainter &canvas, const QRect &box) const
{
    canvas.setFont(font_);
    // Left-aligned lines need no room, so they stay where they were even past a narrow object.
    const int room = style_.Alignment == taLeftJustify ? 0 : std::max(0, box.width() - 2 * inset_);
    // The lines are drawn 2 pixels inside the point given.
    const int shift = inset_ - 2;
    DrawTextLines(canvas, lines_, box.left() + shift, box.top() + shift,
                  {style_.Alignment, room, style_.LineSpacing});
}
