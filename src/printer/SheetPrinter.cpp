#include "printer/SheetPrinter.h"

#include "model/platform/VkError.h"
#include "printer/TQdPrinter.h"

#include <QPainter>

PrinterPage CurrentPrinterPage(TQdPrinter &printer)
{
    return {.Resolution = printer.GetResolution(),
            .PhysicalSize = printer.GetPhysicalSize(),
            .PrintableSize = printer.GetPrintableSize(),
            .PhysicalOffset = printer.GetPhysicalOffset()};
}

void PrintCardSheet(TQdPrinter &printer, const QString &title, const TVkVellumPanel &card,
                    const TCardDef &cardDef, int guessMark)
{
    const PrinterPage page = CurrentPrinterPage(printer);
    // Refused before the job starts, so that no blank sheet comes out of the printer.
    CheckCardSheetDrawable(page, cardDef);
    printer.BeginDoc(title);
    try {
        DrawCardSheet(printer.GetCanvas(), page, card, cardDef, guessMark);
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
