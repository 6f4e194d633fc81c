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
                   const PrintAdjustment &adjustment, const MergeBackSide *back)
{
    const int pagesPerSheet = back ? 2 : 1;
    try {
        WriteSheetsPdf(path, cardDef, title, pagesPerSheet * plan.SheetCount(),
                       [&](QPainter &painter, const PrinterPage &page, int pageIndex) {
                           const int sheet = pageIndex / pagesPerSheet;
                           PrinterPage adjusted = page;
                           adjusted.Adjustment = adjustment;
                           if (pageIndex % pagesPerSheet == 1) {
                               DrawMergeBackSheet(painter, adjusted, *back, cardDef, guessMark, table, plan,
                                                  sheet, missingColumns);
                               return;
                           }
                           if (progress && !progress(sheet))
                               throw Cancelled();
                           DrawMergeSheet(painter, adjusted, card, cardDef, guessMark, table, plan, sheet,
                                          missingColumns);
                       });
    } catch (const Cancelled &) {
        return false;
    }
    return true;
}
