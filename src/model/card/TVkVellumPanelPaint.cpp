#include "model/card/CardZoom.h"
#include "model/card/ShapeDrawing.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

const QColor kGridGrey(0xA0, 0xA0, 0xA0);

// Where the grid lines at spacing surface pixels fall on a zoomed canvas within [from, to], each
// canvas position once: a fine grid far zoomed out puts several lines on one pixel.
std::vector<int> zoomedGridPositions(int spacing, double scale, int from, int to, int lastSurfacePx)
{
    std::vector<int> positions;
    const double step = spacing * scale;
    const long long firstIndex = std::max(1LL, (long long)std::floor(from / step));
    for (long long k = firstIndex; k * spacing <= lastSurfacePx; ++k) {
        const int at = ZoomedLength(int(k * spacing), scale);
        if (at > to)
            break;
        if (at >= from && (positions.empty() || positions.back() != at))
            positions.push_back(at);
    }
    return positions;
}

} // namespace

void TVkVellumPanel::PaintBackground(QPainter &canvas, const QRect &rect) const
{
    if (bitmap_.isNull()) {
        canvas.fillRect(rect, ColorToQColor(color_));
        return;
    }
    if (!svg_.IsEmpty()) {
        canvas.fillRect(rect, ColorToQColor(color_));
        if (svg_.Draw(canvas, rect))
            return;
    }
    backgroundCache_.Draw(canvas, rect, bitmap_);
}

void TVkVellumPanel::paintFrameAndGrid(QPainter &painter) const
{
    const QRect card = ReachableRect(0, 0, Width(), Height());
    const int width = card.width();
    const int height = card.height();
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(0, 0, width - 1, height - 1);

    const int spacing = gridSize_;
    if (!showGrid_ || spacing <= 0) // a spacing below one pixel cannot be drawn
        return;
    painter.setPen(QPen(kGridGrey, 1));
    // Only the grid inside the area being painted is visited: a fine grid on a large card has
    // millions of points, and a drag repaints a small area many times a second.
    const QRect area =
        painter.hasClipping() ? painter.clipBoundingRect().toAlignedRect() : QRect(0, 0, width, height);
    // Steps are counted wider than int: a spacing from a document may be nearly the whole range.
    const auto first = [spacing](int from) {
        return std::max(1LL, (from - 1LL + spacing) / spacing) * spacing;
    };
    const long long lastX = std::min(width - 2, area.right());
    const long long lastY = std::min(height - 2, area.bottom());
    if (gridStyle_ == gsLine) {
        // End points are not drawn, so the lines stop one pixel inside the frame.
        for (long long x = first(area.left()); x <= lastX; x += spacing)
            painter.drawLine(int(x), 1, int(x), height - 2);
        for (long long y = first(area.top()); y <= lastY; y += spacing)
            painter.drawLine(1, int(y), width - 2, int(y));
    } else {
        for (long long x = first(area.left()); x <= lastX; x += spacing) {
            for (long long y = first(area.top()); y <= lastY; y += spacing)
                painter.drawPoint(int(x), int(y));
        }
    }
}

// Edge smoothing of a text object reads the pixels round each one it changes, so an object with
// smoothing is repainted whole, or its pixels at the edge of the dirty area would be smoothed
// against what was there before.
QRect TVkVellumPanel::withWholeSmoothedObjects(QRect area, const FieldValues *record) const
{
    for (bool grown = true; grown;) {
        grown = false;
        for (const auto &object : objects_) {
            const QRect bounds = object->ShownRect(record);
            if (object->Visible() && object->AntiAlias() && object->IsText() && bounds.intersects(area) &&
                !area.contains(bounds)) {
                area |= bounds;
                grown = true;
            }
        }
    }
    return area;
}

void TVkVellumPanel::Paint(QImage &image, const QRect &dirty, const HeldObject &held,
                           const FieldValues *record) const
{
    const QRect card = ReachableRect(0, 0, Width(), Height());
    const QRect area = withWholeSmoothedObjects(dirty, record).intersected(card);
    if (area.isEmpty())
        return;
    {
        QPainter painter(&image);
        painter.setClipRect(area);
        PaintBackground(painter, card);
        paintFrameAndGrid(painter);
    }
    for (const auto &object : objects_) {
        if (object->Visible() && object->ShownRect(record).intersects(area))
            object->Paint(image, area, held, record);
    }
}

void TVkVellumPanel::paintZoomedFrameAndGrid(QPainter &canvas, const QRect &card, const QRect &area,
                                             double scale, int mark) const
{
    FillBorder(canvas, card, mark, Qt::black);
    if (!showGrid_ || gridSize_ <= 0)
        return;
    // As at 100 %, the grid stays inside the frame: no point on its last surface pixel.
    const QRect inside = card.adjusted(mark, mark, -mark, -mark) & area;
    const std::vector<int> xs =
        zoomedGridPositions(gridSize_, scale, inside.left(), inside.right(), SaturatedInt(Width() - 2LL));
    const std::vector<int> ys =
        zoomedGridPositions(gridSize_, scale, inside.top(), inside.bottom(), SaturatedInt(Height() - 2LL));
    const QRect lines = card.adjusted(mark, mark, -mark, -mark);
    if (gridStyle_ == gsLine) {
        for (int x : xs)
            canvas.fillRect(QRect(x, lines.top(), mark, lines.height()), kGridGrey);
        for (int y : ys)
            canvas.fillRect(QRect(lines.left(), y, lines.width(), mark), kGridGrey);
        return;
    }
    for (int x : xs) {
        for (int y : ys)
            canvas.fillRect(QRect(x, y, mark, mark), kGridGrey);
    }
}

void TVkVellumPanel::PaintZoomed(QPainter &canvas, const QRect &area, double scale, double markScale,
                                 const HeldObject &held, const FieldValues *record) const
{
    const QRect card(0, 0, ZoomedLength(Width(), scale), ZoomedLength(Height(), scale));
    const QRect painted = area & card;
    if (painted.isEmpty())
        return;
    canvas.save();
    canvas.setClipRect(painted);
    PaintBackground(canvas, card);
    paintZoomedFrameAndGrid(canvas, card, painted, scale, std::max(1, int(std::lround(markScale))));
    canvas.restore();
    for (const auto &object : objects_) {
        if (object->Visible() && ZoomedRect(object->ShownRect(record), scale).intersects(painted))
            object->PaintZoomed(canvas, painted, scale, markScale, held, record);
    }
}
