#include "printer/SheetPrinter.h"

#include "model/merge/MergePlan.h"
#include "model/platform/VkError.h"
#include "printer/TQdPrinter.h"

#include <QPainter>

PrinterPage CurrentPrinterPage(TQdPrinter &printer)
{
    return {.Resolution = printer.GetResolution(),
            .PhysicalSize = printer.GetPhysicalSize(),
            .PrintableSize = printer.GetPrintableSize(),
            .PhysicalOffset = printer.GetPhysicalOffset(),
            .Adjustment = printer.CurrentAdjustment()};
}

void PrintCardSheet(TQdPrinter &printer, const QString &title, const TVkVellumPanel &card,
                    const TCardDef &cardDef, int guessMark, const SheetRun &run)
{
    const MergePlan plan = PlanSheetRun(run, std::int64_t(cardDef.Columns) * cardDef.Lines);
    const PrinterPage page = CurrentPrinterPage(printer);
    // Refused before the job starts, so that no blank sheet comes out of the printer.
    CheckCardSheetDrawable(page, cardDef);
    printer.BeginDoc(title);
    try {
        for (int sheet = 0; sheet < plan.SheetCount(); ++sheet) {
            if (sheet > 0)
                printer.NewPage();
            DrawCardSheet(printer.GetCanvas(), page, card, cardDef, guessMark,
                          [&plan, sheet](std::int64_t cell) { return plan.RecordAt(sheet, cell) >= 0; });
        }
    } catch (...) {
        try {
            printer.EndDoc();
        } catch (const VkError &) {
            // The first error is the one the user needs to see.
        }
        throw;
    }
    printer.EndDoc();
}
