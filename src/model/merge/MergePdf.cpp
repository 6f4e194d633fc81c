#include "model/merge/MergePdf.h"

#include "model/merge/MergeSheetDrawing.h"
#include "model/sheet/CardSheetPdf.h"
#include "model/sheet/PrinterPage.h"

namespace {

// Thrown through the PDF writer so that a cancelled run never commits its file.
struct Cancelled {};

} // namespace

bool WriteMergePdf(const QString &path, TVkVellumPanel &card, const TCardDef &cardDef, int guessMark,
                   const QString &title, const MergeTable &table, const MergePlan &plan,
                   const std::function<bool(int sheet)> &progress, QStringList *missingColumns,
                   const PrintAdjustment &adjustment)
{
    try {
        WriteSheetsPdf(path, cardDef, title, plan.SheetCount(),
                       [&](QPainter &painter, const PrinterPage &page, int sheet) {
                           if (progress && !progress(sheet))
                               throw Cancelled();
                           PrinterPage adjusted = page;
                           adjusted.Adjustment = adjustment;
                           DrawMergeSheet(painter, adjusted, card, cardDef, guessMark, table, plan, sheet,
                                          missingColumns);
                       });
    } catch (const Cancelled &) {
        return false;
    }
    return true;
}
