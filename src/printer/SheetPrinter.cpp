#include "printer/SheetPrinter.h"

#include "model/output/SheetCells.h"
#include "model/platform/VkError.h"
#include "model/sheet/CalibrationSheet.h"
#include "model/sheet/MergePlan.h"
#include "printer/TQdPrinter.h"

#include <QPainter>
#include <QPrinter>

PrinterPage CurrentPrinterPage(TQdPrinter &printer)
{
    return {.Resolution = printer.GetResolution(),
            .PhysicalSize = printer.GetPhysicalSize(),
            .PrintableSize = printer.GetPrintableSize(),
            .PhysicalOffset = printer.GetPhysicalOffset(),
            .Adjustment = printer.CurrentAdjustment()};
}

namespace {

// Runs one job on the current printer; the job is ended whatever happens, and the first error is
// the one that reaches the caller.
template <typename Draw> void runJob(TQdPrinter &printer, const QString &title, Draw draw)
{
    printer.BeginDoc(title);
    try {
        draw();
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

} // namespace

void PrintCardSheet(TQdPrinter &printer, const QString &title, const TVkVellumPanel &card,
                    const TCardDef &cardDef, int guessMark, const SheetRun &run)
{
    const MergePlan plan = PlanSheetRun(run, CellsOnSheet(cardDef));
    const PrinterPage page = CurrentPrinterPage(printer);
    // Refused before the job starts, so that no blank sheet comes out of the printer.
    CheckCardSheetDrawable(page, cardDef);
    runJob(printer, title, [&] {
        for (int sheet = 0; sheet < plan.SheetCount(); ++sheet) {
            if (sheet > 0)
                printer.NewPage();
            DrawCardSheet(printer.GetCanvas(), page, card, cardDef, guessMark,
                          [&plan, sheet](std::int64_t cell) { return plan.RecordAt(sheet, cell) >= 0; });
        }
    });
}

void PrintCalibrationSheet(TQdPrinter &printer, const QString &title, const TCardDef &cardDef,
                           const PrintAdjustment &adjustment)
{
    PrinterPage page = CurrentPrinterPage(printer);
    page.Adjustment = adjustment;
    const QSize paper = printer.GetPhysicalPaperSize();
    const QString name = printer.Printer().printerName();
    runJob(printer, title, [&] { DrawCalibrationSheet(printer.GetCanvas(), page, paper, cardDef, name); });
}
