#include "model/sheet/CardSheetDrawing.h"

#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/platform/VkError.h"
#include "model/sheet/CellBudget.h"
#include "model/sheet/IndexSearch.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Nothing this far from the sheet can reach it: positions beyond are held here, not overflowed.
constexpr std::int64_t kFarTenthMm = std::int64_t(1) << 40;
constexpr std::int64_t kFarPixels = 1 << 28;
constexpr int kMarkArmTenthMm = 20;
QString tooManyCells()
{
    return QCoreApplication::translate("CardSheetDrawing",
                                       "用紙のカードが多すぎるか、重なりすぎているため、印刷できません。");
}

int clampPixels(std::int64_t pixels)
{
    return int(std::clamp(pixels, -kFarPixels, kFarPixels));
}

// Where cell `index` of one axis starts, in tenths of a millimetre from the paper's edge.
std::int64_t cellStartTenthMm(std::int64_t index, std::int64_t pitch, std::int64_t margin)
{
    if (pitch != 0 && index > kFarTenthMm / std::abs(pitch))
        return pitch > 0 ? kFarTenthMm : -kFarTenthMm;
    return index * pitch + margin;
}

// The cells along one axis of the sheet: count of them, each `size` long, `pitch` apart, the
// first `margin` from the paper's edge; all in tenths of a millimetre.
struct SheetAxis {
    std::int64_t count;
    std::int64_t size;
    std::int64_t pitch;
    std::int64_t margin;
    int dpi;
    int offset; // unprintable border before the printable area
    // The sheet's first and last pixel as the drawing sees them: beyond them nothing shows.
    int seenStart;
    int seenEnd;
};

int cellStart(const SheetAxis &axis, std::int64_t index)
{
    return clampPixels(
        std::int64_t(TenthMmToDevicePixels(cellStartTenthMm(index, axis.pitch, axis.margin), axis.dpi)) -
        axis.offset);
}

// The indices [first, last) of the cells that may put a pixel on the sheet, marks included. Cell
// starts only ever grow (or only shrink) with the index, so the range is found by halving. Cells on
// the same spot all draw the same pixels, so only the last of them is drawn.
std::pair<std::int64_t, std::int64_t> reachingCells(const SheetAxis &axis, int reach)
{
    const std::int64_t size = std::max<std::int64_t>(TenthMmToDevicePixels(axis.size, axis.dpi), 0);
    const auto beforeSheet = [&](std::int64_t i) {
        return std::int64_t(cellStart(axis, i)) + size + reach < axis.seenStart;
    };
    const auto afterSheet = [&](std::int64_t i) {
        return std::int64_t(cellStart(axis, i)) - reach > axis.seenEnd;
    };
    if (axis.count <= 0)
        return {0, 0};
    if (axis.pitch == 0) {
        if (beforeSheet(0) || afterSheet(0))
            return {0, 0};
        return {axis.count - 1, axis.count};
    }
    if (axis.pitch > 0) {
        const std::int64_t first =
            FirstIndexWhere(0, axis.count, [&](std::int64_t i) { return !beforeSheet(i); });
        return {first, FirstIndexWhere(first, axis.count, afterSheet)};
    }
    const std::int64_t first = FirstIndexWhere(0, axis.count, [&](std::int64_t i) { return !afterSheet(i); });
    return {first, FirstIndexWhere(first, axis.count, beforeSheet)};
}

// The cells of a sheet that may put a pixel on the page: rows [firstRow, endRow), columns
// [firstColumn, endColumn); and whether drawing them all stays within the budget.
struct SheetCells {
    std::int64_t firstRow, endRow, firstColumn, endColumn;
    bool fitBudget;
};

// The whole sheet, its unprintable border included, in the coordinates the adjusted drawing uses.
QRectF sheetSeen(const PrinterPage &page)
{
    return PrintAdjustmentTransform(page).inverted().mapRect(QRectF(-page.PhysicalOffset, page.PhysicalSize));
}

