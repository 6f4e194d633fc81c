#include "model/sheet/PaperPreview.h"

#include "model/platform/TColor.h"
#include "model/platform/VkError.h"
#include "model/sheet/CardSheetDrawing.h"
#include "model/sheet/CellBudget.h"
#include "model/sheet/IndexSearch.h"

#include <QPainter>
#include <QRegion>
#include <algorithm>
#include <cmath>
#include <optional>
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

// Where the sheet's cells end along one axis, in tenths of a millimetre from the paper's edge.
std::int64_t cellsEndTenthMm(std::int64_t count, std::int64_t size, std::int64_t space, std::int64_t margin)
{
    if (count <= 0)
        return 0;
    return margin + count * size + (count - 1) * space;
}

// A sheet of more cards than can be printed is not shown running off: it is not shown at all.
bool runsOffPaper(const TCardDef &cardDef, QSize paperTenthMm)
{
    return !CardSheetFitsPaper(cardDef, paperTenthMm) &&
           std::int64_t(cardDef.Columns) * cardDef.Lines <= kMostCellsOnSheet;
}

// The paper in the preview: its corner and far edge (preview pixels), preview pixels per device
// pixel (k) and per millimetre (m).
struct PreviewLayout {
    int left = 0, top = 0, right = 0, bottom = 0;
    double k = 0;
    double m = 0;
};

std::optional<PreviewLayout> previewLayout(QSize box, const PaperPreviewSheet &sheet, const TCardDef &cardDef)
{
    const double pw = sheet.PhysicalSize.width();
    const double ph = sheet.PhysicalSize.height();
    const double W = box.width();
    const double H = box.height();
    if (pw <= 0 || ph <= 0)
        return std::nullopt;
    PreviewLayout layout;
    if (pw > ph) {
        layout.right = int(W) - 5;
        layout.top = nearest((H - (layout.right - layout.left) * ph / pw) / 2);
        layout.bottom = int(H) - layout.top;
        layout.k = (layout.right - layout.left) / pw;
        layout.m = (layout.right - layout.left) * 10.0 / sheet.PhysicalPaperSizeTenthMm.width();
    } else {
        layout.bottom = int(H) - 5;
        layout.left = nearest((W - (layout.bottom - layout.top) * pw / ph) / 2);
        layout.right = int(W) - layout.left;
        layout.k = (layout.bottom - layout.top) / ph;
        layout.m = (layout.bottom - layout.top) * 10.0 / sheet.PhysicalPaperSizeTenthMm.height();
    }
    // A sheet running off the paper gets room to show how far: the paper shrinks into the corner, to
    // a quarter at the least.
    const QSize paper = sheet.PhysicalPaperSizeTenthMm;
    if (paper.width() > 0 && paper.height() > 0 && runsOffPaper(cardDef, paper)) {
        const double across = double(
            std::max<std::int64_t>(paper.width(), cellsEndTenthMm(cardDef.Columns, cardDef.CardSizeX,
                                                                  cardDef.ColumnSpace, cardDef.LeftMargin)));
        const double down = double(
            std::max<std::int64_t>(paper.height(), cellsEndTenthMm(cardDef.Lines, cardDef.CardSizeY,
                                                                   cardDef.LineSpace, cardDef.TopMargin)));
        const double shrink =
            std::max(std::min((W - 5) / (across * layout.m / 10), (H - 5) / (down * layout.m / 10)), 0.25);
        if (shrink < 1) {
            layout.right = nearest((layout.right - layout.left) * shrink);
            layout.bottom = nearest((layout.bottom - layout.top) * shrink);
            layout.left = layout.top = 0;
            layout.k *= shrink;
            layout.m *= shrink;
        }
    }
    if (!std::isfinite(layout.m) || !std::isfinite(layout.k))
        return std::nullopt;
    return layout;
}

PrinterPage previewPage(const PaperPreviewSheet &sheet)
{
    return {.Resolution = sheet.Resolution,
            .PhysicalSize = sheet.PhysicalSize,
            .PrintableSize = sheet.PrintableSize,
            .PhysicalOffset = sheet.PhysicalOffset,
            .Adjustment = sheet.Adjustment};
}

bool showsBack(const PaperPreviewSheet &sheet, const PaperPreviewCards &cards)
{
    return cards.ShowBack && cards.Back && sheet.Resolution.width() > 0 && sheet.Resolution.height() > 0;
}

