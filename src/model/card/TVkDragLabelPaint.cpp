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

void TVkDragLabel::Draw(QPainter &canvas, QPoint at, const CardDrawing &how) const
{
    const Shown shown = shownFor(how.record);
    const QSize size = shownSize(shown, how.record);
    const QRect surfaceBox = ReachableRect(at.x(), at.y(), size.width(), size.height());
    canvas.save();
    switch (how.lengths) {
    case CardDrawing::Lengths::Surface:
        // The text effects read the pixels beneath, which only an image has; on any other device
        // the object is drawn as on a page.
        if (canvas.device()->devType() == QInternal::Image)
            drawSurface(canvas, surfaceBox, how.plain, shown);
        else
            drawOnDevice(canvas, surfaceBox, 1.0, shown);
        break;
    case CardDrawing::Lengths::Zoomed: {
        const QRect box = ZoomedRect(surfaceBox, how.scale);
        paintTurned(canvas, rotation_, box,
                    [&](const QRect &upright) { drawZoomed(canvas, upright, how.scale, how.plain, shown); });
        break;
    }
    case CardDrawing::Lengths::Device: {
        const QRect box = ReachableRect(at.x(), at.y(), ZoomedLength(size.width(), how.scale),
                                        ZoomedLength(size.height(), how.scale));
        paintTurned(canvas, rotation_, box,
                    [&](const QRect &upright) { drawOnDevice(canvas, upright, how.scale, shown); });
        break;
    }
    }
    canvas.restore();
}

void TVkDragLabel::DrawTo(QImage &canvas, int x, int y, const FieldValues *record) const
{
    QPainter painter(&canvas);
    Draw(painter, QPoint(x, y), CardDrawing::Surface(record));
}

// The painter's clip, in the image's pixels, limits what the effects and a turned object work on.
QRect TVkDragLabel::surfaceClip(const QPainter &canvas)
{
    return canvas.hasClipping() ? canvas.clipBoundingRect().toAlignedRect() : QRect();
}

void TVkDragLabel::drawSurface(QPainter &canvas, const QRect &box, bool plain, const Shown &shown) const
{
    if (rotation_ == 0)
        drawSurfaceUnturned(canvas, box, plain, shown);
    else
        drawSurfaceTurned(canvas, box, plain, shown);
}

// The part of the bounds that shows is taken from the image, turned back, drawn on upright and
// turned into place again: the text effects blend with whatever lies under the object, and a huge
// object costs no more than the part of it that shows.
void TVkDragLabel::drawSurfaceTurned(QPainter &canvas, const QRect &box, bool plain,
                                     const Shown &content) const
{
    const QImage &image = *static_cast<const QImage *>(canvas.device());
    QRect shown = box & image.rect();
    if (const QRect clip = surfaceClip(canvas); clip.isValid())
        shown &= clip;
    if (shown.isEmpty())
        return;
    const QSize unturned = UnturnedSize(rotation_, box.size());
    const QTransform turn = TurnTransform(rotation_, unturned);
    const QRect part = turn.inverted().mapRect(QRectF(shown.translated(-box.topLeft()))).toRect();
    QImage work = image.copy(shown).transformed(QTransform().rotate(-rotation_));
    {
        QPainter upright(&work);
        drawSurfaceUnturned(upright, QRect(-part.topLeft(), unturned), plain, content);
    }
    canvas.drawImage(shown.topLeft(), work.transformed(QTransform().rotate(rotation_)));
}

void TVkDragLabel::drawSurfaceUnturned(QPainter &canvas, const QRect &box, bool plain,
                                       const Shown &shown) const
{
    if (IsText()) {
        drawText(canvas, box, plain, shown.lines);
        return;
    }
    if (IsPicture()) {
        drawPicture(canvas, box.adjusted(kInset, kInset, -kInset, -kInset), shown.picture);
        return;
    }
    const ShapeStyle style{drawMode_,
                           penWidth_,
                           ColorToQColor(Color()),
                           fillDraw_,
                           ColorToQColor(brushColor_),
                           RoundRectCorner(tag_, box.size())};
    DrawShape(canvas, box, style);
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
                         const FieldValues *record) const
{
    const bool isHeld = held.Object == this;
    const QRect bounds = ShownRect(record);
    QRect clip = bounds;
    if (dirty.isValid())
        clip &= dirty;
    if (clip.isEmpty())
        return;
    QPainter painter(&surfaceImage);
    painter.setClipRect(clip);
    // A dragged picture follows the mouse as an outline, which is cheap and shows on any colour.
    if (IsPicture() && isHeld && held.Dragged) {
        drawDragOutline(painter, bounds, 1);
    } else {
        CardDrawing how = CardDrawing::Surface(record);
        how.plain = isHeld;
        Draw(painter, bounds.topLeft(), how);
    }
    if (selected_)
        drawSelectionMarks(painter, bounds, 1);
}

void TVkDragLabel::PaintZoomed(QPainter &canvas, const QRect &area, double scale, double markScale,
                               const HeldObject &held, const FieldValues *record) const
{
    const bool isHeld = held.Object == this;
    const QRect shown = ShownRect(record);
    const QRect box = ZoomedRect(shown, scale);
    const QRect clip = box & area;
    if (clip.isEmpty())
        return;
    const int mark = std::max(1, int(std::lround(markScale)));
    canvas.save();
    canvas.setClipRect(clip);
    if (IsPicture() && isHeld && held.Dragged) {
        drawDragOutline(canvas, box, mark);
    } else {
        CardDrawing how = CardDrawing::Zoomed(scale, record);
        how.plain = isHeld;
        Draw(canvas, shown.topLeft(), how);
    }
    if (selected_)
        drawSelectionMarks(canvas, box, mark);
    canvas.restore();
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

void TVkDragLabel::drawZoomed(QPainter &canvas, const QRect &box, double scale, bool plain,
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
    // Glyphs at this size are smoothed by the font engine, which stands in for the edge smoothing
    // of the 100 % view; opacity is the painter's, as the text is not a mask here.
    if (alphaChannel_ < 100 && !plain)
        canvas.setOpacity(alphaChannel_ / 100.0);
    const QImage &ink = zoomedText_.Get(shown.lines, font_, textStyle_, scale, box.size());
    if (!ink.isNull()) {
        canvas.drawImage(box.topLeft(), ink);
        return;
    }
    canvas.setPen(ColorToQColor(font_.Color));
    LayOutZoomedText(shown.lines, font_, textStyle_, scale, canvas)->Draw(canvas, box);
}

void TVkDragLabel::drawOnDevice(QPainter &canvas, const QRect &box, double scale, const Shown &shown) const
{
    canvas.setBrush(Qt::NoBrush);
    if (IsPicture()) {
        // The inset stays 2 device pixels at any scale.
        drawPicture(canvas, box.adjusted(kInset, kInset, -kInset, -kInset), shown.picture);
        return;
    }
    if (IsShape()) {
        const QSize corner = tag_ == 0 ? RoundRectCorner(0, box.size())
                                       : RoundRectCorner(ZoomedLength(tag_, scale), box.size());
        const ShapeStyle style{drawMode_,
                               clampedInt(std::trunc(penWidth_ * scale)),
                               ColorToQColor(Color()),
                               fillDraw_,
                               ColorToQColor(brushColor_),
                               corner};
        DrawShape(canvas, box, style);
        return;
    }
    canvas.setPen(ColorToQColor(font_.Color));
    LayOutScaledText(shown.lines, font_, textStyle_, scale, canvas)->Draw(canvas, box);
}
