#include "printer/TwoSidedPrinter.h"

#include "model/output/SheetCells.h"
#include "model/sheet/MergePlan.h"
#include "printer/DuplexForOneJob.h"
#include "printer/SheetPrinter.h"
#include "printer/TQdPrinter.h"

#include <QCoreApplication>

namespace {

// Draws pageCount pages as one job; the job is dropped, not printed half, when drawing fails.
void printPages(TQdPrinter &printer, const QString &title, int pageCount,
                const std::function<void(QPainter &, int page)> &drawPage)
{
    printer.BeginDoc(title);
    try {
        for (int page = 0; page < pageCount; ++page) {
            if (page > 0)
                printer.NewPage();
            drawPage(printer.GetCanvas(), page);
        }
    } catch (...) {
        printer.Abort();
        throw;
    }
    printer.EndDoc();
}

} // namespace

void PrintTwoSidedCardSheet(TQdPrinter &printer, const QString &title, const TVkVellumPanel &front,
                            const TVkVellumPanel &back, const TCardDef &cardDef, int guessMark,
                            const BackSidePlacement &placement, BackSideFeed feed,
                            const std::function<bool()> &turnOver, const SheetRun &run)
{
    const MergePlan plan = PlanSheetRun(run, CellsOnSheet(cardDef));
    const PrinterPage page = CurrentPrinterPage(printer);
    CheckCardSheetDrawable(page, cardDef);
    CheckCardSheetDrawable(page, BackSideCardDef(cardDef, page, placement));
    const auto filled = [&plan](int sheet) {
        return [&plan, sheet](std::int64_t cell) { return plan.RecordAt(sheet, cell) >= 0; };
    };
    const auto drawBack = [&](QPainter &canvas, int sheet) {
        DrawBackSideSheet(canvas, page, back, cardDef, guessMark, placement, filled(sheet));
    };
    if (feed == BackSideFeed::Duplex) {
        const DuplexForOneJob duplex(printer.Printer(), placement.Turn);
        printPages(printer, title, 2 * plan.SheetCount(), [&](QPainter &canvas, int pageIndex) {
            if (pageIndex % 2 == 0)
                DrawCardSheet(canvas, page, front, cardDef, guessMark, filled(pageIndex / 2));
            else
                drawBack(canvas, pageIndex / 2);
        });
        return;
    }
    PrintCardSheet(printer, title, front, cardDef, guessMark, run);
    if (turnOver && !turnOver())
        return;
    // A job of its own name, so that the spooler tells the backs from the fronts.
    printPages(printer, title + QCoreApplication::translate("TwoSidedPrinter", " (裏面)"), plan.SheetCount(),
               drawBack);
}
