#include "printer/SheetPrinter.h"

#include "model/platform/VkError.h"
#include "printer/TQdPrinter.h"

#include <QPainter>

void PrintCardSheet(TQdPrinter &printer, const QString &title, const TVkVellumPanel &card,
                    const TCardDef &cardDef, int guessMark)
{
    const PrinterPage page{.Resolution = printer.GetResolution(),
                           .PhysicalSize = printer.GetPhysicalSize(),
                           .PrintableSize = printer.GetPrintableSize(),
                           .PhysicalOffset = printer.GetPhysicalOffset()};
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
