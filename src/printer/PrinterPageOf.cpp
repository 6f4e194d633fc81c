#include "printer/PrinterPageOf.h"

#include <QPageLayout>
#include <QPrinter>

PrinterPage PrinterPageOf(const QPrinter &printer)
{
    const int dpi = printer.resolution();
    const QPageLayout layout = printer.pageLayout();
    const QRect sheet = layout.fullRectPixels(dpi);
    // In full-page mode the paint rectangle is the whole sheet, so the offset is zero.
    const QRect printable = layout.paintRectPixels(dpi);
    return {.Resolution = QSize(dpi, dpi),
            .PhysicalSize = sheet.size(),
            .PrintableSize = printable.size(),
            .PhysicalOffset = printable.topLeft() - sheet.topLeft()};
}
