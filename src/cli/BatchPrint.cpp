#include "cli/BatchPrint.h"

#include "cli/BatchCard.h"
#include "cli/BatchOptions.h"
#include "model/output/SheetCells.h"
#include "model/platform/VkError.h"
#include "model/sheet/CardDefinitions.h"
#include "printer/DuplexForOneJob.h"
#include "printer/SheetPrinter.h"
#include "printer/TQdPrinter.h"
#include "printer/TwoSidedPrinter.h"

#include <QCoreApplication>
#include <QPrinter>
#include <algorithm>

void SelectBatchPrinter(TQdPrinter &printer, const QString &name)
{
    const std::vector<InstalledPrinter> &printers = printer.Printers();
    const bool installed = std::any_of(printers.begin(), printers.end(),
                                       [&name](const InstalledPrinter &each) { return each.Name == name; });
    if (!installed)
        throw VkError(QCoreApplication::translate("BatchPrint", "プリンタ %1 はありません").arg(name));
    printer.Printer().setPrinterName(name);
    printer.Refresh();
}

void PrepareBatchPrinter(TQdPrinter &printer, const BatchCard &card, const BatchOptions &options)
{
    if (!options.PrinterName.isEmpty())
        SelectBatchPrinter(printer, options.PrinterName);
    else if (printer.Printers().empty())
        throw VkError(QCoreApplication::translate("BatchPrint", "プリンタがありません"));
    printer.Printer().setCopyCount(options.Job.Copies);
    PrinterAdjustments adjustments = card.Settings().PrintAdjustments;
    if (options.Job.Adjustment)
        adjustments.Set(printer.Printer().printerName(), *options.Job.Adjustment);
    printer.SetAdjustments(adjustments);
}

void CheckBatchStartCell(const BatchCard &card, const BatchOptions &options)
{
    switch (options.Job.StartFault(card.CardDef())) {
    case StartCellFault::None: return;
    case StartCellFault::NoCells:
        throw VkError(QCoreApplication::translate("BatchPrint", "用紙 %1 にはカードを置く場所がありません")
                          .arg(CardDefName(card.CardDef())));
    case StartCellFault::PastSheet:
        throw VkError(QCoreApplication::translate("BatchPrint",
                                                  "--start の値 %1 は用紙のカードの数 %2 までにしてください")
                          .arg(options.Job.Run.StartCell + 1)
                          .arg(CellsOnSheet(card.CardDef())));
    }
}

void CheckBatchTwoSided(TQdPrinter &printer, SheetTurn turn)
{
    if (!PrintsBothSides(printer.Printer(), turn))
        throw VkError(
            QCoreApplication::translate(
                "BatchPrint",
                "プリンタ %1 は%2を軸にした両面印刷ができません (--back none で表面だけを印刷します)")
                .arg(printer.Printer().printerName(),
                     turn == SheetTurn::LongEdge ? QCoreApplication::translate("BatchPrint", "長辺")
                                                 : QCoreApplication::translate("BatchPrint", "短辺")));
}

void PrintBatchCard(BatchCard &card, const BatchOptions &options)
{
    if (!options.SheetName.isEmpty())
        card.UseSheet(options.SheetName);
    CheckBatchStartCell(card, options);
    TQdPrinter printer;
    PrepareBatchPrinter(printer, card, options);
    const int marks = options.Marks.value_or(card.Settings().GuessMark);
    const OutputJob &job = options.Job;
    if (job.PrintsBack(card.HasBackSide())) {
        const BackSidePlacement placement =
            job.PrinterBackPlacement(card.BackSide().PlacementOn(printer.Printer().printerName()));
        CheckBatchTwoSided(printer, placement.Turn);
        PrintTwoSidedCardSheet(printer, card.Title(), card.Surface(), card.Back(), card.CardDef(), marks,
                               placement, BackSideFeed::Duplex, {}, job.Run);
        return;
    }
    PrintCardSheet(printer, card.Title(), card.Surface(), card.CardDef(), marks, job.Run);
}
