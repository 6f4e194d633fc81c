#include "printer/MergePrinter.h"

#include "model/merge/MergeSheetDrawing.h"
#include "model/platform/VkError.h"
#include "model/sheet/CardSheetDrawing.h"
#include "printer/SheetPrinter.h"
#include "printer/TQdPrinter.h"

bool PrintMergeSheets(TQdPrinter &printer, const QString &title, TVkVellumPanel &card,
                      const TCardDef &cardDef, int guessMark, const MergeTable &table, const MergePlan &plan,
                      const std::function<bool(int sheet)> &progress, QStringList *missingColumns)
{
    const PrinterPage page = CurrentPrinterPage(printer);
    CheckCardSheetDrawable(page, cardDef);
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
        }
    } catch (...) {
        printer.Abort();
        throw;
    }
    printer.EndDoc();
    return true;
}
