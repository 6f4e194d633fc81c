#include "model/card/CardZoom.h"
#include "model/card/FieldValues.h"
#include "model/card/ShapeDrawing.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TextExtentCache.h"
#include "model/card/TextLayout.h"
#include "model/card/TurnedDrawing.h"
#include "model/picture/QrCode.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <functional>

namespace {

const QColor kMarkRed(255, 0, 0);
const QColor kMarkBlack(0, 0, 0);
constexpr int kInset = TVkDragLabel::kContentInset;
constexpr int kHandle = 5; // selection handles are this many screen pixels square
constexpr int kBand = 2;   // the selection band round a text is this many screen pixels wide

// Lengths stay far inside the range of int, whatever a document holds.
int clampedInt(double value)
{
    return int(std::clamp(value, -1e9, 1e9));
}

// A red border round a black centre, `size` pixels square with a border of `border`.
void drawHandle(QPainter &painter, int left, int top, int size, int border)
{
    painter.fillRect(QRect(left, top, size, size), kMarkRed);
    painter.fillRect(QRect(left + border, top + border, size - 2 * border, size - 2 * border), kMarkBlack);
}

// Runs draw with the painter turned, handing it the object's unturned frame. A painter turns
// text as text, so a PDF keeps it searchable.
void paintTurned(QPainter &canvas, int rotation, const QRect &box,
                 const std::function<void(const QRect &)> &draw)
{
    if (rotation == 0) {
        draw(box);
        return;
    }
    const QSize unturned = UnturnedSize(rotation, box.size());
    canvas.save();
    canvas.translate(box.topLeft());
    canvas.setTransform(TurnTransform(rotation, unturned), true);
    draw(QRect(QPoint(0, 0), unturned));
    canvas.restore();
}

} // namespace

TVkDragLabel::Shown TVkDragLabel::shownFor(const FieldValues *record) const
{
    if (record && IsQrCode())
        return {caption_, record->CodeModules(*this)};
    if (record && IsText())
        return {record->Lines(caption_), bitmap_};
    return {caption_, bitmap_};
}

QSize TVkDragLabel::measure(const Shown &shown) const
{
    if (IsPicture())
        return shown.picture.size();
    if (IsShape())
        return QSize(0, 0);
    return TextExtentCache::Get(shown.lines, font_, textStyle_,
                                [&] { return textLayouts_.Get(shown.lines, font_, textStyle_).Extent(); });
}

QSize TVkDragLabel::MeasureContent(const FieldValues *record) const
{
    return measure(shownFor(record));
}

QSize TVkDragLabel::autoSized(const QSize &natural) const
{
    // Turning a quarter turn swaps the sides both ways.
    return UnturnedSize(rotation_, natural + QSize(2 * kInset, 2 * kInset));
}

void TVkDragLabel::ApplyAutoSize()
{
    SetBounds(Left(), Top(), Width(), Height());
}

// The design's own bounds are settled whenever it changes; only a record's values size it anew.
QSize TVkDragLabel::shownSize(const Shown &shown, const FieldValues *record) const
{
    if (record && autoSize_ && drawMode_ == dmNone)
        return autoSized(measure(shown));
    return QSize(Width(), Height());
}

QRect TVkDragLabel::ShownRect(const FieldValues *record) const
{
    const QSize size = shownSize(shownFor(record), record);
    return ReachableRect(Left(), Top(), size.width(), size.height());
}

void TVkDragLabel::DrawTo(QImage &canvas, int x, int y, const FieldValues *record) const
{
    const Shown shown = shownFor(record);
    const QSize size = shownSize(shown, record);
    drawContent(canvas, ReachableRect(x, y, size.width(), size.height()), QRect(), false, shown);
}

void TVkDragLabel::drawContent(QImage &canvas, const QRect &box, const QRect &clip, bool plain,
                               const Shown &shown) const
{
    if (rotation_ == 0)
        drawUnturned(canvas, box, clip, plain, shown);
    else
        drawTurned(canvas, box, clip, plain, shown);
}