SheetCells cellsReachingPage(const PrinterPage &page, const TCardDef &cardDef)
{
    const QRectF seen = sheetSeen(page);
    const auto seenStart = [](double edge, int unadjusted) {
        return std::min(int(std::floor(edge)), unadjusted);
    };
    const auto seenEnd = [](double edge, int unadjusted) {
        return std::max(int(std::ceil(edge)), unadjusted);
    };
    const int reach = std::max(TenthMmToDevicePixels(kMarkArmTenthMm, page.Resolution.width()),
                               TenthMmToDevicePixels(kMarkArmTenthMm, page.Resolution.height())) +
                      2;
    const SheetAxis across{cardDef.Columns,
                           cardDef.CardSizeX,
                           std::int64_t(cardDef.CardSizeX) + cardDef.ColumnSpace,
                           cardDef.LeftMargin,
                           page.Resolution.width(),
                           page.PhysicalOffset.x(),
                           seenStart(seen.left(), -page.PhysicalOffset.x()),
                           seenEnd(seen.right(), page.PhysicalSize.width())};
    const SheetAxis down{cardDef.Lines,
                         cardDef.CardSizeY,
                         std::int64_t(cardDef.CardSizeY) + cardDef.LineSpace,
                         cardDef.TopMargin,
                         page.Resolution.height(),
                         page.PhysicalOffset.y(),
                         seenStart(seen.top(), -page.PhysicalOffset.y()),
                         seenEnd(seen.bottom(), page.PhysicalSize.height())};
    const auto [firstColumn, endColumn] = reachingCells(across, reach);
    const auto [firstRow, endRow] = reachingCells(down, reach);
    const QSize cellSize = CardCellRect(cardDef, page, 0, 0).size();
    return {firstRow, endRow, firstColumn, endColumn,
            CellsFitBudget((endRow - firstRow) * (endColumn - firstColumn), cellSize, page.PhysicalSize)};
}

void drawCropMarks(QPainter &canvas, const QRect &cell, int guessMark, const PrinterPage &page)
{
    const int x = cell.left();
    const int y = cell.top();
    const int right = x + cell.width() + 1;
    const int bottom = y + cell.height() + 1;
    if (guessMark == cmDottedFrame) {
        canvas.setPen(QPen(Qt::black, 1, Qt::DotLine));
        canvas.setBrush(Qt::NoBrush);
        // The outline of (x, y) - (right, bottom) with right and bottom left out.
        canvas.drawRect(QRect(QPoint(x, y), QPoint(right - 2, bottom - 2)));
    } else if (guessMark == cmCornerCrosses) {
        const int a = TenthMmToDevicePixels(kMarkArmTenthMm, page.Resolution.width());
        const int b = TenthMmToDevicePixels(kMarkArmTenthMm, page.Resolution.height());
        canvas.setPen(QPen(Qt::black, 1, Qt::SolidLine));
        for (const QPoint corner :
             {QPoint(x, y), QPoint(right, y), QPoint(x, bottom), QPoint(right, bottom)}) {
            // Each line leaves out its end point.
            canvas.drawLine(corner.x() - a, corner.y(), corner.x() + a - 1, corner.y());
            canvas.drawLine(corner.x(), corner.y() - b, corner.x(), corner.y() + b - 1);
        }
    }
}

// Draws the card's objects onto a painter whose origin is the cell's corner, each on the device
// pixels it would have with the origin at the page's corner.
void drawObjectsFromCellCorner(QPainter &canvas, const QRect &cell, const TVkVellumPanel &card,
                               const FieldValues *record)
{
    // A card 0 pixels wide has no scale to draw its objects at.
    if (card.Width() <= 0)
        return;
    const long double scale = static_cast<long double>(cell.width()) / card.Width();
    for (int i = 0; i < card.ObjectCount(); ++i) {
        const TVkDragLabel &object = card.Object(i);
        // A hidden object shows nowhere: not on the card, in export or on paper.
        if (!object.Visible())
            continue;
        const auto at = [scale](int position, int origin) {
            return clampPixels(std::int64_t(std::trunc(scale * position + origin)) - origin);
        };
        object.Draw(canvas, QPoint(at(object.Left(), cell.left()), at(object.Top(), cell.top())),
                    CardDrawing::Device(double(scale), record));
    }
}

// The card's own area, grown evenly about its centre until it covers bleed pixels on every side.
QRect backgroundCovering(const QSize &card, int bleed)
{
    if (bleed <= 0 || card.isEmpty())
        return QRect(QPoint(0, 0), card);
    const double scale = std::max(double(card.width() + 2 * bleed) / card.width(),
                                  double(card.height() + 2 * bleed) / card.height());
    const QSize grown(int(std::ceil(card.width() * scale)), int(std::ceil(card.height() * scale)));
    return QRect(QPoint((card.width() - grown.width()) / 2, (card.height() - grown.height()) / 2), grown);
}

} // namespace