// The cards as the printer draws them, scaled down to the preview; cells before the start hatched
// grey as used, the start cell framed in blue.
void drawCards(QPainter &painter, const PreviewLayout &layout, const PaperPreviewSheet &sheet,
               const TCardDef &cardDef, const PaperPreviewCards &cards)
{
    const PrinterPage page = previewPage(sheet);
    const bool back = showsBack(sheet, cards);
    const TCardDef shownDef = back ? BackSideCardDef(cardDef, page, cards.BackPlacement) : cardDef;
    const auto frontCellOf = [&](std::int64_t cell) {
        return back ? FrontCellBehind(cardDef, page, cards.BackPlacement.Turn, cell) : cell;
    };
    const auto printed = [&cards](std::int64_t cell) {
        return cell >= cards.StartCell && (!cards.CardCount || cell - cards.StartCell < *cards.CardCount);
    };
    painter.save();
    painter.translate(layout.left, layout.top);
    painter.scale(layout.k, layout.k);
    painter.translate(sheet.PhysicalOffset);
    try {
        if (back && cards.DrawBackSheet)
            cards.DrawBackSheet(painter, page, cards.StartCell);
        else if (back)
            DrawBackSideSheet(painter, page, *cards.Back, cardDef, cards.GuessMark, cards.BackPlacement,
                              printed);
        else if (cards.DrawSheet)
            cards.DrawSheet(painter, page, cards.StartCell);
        else
            DrawCardSheet(painter, page, *cards.Card, cardDef, cards.GuessMark, printed);
    } catch (const VkError &) {
        // A sheet too crowded to print is not drawn here either.
        painter.restore();
        return;
    }
    painter.setTransform(PrintAdjustmentTransform(page), true);
    const std::int64_t cellCount =
        std::min<std::int64_t>(std::int64_t(cardDef.Columns) * cardDef.Lines, kMostCellsOnSheet);
    const auto cellRect = [&](std::int64_t cell) {
        return CardCellRect(shownDef, page, cell % shownDef.Columns, cell / shownDef.Columns);
    };
    // A faint outline shows where each card is cut, which the print itself does not show.
    QPen outline(QColor(208, 208, 208));
    outline.setCosmetic(true);
    painter.setPen(outline);
    painter.setBrush(Qt::NoBrush);
    for (std::int64_t cell = 0; cell < cellCount; ++cell)
        painter.drawRect(cellRect(cell));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(QColor(128, 128, 128), Qt::DiagCrossPattern));
    for (std::int64_t cell = 0; cell < cellCount; ++cell) {
        if (frontCellOf(cell) < cards.StartCell)
            painter.drawRect(cellRect(cell));
    }
    painter.setPen(QPen(QColor(0, 96, 255), 2 / layout.k));
    painter.setBrush(Qt::NoBrush);
    for (std::int64_t cell = 0; cell < cellCount; ++cell) {
        if (frontCellOf(cell) == cards.StartCell)
            painter.drawRect(cellRect(cell));
    }
    painter.restore();
}