// The part of the bounds that shows is taken from the canvas, turned back, drawn on upright and
// turned into place again: the text effects blend with whatever lies under the object, and a huge
// object costs no more than the part of it that shows.
void TVkDragLabel::drawTurned(QImage &canvas, const QRect &box, const QRect &clip, bool plain,
                              const Shown &content) const
{
    QRect shown = box & canvas.rect();
    if (clip.isValid())
        shown &= clip;
    if (shown.isEmpty())
        return;
    const QSize unturned = UnturnedSize(rotation_, box.size());
    const QTransform turn = TurnTransform(rotation_, unturned);
    const QRect part = turn.inverted().mapRect(QRectF(shown.translated(-box.topLeft()))).toRect();
    QImage work = canvas.copy(shown).transformed(QTransform().rotate(-rotation_));
    drawUnturned(work, QRect(-part.topLeft(), unturned), QRect(), plain, content);
    QPainter painter(&canvas);
    painter.drawImage(shown.topLeft(), work.transformed(QTransform().rotate(rotation_)));
}

void TVkDragLabel::drawUnturned(QImage &canvas, const QRect &box, const QRect &clip, bool plain,
                                const Shown &shown) const
{
    if (IsText()) {
        drawText(canvas, box, clip, plain, shown.lines);
        return;
    }
    QPainter painter(&canvas);
    if (clip.isValid())
        painter.setClipRect(clip);
    if (IsPicture()) {
        drawPicture(painter, box.adjusted(kInset, kInset, -kInset, -kInset), shown.picture);
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

void TVkDragLabel::drawPicture(QPainter &canvas, const QRect &box, const QImage &picture) const
{
    if (IsQrCode() && DrawQrModules(canvas, box, picture))
        return;
    if (IsVectorPicture() && svg_.Draw(canvas, box))
        return;
    pictureCache_.Draw(canvas, box, bitmap_);
}

void TVkDragLabel::Paint(QImage &surfaceImage, const QRect &dirty, const HeldObject &held,
                         const FieldValues *record)
{
    const bool isHeld = held.Object == this;
    const Shown shown = shownFor(record);
    const QSize size = shownSize(shown, record);
    const QRect bounds = ReachableRect(Left(), Top(), size.width(), size.height());
    QRect clip = bounds;
    if (dirty.isValid())
        clip &= dirty;
    if (!clip.isEmpty()) {
        // A dragged picture follows the mouse as an outline, which is cheap and shows on any colour.
        if (IsPicture() && isHeld && held.Dragged) {
            QPainter painter(&surfaceImage);
            painter.setClipRect(clip);
            drawDragOutline(painter, bounds, 1);
        } else {
            drawContent(surfaceImage, bounds, clip, isHeld, shown);
        }
        if (selected_) {
            QPainter painter(&surfaceImage);
            painter.setClipRect(clip);
            drawSelectionMarks(painter, bounds, 1);
        }
    }
}

void TVkDragLabel::PaintZoomed(QPainter &canvas, const QRect &area, double scale, double markScale,
                               const HeldObject &held, const FieldValues *record)
{
    const bool isHeld = held.Object == this;
    const Shown shown = shownFor(record);
    const QSize size = shownSize(shown, record);
    const QRect box = ZoomedRect(ReachableRect(Left(), Top(), size.width(), size.height()), scale);
    const QRect clip = box & area;
    if (!clip.isEmpty()) {
        const int mark = std::max(1, int(std::lround(markScale)));
        canvas.save();
        canvas.setClipRect(clip);
        if (IsPicture() && isHeld && held.Dragged)
            drawDragOutline(canvas, box, mark);
        else
            paintTurned(canvas, rotation_, box, [&](const QRect &upright) {
                drawZoomedContent(canvas, upright, scale, isHeld, shown);
            });
        if (selected_)
            drawSelectionMarks(canvas, box, mark);
        canvas.restore();
    }
}

void TVkDragLabel::drawDragOutline(QPainter &canvas, const QRect &box, int mark) const
{
    canvas.save();
    canvas.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    FillBorder(canvas, box, mark, kMarkRed);
    canvas.restore();
}

void TVkDragLabel::drawSelectionMarks(QPainter &canvas, const QRect &box, int mark) const
{
    if (IsText()) {
        FillBorder(canvas, box, kBand * mark, kMarkRed);
        return;
    }
    const int size = kHandle * mark;
    const int left = box.left();
    const int top = box.top();
    const int right = box.left() + box.width() - size;
    const int bottom = box.top() + box.height() - size;
    drawHandle(canvas, left, top, size, mark);
    drawHandle(canvas, right, top, size, mark);
    drawHandle(canvas, left, bottom, size, mark);
    drawHandle(canvas, right, bottom, size, mark);
    // A straight line can only get longer or shorter, so it has no handles across.
    if (drawMode_ == dmLineHorz || drawMode_ == dmLineVert)
        return;
    const int middleX = box.left() + box.width() / 2 - size / 2;
    const int middleY = box.top() + box.height() / 2 - size / 2;
    drawHandle(canvas, middleX, top, size, mark);
    drawHandle(canvas, middleX, bottom, size, mark);
    drawHandle(canvas, left, middleY, size, mark);
    drawHandle(canvas, right, middleY, size, mark);
}

void TVkDragLabel::drawZoomedContent(QPainter &canvas, const QRect &box, double scale, bool plain,
                                     const Shown &shown) const
{
    const int inset = ZoomedLength(kInset, scale);
    if (IsPicture()) {
        drawPicture(canvas, box.adjusted(inset, inset, -inset, -inset), shown.picture);
        return;
    }
    if (IsShape()) {
        // A pen of width 0 is one surface pixel wide, as the card shows it at 100 %.
        const int pen = std::max(1, ZoomedLength(std::max(penWidth_, 1), scale));
        const QSize corner = RoundRectCorner(tag_ == 0 ? 0 : ZoomedLength(tag_, scale), box.size());
        DrawShape(canvas, box,
                  ShapeStyle{drawMode_, pen, ColorToQColor(Color()), fillDraw_, ColorToQColor(brushColor_),
                             corner});
        return;
    }
    // The text keeps the line widths it has at 100 %, so that zooming never moves a character
    // against the card. Glyphs at this size are smoothed by the font engine, which stands in for the
    // edge smoothing of the 100 % view; opacity is the painter's, as the text is not a mask here.
    canvas.save();
    canvas.setPen(ColorToQColor(font_.Color));
    if (alphaChannel_ < 100 && !plain)
        canvas.setOpacity(alphaChannel_ / 100.0);
    LayOutZoomedText(shown.lines, font_, textStyle_, scale, canvas)->Draw(canvas, box);
    canvas.restore();
}

void TVkDragLabel::DrawScaled(const TVkDragLabel &object, QPainter &canvas, int x, int y, double scale,
                              const FieldValues *record)
{
    const Shown shown = object.shownFor(record);
    const QSize size = object.shownSize(shown, record);
    const QRect box =
        ReachableRect(x, y, ZoomedLength(size.width(), scale), ZoomedLength(size.height(), scale));
    canvas.setBrush(Qt::NoBrush);
    paintTurned(canvas, object.rotation_, box,
                [&](const QRect &upright) { drawScaledUnturned(object, canvas, upright, scale, shown); });
}

void TVkDragLabel::drawScaledUnturned(const TVkDragLabel &object, QPainter &canvas, const QRect &box,
                                      double scale, const Shown &shown)
{
    if (object.IsPicture()) {
        // The inset stays 2 device pixels at any scale.
        object.drawPicture(canvas, box.adjusted(kInset, kInset, -kInset, -kInset), shown.picture);
        return;
    }
    if (object.IsShape()) {
        const QSize corner = object.tag_ == 0 ? RoundRectCorner(0, box.size())
                                              : RoundRectCorner(ZoomedLength(object.tag_, scale), box.size());
        const ShapeStyle style{object.drawMode_,
                               clampedInt(std::trunc(object.penWidth_ * scale)),
                               ColorToQColor(object.Color()),
                               object.fillDraw_,
                               ColorToQColor(object.brushColor_),
                               corner};
        DrawShape(canvas, box, style);
        return;
    }
    canvas.setPen(ColorToQColor(object.font_.Color));
    LayOutScaledText(shown.lines, object.font_, object.textStyle_, scale, canvas)->Draw(canvas, box);
    QFont unspaced = canvas.font();
    unspaced.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    canvas.setFont(unspaced);
}
