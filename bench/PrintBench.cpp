#include "BusyCard.h"

#include "model/card/TVkVellumPanel.h"
#include "printer/PrinterPageOf.h"
#include "printer/SheetPrinter.h"

#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// The busy card printed ten times on an A4 sheet (91 x 55 mm, 2 x 5) to a PDF file at the
// benchmark's resolution, crop marks included: every object drawn at the printer's resolution in
// every cell.
void printSheet(const TVkVellumPanel &card, int dotsPerInch, const QString &file)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setResolution(dotsPerInch);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPainter painter(&printer);
    DrawCardSheet(painter, PrinterPageOf(printer), card, BusyCardSheet(), cmCornerCrosses);
    painter.end();
}

// The same card sheet after sheet: its pictures are stretched for the printer once and kept.
void BM_PrintBusyCardSheetToPdf(benchmark::State &state)
{
    const auto card = MakeBusyCard();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("sheet.pdf"));
    printSheet(*card, int(state.range(0)), file);
    for (auto _ : state)
        printSheet(*card, int(state.range(0)), file);
}
BENCHMARK(BM_PrintBusyCardSheetToPdf)->Arg(600)->Arg(1200)->Unit(benchmark::kMillisecond)->Iterations(3);

// The first sheet of a card whose pictures were just loaded from JPEG files: nothing stretched
// or converted yet, as when a card is printed right after it was made or opened.
void BM_PrintBusyCardSheetToPdfCold(benchmark::State &state)
{
    QTemporaryDir dir;
    for (auto _ : state) {
        state.PauseTiming();
        const auto card = MakeBusyCardFromJpegFiles();
        state.ResumeTiming();
        printSheet(*card, int(state.range(0)), dir.filePath(QStringLiteral("sheet.pdf")));
    }
}
BENCHMARK(BM_PrintBusyCardSheetToPdfCold)->Arg(600)->Arg(1200)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