// The cells beyond the paper's edge, outlined in red where they would be cut off.
void drawRunningOff(QPainter &painter, QSize box, const PreviewLayout &layout, const TCardDef &cardDef)
{
    painter.save();
    QRegion outside(QRect(QPoint(0, 0), box));
    outside -= QRect(layout.left, layout.top, layout.right - layout.left, layout.bottom - layout.top);
    painter.setClipRegion(outside);
    painter.setPen(QPen(Qt::red, 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    const PreviewAxis across{cardDef.Columns,    cardDef.CardSizeX, cardDef.ColumnSpace,
                             cardDef.LeftMargin, layout.m,          layout.left};
    const PreviewAxis down{cardDef.Lines,     cardDef.CardSizeY, cardDef.LineSpace,
                           cardDef.TopMargin, layout.m,          layout.top};
    const auto [firstRow, endRow] = visibleCells(down, box.height());
    const auto [firstColumn, endColumn] = visibleCells(across, box.width());
    if ((endRow - firstRow) * (endColumn - firstColumn) <= kMostCellsOnSheet) {
        for (std::int64_t r = firstRow; r < endRow; ++r)
            for (std::int64_t c = firstColumn; c < endColumn; ++c)
                drawRectangle(painter, across.start(c), down.start(r), across.end(c), down.end(r));
    }
    painter.restore();
}

} // namespace

bool CardSheetFitsPaper(const TCardDef &cardDef, QSize paperTenthMm)
{
    return cellsEndTenthMm(cardDef.Columns, cardDef.CardSizeX, cardDef.ColumnSpace, cardDef.LeftMargin) <=
               paperTenthMm.width() &&
           cellsEndTenthMm(cardDef.Lines, cardDef.CardSizeY, cardDef.LineSpace, cardDef.TopMargin) <=
               paperTenthMm.height();
}

void PaintPaperPreview(QPainter &painter, QSize box, const PaperPreviewSheet &sheet, const TCardDef &cardDef,
                       const PaperPreviewCards &cards)
{
    const std::optional<PreviewLayout> found = previewLayout(box, sheet, cardDef);
    if (!found)
        return;
    const PreviewLayout &layout = *found;
    const int pl = nearest(sheet.PhysicalOffset.x() * layout.k) + layout.left;
    const int pt = nearest(sheet.PhysicalOffset.y() * layout.k) + layout.top;
    const int pr = nearest(sheet.PrintableSize.width() * layout.k) + pl;
    const int pb = nearest(sheet.PrintableSize.height() * layout.k) + pt;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::white);
    painter.setPen(QPen(Qt::black, 1));
    drawRectangle(painter, layout.left, layout.top, layout.right, layout.bottom);
    painter.setPen(QPen(QColor(192, 192, 192), 1));
    drawRectangle(painter, pl, pt, pr, pb);
    const QColor shadow = ColorToQColor(clBtnShadow);
    fillRectangle(painter, layout.right, layout.top + 4, layout.right + 4, layout.bottom, shadow);
    fillRectangle(painter, layout.left + 4, layout.bottom, layout.right + 4, layout.bottom + 4, shadow);

    if (cards.Card && sheet.Resolution.width() > 0 && sheet.Resolution.height() > 0)
        drawCards(painter, layout, sheet, cardDef, cards);
    else
        drawCells(painter, box, cardDef, layout.m, QPoint(layout.left, layout.top));
    if (runsOffPaper(cardDef, sheet.PhysicalPaperSizeTenthMm))
        drawRunningOff(painter, box, layout, cardDef);
    painter.restore();
}

std::int64_t PaperPreviewCellAt(QSize box, const PaperPreviewSheet &sheet, const TCardDef &cardDef,
                                QPoint point, const PaperPreviewCards &cards)
{
    if (showsBack(sheet, cards)) {
        const PrinterPage page = previewPage(sheet);
        const std::int64_t backCell =
            PaperPreviewCellAt(box, sheet, BackSideCardDef(cardDef, page, cards.BackPlacement), point);
        return backCell < 0 ? -1 : FrontCellBehind(cardDef, page, cards.BackPlacement.Turn, backCell);
    }
    const std::optional<PreviewLayout> layout = previewLayout(box, sheet, cardDef);
    if (!layout || layout->m <= 0)
        return -1;
    // Back from the preview to the sheet's own tenths of a millimetre, before the correction.
    const PrintAdjustment &adjustment = sheet.Adjustment;
    const double scale = adjustment.ScaleHundredthPercent / 10000.0;
    const double x = ((point.x() - layout->left) * 10 / layout->m - adjustment.OffsetXTenthMm) / scale;
    const double y = ((point.y() - layout->top) * 10 / layout->m - adjustment.OffsetYTenthMm) / scale;
    if (!std::isfinite(x) || !std::isfinite(y))
        return -1;
    const double pitchX = double(cardDef.CardSizeX) + cardDef.ColumnSpace;
    const double pitchY = double(cardDef.CardSizeY) + cardDef.LineSpace;
    if (pitchX <= 0 || pitchY <= 0)
        return -1;
    const double column = std::floor((x - cardDef.LeftMargin) / pitchX);
    const double row = std::floor((y - cardDef.TopMargin) / pitchY);
    if (column < 0 || row < 0 || column >= cardDef.Columns || row >= cardDef.Lines)
        return -1;
    // In the gap between two cards is on neither.
    if (x - cardDef.LeftMargin - column * pitchX > cardDef.CardSizeX ||
        y - cardDef.TopMargin - row * pitchY > cardDef.CardSizeY)
        return -1;
    return std::int64_t(row) * cardDef.Columns + std::int64_t(column);
}
