#include "model/merge/MergeSheetDrawing.h"

#include "model/merge/MergeRecordScope.h"
#include "model/sheet/CardSheetDrawing.h"

#include <functional>
#include <optional>

namespace {

// Draws a sheet through draw, which asks before each cell (by the front's index) whether it is
// filled; card shows that cell's record while it is drawn.
void drawRecords(TVkVellumPanel &card, const MergeTable &table, const MergePlan &plan, int sheet,
                 QStringList *missingColumns, const std::function<void(const SheetCellFilter &)> &draw)
{
    std::optional<MergeRecordScope> shown;
    const auto noteMissing = [&shown, missingColumns] {
        if (!shown || !missingColumns)
            return;
        for (const QString &column : shown->MissingColumns())
            if (!missingColumns->contains(column))
                missingColumns->append(column);
    };
    draw([&](std::int64_t cell) {
        noteMissing();
        shown.reset();
        const int record = plan.RecordAt(sheet, cell);
        if (record < 0)
            return false;
        shown.emplace(card, table, record);
        return true;
    });
    noteMissing();
}

} // namespace

void DrawMergeSheet(QPainter &canvas, const PrinterPage &page, TVkVellumPanel &card, const TCardDef &cardDef,
                    int guessMark, const MergeTable &table, const MergePlan &plan, int sheet,
                    QStringList *missingColumns)
{
    drawRecords(card, table, plan, sheet, missingColumns, [&](const SheetCellFilter &prepareCell) {
        DrawCardSheet(canvas, page, card, cardDef, guessMark, prepareCell);
    });
}

void DrawMergeBackSheet(QPainter &canvas, const PrinterPage &page, const MergeBackSide &back,
                        const TCardDef &cardDef, int guessMark, const MergeTable &table,
                        const MergePlan &plan, int sheet, QStringList *missingColumns)
{
    drawRecords(back.Card, table, plan, sheet, missingColumns, [&](const SheetCellFilter &prepareFrontCell) {
        DrawBackSideSheet(canvas, page, back.Card, cardDef, guessMark, back.Placement, prepareFrontCell);
    });
}
