#include "printer/MergePrinter.h"

#include "model/merge/MergeSheetDrawing.h"
#include "model/platform/VkError.h"
#include "model/sheet/CardSheetDrawing.h"
#include "printer/DuplexForOneJob.h"
#include "printer/SheetPrinter.h"
#include "printer/TQdPrinter.h"

#include <optional>

bool PrintMergeSheets(TQdPrinter &printer, const QString &title, TVkVellumPanel &card,
                      const TCardDef &cardDef, int guessMark, const MergeTable &table, const MergePlan &plan,
                      const std::function<bool(int sheet)> &progress, QStringList *missingColumns,
                      const MergeBackSide *back)
{
    const PrinterPage page = CurrentPrinterPage(printer);
    CheckCardSheetDrawable(page, cardDef);
    std::optional<DuplexForOneJob> duplex;
    if (back) {
        CheckCardSheetDrawable(page, BackSideCardDef(cardDef, page, back->Placement));
        duplex.emplace(printer.Printer(), back->Placement.Turn);
    }
    printer.BeginDoc(title);
    try {
        for (int sheet = 0; sheet < plan.SheetCount(); ++sheet) {
            if (progress && !progress(sheet)) {
                printer.Abort();
                return false;
            }
            if (sheet > 0)
                printer.NewPage();
            DrawMergeSheet(printer.GetCanvas(), page, card, cardDef, guessMark, table, plan, sheet,
                           missingColumns);
            if (back) {
                printer.NewPage();
                DrawMergeBackSheet(printer.GetCanvas(), page, *back, cardDef, guessMark, table, plan, sheet,
                                   missingColumns);
            }
        }
    } catch (...) {
        printer.Abort();
        throw;
    }
    printer.EndDoc();
    return true;
}
