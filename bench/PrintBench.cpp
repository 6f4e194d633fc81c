#include "BusyCard.h"

#include "model/card/TVkVellumPanel.h"
#include "printer/PrinterPageOf.h"
#include "printer/SheetPrinter.h"

#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// The busy card printed ten times on an A4 sheet (91 x 55 mm, 2 x 5) to a PDF file at 600 dpi, crop
// marks included: every object drawn at the printer's resolution in every cell.
void BM_PrintBusyCardSheetToPdf(benchmark::State &state)
{
    auto card = MakeBusyCard();
    TCardDef tenUp{};
    tenUp.CardSizeX = 910;
    tenUp.CardSizeY = 550;
    tenUp.Columns = 2;
    tenUp.Lines = 5;
    tenUp.LeftMargin = 140;
    tenUp.TopMargin = 110;
    QTemporaryDir dir;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("sheet.pdf")));
        printer.setResolution(600);
        printer.setPageSize(QPageSize(QPageSize::A4));
        QPainter painter(&printer);
        DrawCardSheet(painter, PrinterPageOf(printer), *card, tenUp, cmCornerCrosses);
        painter.end();
    }
}
BENCHMARK(BM_PrintBusyCardSheetToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
