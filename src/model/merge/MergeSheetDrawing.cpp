#include "model/merge/MergeSheetDrawing.h"

#include "model/merge/MergeRecord.h"
#include "model/sheet/CardSheetDrawing.h"

#include <functional>

namespace {

// Draws a sheet through draw, whose cells ask (by the front's index) whether they are filled and
// show the plan's record for them through the one merge record handed to the drawing.
void drawRecords(const TVkVellumPanel &card, const MergeTable &table, const MergePlan &plan, int sheet,
                 QStringList *missingColumns,
                 const std::function<void(const SheetCellFilter &, const MergeRecord &)> &draw)
{
    MergeRecord shown(table, 0);
    bool drawn = false;
    draw(
        [&](std::int64_t cell) {
            const int record = plan.RecordAt(sheet, cell);
            if (record < 0)
                return false;
            shown.Show(record, plan.CardAt(sheet, cell));
            drawn = true;
            return true;
        },
        shown);
    if (!drawn || !missingColumns)
        return;
    for (const QString &column : MergeRecord::MissingColumns(card, table))
        if (!missingColumns->contains(column))
            missingColumns->append(column);
}

} // namespace

void DrawMergeSheet(QPainter &canvas, const PrinterPage &page, const TVkVellumPanel &card,
                    const TCardDef &cardDef, int guessMark, const MergeTable &table, const MergePlan &plan,
                    int sheet, QStringList *missingColumns)
{
    drawRecords(card, table, plan, sheet, missingColumns,
                [&](const SheetCellFilter &prepareCell, const MergeRecord &shown) {
                    DrawCardSheet(canvas, page, card, cardDef, guessMark, prepareCell, &shown);
                });
}

void DrawMergeBackSheet(QPainter &canvas, const PrinterPage &page, const MergeBackSide &back,
                        const TCardDef &cardDef, int guessMark, const MergeTable &table,
                        const MergePlan &plan, int sheet, QStringList *missingColumns)
{
    drawRecords(back.Card, table, plan, sheet, missingColumns,
                [&](const SheetCellFilter &prepareFrontCell, const MergeRecord &shown) {
                    DrawBackSideSheet(canvas, page, back.Card, cardDef, guessMark, back.Placement,
                                      prepareFrontCell, &shown);
                });
}
