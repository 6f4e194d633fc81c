#include "model/sheet/PaperPreview.h"

#include "model/platform/TColor.h"
#include "model/sheet/CellBudget.h"
#include "model/sheet/IndexSearch.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr TColor clBtnShadow = clSystemColor | 16;

// Rounded to the nearest integer, halves to the even one; held far inside the range of int.
int nearest(double value)
{
    if (!std::isfinite(value))
        return 0;
    return int(std::nearbyint(std::clamp(value, -1e8, 1e8)));
}

// The outline of (left, top) - (right, bottom) with right and bottom left out, filled inside.
void drawRectangle(QPainter &painter, int left, int top, int right, int bottom)
{
    if (right - left < 1 || bottom - top < 1)
        return;
    painter.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}

// The cells along one side of the preview: count of them, each size long, space apart, the first
// margin from the sheet's edge (tenths of a millimetre), m preview pixels per millimetre.
struct PreviewAxis {
    std::int64_t count;
    std::int32_t size;
    std::int32_t space;
    std::int32_t margin;
    double m;
    int origin;

    int start(std::int64_t i) const
    {
        return nearest((i * (double(size) + space) + margin) * m / 10) + origin;
    }
    int end(std::int64_t i) const { return nearest(size * m / 10) + start(i); }
};

// The indices [first, last) of the cells that reach a view extent pixels long. Cell positions only
// ever grow or only ever shrink with the index, so the range is found by halving; cells on one spot
// all look like the last of them.
std::pair<std::int64_t, std::int64_t> visibleCells(const PreviewAxis &axis, int extent)
{
    if (axis.count <= 0)
        return {0, 0};
    const auto before = [&axis](std::int64_t i) { return std::max(axis.start(i), axis.end(i)) < -2; };
    const auto after = [&axis, extent](std::int64_t i) {
        return std::min(axis.start(i), axis.end(i)) > extent + 2;
    };
    const double step = (double(axis.size) + axis.space) * axis.m;
    if (step == 0)
        return before(0) || after(0) ? std::pair<std::int64_t, std::int64_t>{0, 0}
                                     : std::pair<std::int64_t, std::int64_t>{axis.count - 1, axis.count};
    const auto reached = [&](std::int64_t i) { return step > 0 ? !before(i) : !after(i); };
    const auto beyond = [&](std::int64_t i) { return step > 0 ? after(i) : before(i); };
    const std::int64_t first = FirstIndexWhere(0, axis.count, reached);
    const std::int64_t last = FirstIndexWhere(first, axis.count, beyond);
    return {first, last};
}

void fillRectangle(QPainter &painter, int left, int top, int right, int bottom, const QColor &color)
{
    painter.fillRect(QRect(left, top, right - left, bottom - top), color);
}

// The cells of cardDef hatched on a sheet whose corner is at origin, m preview pixels per millimetre.
void drawCells(QPainter &painter, QSize box, const TCardDef &cardDef, double m, QPoint origin)
{
    const PreviewAxis across{cardDef.Columns, cardDef.CardSizeX, cardDef.ColumnSpace, cardDef.LeftMargin, m,
                             origin.x()};
    const PreviewAxis down{cardDef.Lines, cardDef.CardSizeY, cardDef.LineSpace, cardDef.TopMargin, m,
                           origin.y()};
    const auto [firstRow, endRow] = visibleCells(down, box.height());
    const auto [firstColumn, endColumn] = visibleCells(across, box.width());
    const QSize cellSize(across.end(0) - across.start(0), down.end(0) - down.start(0));
    if (!CellsFitBudget((endRow - firstRow) * (endColumn - firstColumn), cellSize, box))
        return;
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QBrush(ColorToQColor(clBtnShadow), Qt::BDiagPattern));
    painter.setBackgroundMode(Qt::TransparentMode);
    // Edges beyond the view are drawn just outside it, where they look the same.
    const auto inViewX = [&box](int x) { return std::clamp(x, -2, box.width() + 2); };
    const auto inViewY = [&box](int y) { return std::clamp(y, -2, box.height() + 2); };
    for (std::int64_t r = firstRow; r < endRow; ++r) {
        for (std::int64_t c = firstColumn; c < endColumn; ++c)
            drawRectangle(painter, inViewX(across.start(c)), inViewY(down.start(r)), inViewX(across.end(c)),
                          inViewY(down.end(r)));
    }
}

} // namespace

void PaintPaperPreview(QPainter &painter, QSize box, const PaperPreviewSheet &sheet, const TCardDef &cardDef)
{
    const double pw = sheet.PhysicalSize.width();
    const double ph = sheet.PhysicalSize.height();
    const double W = box.width();
    const double H = box.height();
    if (pw <= 0 || ph <= 0)
        return;
    int left = 0, top = 0, right = 0, bottom = 0;
    double k = 0; // preview pixels per device pixel
    double m = 0; // preview pixels per millimetre
    if (pw > ph) {
        right = int(W) - 5;
        top = nearest((H - (right - left) * ph / pw) / 2);
        bottom = int(H) - top;
        k = (right - left) / pw;
        m = (right - left) * 10.0 / sheet.PhysicalPaperSizeTenthMm.width();
    } else {
        bottom = int(H) - 5;
        left = nearest((W - (bottom - top) * pw / ph) / 2);
        right = int(W) - left;
        k = (bottom - top) / ph;
        m = (bottom - top) * 10.0 / sheet.PhysicalPaperSizeTenthMm.height();
    }
    const int pl = nearest(sheet.PhysicalOffset.x() * k) + left;
    const int pt = nearest(sheet.PhysicalOffset.y() * k) + top;
    const int pr = nearest(sheet.PrintableSize.width() * k) + pl;
    const int pb = nearest(sheet.PrintableSize.height() * k) + pt;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::white);
    painter.setPen(QPen(Qt::black, 1));
    drawRectangle(painter, left, top, right, bottom);
    painter.setPen(QPen(QColor(192, 192, 192), 1));
    drawRectangle(painter, pl, pt, pr, pb);
    const QColor shadow = ColorToQColor(clBtnShadow);
    fillRectangle(painter, right, top + 4, right + 4, bottom, shadow);
    fillRectangle(painter, left + 4, bottom, right + 4, bottom + 4, shadow);

    if (std::isfinite(m))
        drawCells(painter, box, cardDef, m, QPoint(left, top));
    painter.restore();
}
