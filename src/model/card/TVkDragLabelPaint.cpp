#include "model/card/ShapeDrawing.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TextDrawing.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

const QColor kMarkRed(255, 0, 0);
const QColor kMarkBlack(0, 0, 0);
constexpr int kInset = 2;  // text and pictures keep this far from the object's edges
constexpr int kHandle = 5; // selection handles are this many pixels square

// Lengths stay far inside the range of int, whatever a document holds.
int clampedInt(double value)
{
    return int(std::clamp(value, -1e9, 1e9));
}

int scaled(int length, double scale)
{
    return clampedInt(std::trunc(length * scale + 0.5));
}

// A red one-pixel border round a black centre.
void drawHandle(QPainter &painter, int left, int top)
{
    painter.fillRect(QRect(left, top, kHandle, kHandle), kMarkRed);
    painter.fillRect(QRect(left + 1, top + 1, kHandle - 2, kHandle - 2), kMarkBlack);
}

// A band of `thickness` pixels just inside the rectangle's edges, each pixel covered once.
void fillBorder(QPainter &painter, const QRect &rect, int thickness, const QColor &color)
{
    const int t = std::min({thickness, (rect.width() + 1) / 2, (rect.height() + 1) / 2});
    if (t <= 0)
        return;
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), t), color);
    painter.fillRect(QRect(rect.left(), rect.bottom() - t + 1, rect.width(), t), color);
    const int sideHeight = rect.height() - 2 * t;
    if (sideHeight <= 0)
        return;
    painter.fillRect(QRect(rect.left(), rect.top() + t, t, sideHeight), color);
    painter.fillRect(QRect(rect.right() - t + 1, rect.top() + t, t, sideHeight), color);
}

} // namespace

QSize TVkDragLabel::MeasureContent() const
{
    if (IsPicture())
        return bitmap_.size();
    if (IsShape())
        return QSize(0, 0);
    return MeasureTextLines(caption_, font_.ToQFont());
}

void TVkDragLabel::applyAutoSize()
{
    if (!autoSize_ || drawMode_ != dmNone)
        return;
    const QSize natural = MeasureContent();
    SetBounds(Left(), Top(), natural.width() + 2 * kInset, natural.height() + 2 * kInset);
}

void TVkDragLabel::DrawTo(QImage &canvas, int x, int y)
{
    drawContent(canvas, x, y, QRect());
}

void TVkDragLabel::drawContent(QImage &canvas, int x, int y, const QRect &clip)
{
    applyAutoSize();
    const QRect box(x, y, Width(), Height());
    if (IsText()) {
        drawText(canvas, box, clip);
        return;
    }
    QPainter painter(&canvas);
    if (clip.isValid())
        painter.setClipRect(clip);
    if (IsPicture()) {
        pictureCache_.Draw(painter, box.adjusted(kInset, kInset, -kInset, -kInset), bitmap_);
        return;
    }
    const ShapeStyle style{drawMode_,
                           penWidth_,
                           ColorToQColor(Color()),
                           fillDraw_,
                           ColorToQColor(brushColor_),
                           RoundRectCorner(tag_, box.size())};
    DrawShape(painter, box, style);
}

void TVkDragLabel::Paint(QImage &surfaceImage, const QRect &dirty)
{
    applyAutoSize();
    QRect clip = BoundsRect();
    if (dirty.isValid())
        clip &= dirty;
    if (!clip.isEmpty()) {
        // A dragged picture follows the mouse as an outline, which is cheap and shows on any colour.
        if (IsPicture() && dragStarted_)
            drawDragOutline(surfaceImage, clip);
        else
            drawContent(surfaceImage, Left(), Top(), clip);
        if (selected_)
            drawSelectionMarks(surfaceImage, clip);
    }
    if (OnPaint)
        OnPaint(*this);
}

void TVkDragLabel::drawDragOutline(QImage &surfaceImage, const QRect &clip) const
{
    QPainter painter(&surfaceImage);
    painter.setClipRect(clip);
    painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    fillBorder(painter, BoundsRect(), 1, kMarkRed);
}

void TVkDragLabel::drawSelectionMarks(QImage &surfaceImage, const QRect &clip) const
{
    QPainter painter(&surfaceImage);
    painter.setClipRect(clip);
    if (IsText()) {
        fillBorder(painter, BoundsRect(), 2, kMarkRed);
        return;
    }
    painter.translate(Left(), Top());
    const int w = Width();
    const int h = Height();
    drawHandle(painter, 0, 0);
    drawHandle(painter, w - kHandle, 0);
    drawHandle(painter, 0, h - kHandle);
    drawHandle(painter, w - kHandle, h - kHandle);
    // A straight line can only get longer or shorter, so it has no handles across.
    if (drawMode_ == dmLineHorz || drawMode_ == dmLineVert)
        return;
    const int mx = w / 2 - 2;
    const int my = h / 2 - 2;
    drawHandle(painter, mx, 0);
    drawHandle(painter, mx, h - kHandle);
    drawHandle(painter, 0, my);
    drawHandle(painter, w - kHandle, my);
}

void TVkDragLabel::DrawScaled(const TVkDragLabel &object, QPainter &canvas, int x, int y, double scale)
{
    const int sw = scaled(object.Width(), scale);
    const int sh = scaled(object.Height(), scale);
    canvas.setBrush(Qt::NoBrush);
    const QRect box(x, y, sw, sh);
    if (object.IsPicture()) {
        // The inset stays 2 device pixels at any scale.
        object.pictureCache_.Draw(canvas, box.adjusted(kInset, kInset, -kInset, -kInset), object.bitmap_);
        return;
    }
    if (object.IsShape()) {
        const QSize corner = object.tag_ == 0 ? RoundRectCorner(0, box.size())
                                              : RoundRectCorner(scaled(object.tag_, scale), box.size());
        const ShapeStyle style{object.drawMode_,
                               clampedInt(std::trunc(object.penWidth_ * scale)),
                               ColorToQColor(object.Color()),
                               object.fillDraw_,
                               ColorToQColor(object.brushColor_),
                               corner};
        DrawShape(canvas, box, style);
        return;
    }
    CardFont font = object.font_;
    font.Height = scaled(font.Height, scale);
    canvas.setFont(font.ToQFont());
    canvas.setPen(ColorToQColor(font.Color));
    FitCharacterSpacing(canvas, WidestLine(canvas, object.caption_), scaled(object.Width() - 4, scale));
    DrawTextLines(canvas, object.caption_, x, y);
    QFont unspaced = canvas.font();
    unspaced.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    canvas.setFont(unspaced);
}
