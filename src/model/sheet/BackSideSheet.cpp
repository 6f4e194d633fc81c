#include "model/sheet/BackSideSheet.h"

#include "model/sheet/CardSheetPdf.h"
#include "model/sheet/MergePlan.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

std::int32_t clampToInt32(std::int64_t value)
{
    return std::int32_t(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max()));
}

// The sheet's length along one axis in tenths of a millimetre, to the nearest.
std::int64_t pageTenthMm(int devicePixels, int dpi)
{
    return dpi > 0 ? std::llround(double(devicePixels) * 254.0 / dpi) : 0;
}

// The margin that puts the last cell where the first one was, counted from the opposite edge.
std::int32_t mirroredMargin(std::int64_t pageLength, std::int32_t margin, std::int32_t count,
                            std::int32_t size, std::int32_t space)
{
    const std::int64_t lastCellEnd =
        std::int64_t(margin) + std::int64_t(std::max(count, 1) - 1) * (std::int64_t(size) + space) + size;
    return clampToInt32(pageLength - lastCellEnd);
}

} // namespace

bool TurnMirrorsColumns(const PrinterPage &page, SheetTurn turn)
{
    // Compared in inches, as the two axes may have different resolutions.
    const double across = double(page.PhysicalSize.width()) / std::max(page.Resolution.width(), 1);
    const double down = double(page.PhysicalSize.height()) / std::max(page.Resolution.height(), 1);
    const bool upright = down >= across;
    return (turn == SheetTurn::LongEdge) == upright;
}

TCardDef BackSideCardDef(const TCardDef &cardDef, const PrinterPage &page, const BackSidePlacement &placement)
{
    TCardDef back = cardDef;
    if (TurnMirrorsColumns(page, placement.Turn))
        back.LeftMargin =
            mirroredMargin(pageTenthMm(page.PhysicalSize.width(), page.Resolution.width()),
                           cardDef.LeftMargin, cardDef.Columns, cardDef.CardSizeX, cardDef.ColumnSpace);
    else
        back.TopMargin =
            mirroredMargin(pageTenthMm(page.PhysicalSize.height(), page.Resolution.height()),
                           cardDef.TopMargin, cardDef.Lines, cardDef.CardSizeY, cardDef.LineSpace);
    back.LeftMargin = clampToInt32(std::int64_t(back.LeftMargin) + placement.OffsetXTenthMm);
    back.TopMargin = clampToInt32(std::int64_t(back.TopMargin) + placement.OffsetYTenthMm);
    return back;
}

std::int64_t FrontCellBehind(const TCardDef &cardDef, const PrinterPage &page, SheetTurn turn,
                             std::int64_t backCell)
{
    const std::int64_t columns = std::max(cardDef.Columns, 1);
    const std::int64_t row = backCell / columns;
    const std::int64_t column = backCell % columns;
    if (TurnMirrorsColumns(page, turn))
        return row * columns + (columns - 1 - column);
    return (std::int64_t(cardDef.Lines) - 1 - row) * columns + column;
}

void DrawBackSideSheet(QPainter &canvas, const PrinterPage &page, const TVkVellumPanel &back,
                       const TCardDef &cardDef, int guessMark, const BackSidePlacement &placement,
                       const SheetCellFilter &prepareFrontCell, const FieldValues *record)
{
    SheetCellFilter prepareBackCell;
    if (prepareFrontCell)
        prepareBackCell = [&](std::int64_t backCell) {
            return prepareFrontCell(FrontCellBehind(cardDef, page, placement.Turn, backCell));
        };
    DrawCardSheet(canvas, page, back, BackSideCardDef(cardDef, page, placement), guessMark, prepareBackCell,
                  record);
}

void WriteTwoSidedCardSheetPdf(const QString &path, const TVkVellumPanel &front, const TVkVellumPanel &back,
                               const TCardDef &cardDef, int guessMark, SheetTurn turn, const QString &title,
                               const SheetRun &run, const PrintAdjustment &adjustment)
{
    const MergePlan plan = PlanSheetRun(run, std::int64_t(cardDef.Columns) * cardDef.Lines);
    WriteSheetsPdf(
        path, cardDef, title, 2 * plan.SheetCount(),
        [&](QPainter &painter, const PrinterPage &page, int pageIndex) {
            PrinterPage adjusted = page;
            adjusted.Adjustment = adjustment;
            const int sheet = pageIndex / 2;
            const auto filled = [&plan, sheet](std::int64_t cell) { return plan.RecordAt(sheet, cell) >= 0; };
            if (pageIndex % 2 == 0)
                DrawCardSheet(painter, adjusted, front, cardDef, guessMark, filled);
            else
                DrawBackSideSheet(painter, adjusted, back, cardDef, guessMark, {.Turn = turn}, filled);
        });
}