int TenthMmToDevicePixels(std::int64_t tenthMm, int dpi)
{
    const std::int64_t clampedDpi = std::clamp(dpi, 0, 1 << 20);
    const std::int64_t length = std::clamp(tenthMm, -kFarTenthMm, kFarTenthMm);
    return int(std::clamp<std::int64_t>(length * clampedDpi / 254, std::numeric_limits<int>::min(),
                                        std::numeric_limits<int>::max()));
}

void DrawCardUpright(QPainter &canvas, const QRect &area, const TVkVellumPanel &card,
                     const FieldValues *record, int bleed)
{
    // Each card is drawn from its cell's corner, in the same coordinates in every cell: a PDF then
    // holds the same drawing for every card on the sheet, which it compresses to little more than
    // the first.
    canvas.save();
    canvas.translate(area.topLeft());
    card.PaintBackground(canvas, backgroundCovering(area.size(), bleed));
    drawObjectsFromCellCorner(canvas, area, card, record);
    canvas.restore();
}

void DrawCardInCell(QPainter &canvas, const QRect &cell, const TVkVellumPanel &card,
                    const FieldValues *record, int bleed)
{
    if (!IsPortrait(card.Orientation())) {
        DrawCardUpright(canvas, cell, card, record, bleed);
        return;
    }
    // The painter turns the card, so text stays text and pictures keep their pixels in a PDF.
    canvas.save();
    canvas.translate(cell.topLeft());
    if (card.Orientation() == coPortraitClockwise) {
        canvas.translate(cell.width(), 0);
        canvas.rotate(90);
    } else {
        canvas.translate(0, cell.height());
        canvas.rotate(-90);
    }
    DrawCardUpright(canvas, QRect(0, 0, cell.height(), cell.width()), card, record, bleed);
    canvas.restore();
}

QRect CardCellRect(const TCardDef &cardDef, const PrinterPage &page, std::int64_t column, std::int64_t row)
{
    const int dpiX = page.Resolution.width();
    const int dpiY = page.Resolution.height();
    const int x =
        clampPixels(std::int64_t(TenthMmToDevicePixels(
                        cellStartTenthMm(column, std::int64_t(cardDef.CardSizeX) + cardDef.ColumnSpace,
                                         cardDef.LeftMargin),
                        dpiX)) -
                    page.PhysicalOffset.x());
    const int y = clampPixels(
        std::int64_t(TenthMmToDevicePixels(
            cellStartTenthMm(row, std::int64_t(cardDef.CardSizeY) + cardDef.LineSpace, cardDef.TopMargin),
            dpiY)) -
        page.PhysicalOffset.y());
    return QRect(x, y, clampPixels(TenthMmToDevicePixels(cardDef.CardSizeX, dpiX)),
                 clampPixels(TenthMmToDevicePixels(cardDef.CardSizeY, dpiY)));
}

void CheckCardSheetDrawable(const PrinterPage &page, const TCardDef &cardDef)
{
    if (!cellsReachingPage(page, cardDef).fitBudget)
        throw VkError(tooManyCells());
}

void DrawCardSheet(QPainter &canvas, const PrinterPage &page, const TVkVellumPanel &card,
                   const TCardDef &cardDef, int guessMark, const SheetCellFilter &prepareCell,
                   const FieldValues *record)
{
    const SheetCells cells = cellsReachingPage(page, cardDef);
    if (!cells.fitBudget)
        throw VkError(tooManyCells());
    // The whole sheet, its unprintable border included: what the device cannot print, it cuts off.
    const QRectF wholePage = sheetSeen(page);
    canvas.save();
    canvas.setRenderHint(QPainter::Antialiasing, false);
    canvas.setTransform(PrintAdjustmentTransform(page), true);
    canvas.setClipRect(wholePage);
    for (std::int64_t row = cells.firstRow; row < cells.endRow; ++row) {
        for (std::int64_t column = cells.firstColumn; column < cells.endColumn; ++column) {
            if (prepareCell && !prepareCell(row * cardDef.Columns + column))
                continue;
            const QRect cell = CardCellRect(cardDef, page, column, row);
            canvas.setClipRect(cell, Qt::IntersectClip);
            DrawCardInCell(canvas, cell, card, record);
            // The marks may run outside the cell.
            canvas.setClipRect(wholePage);
            drawCropMarks(canvas, cell, guessMark, page);
        }
    }
    canvas.restore();
}
