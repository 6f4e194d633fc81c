#include "cli/BatchPdf.h"

#include "cli/BatchCard.h"
#include "cli/BatchOptions.h"
#include "cli/BatchPress.h"
#include "cli/BatchPrint.h"
#include "model/sheet/BackSideSheet.h"
#include "model/sheet/CardSheetPdf.h"

void WriteBatchPdf(BatchCard &card, const BatchOptions &options)
{
    if (options.Press) {
        WriteBatchPressPdf(card, options);
        return;
    }
    if (!options.SheetName.isEmpty())
        card.UseSheet(options.SheetName);
    CheckBatchStartCell(card, options);
    const int marks = options.Marks.value_or(card.Settings().GuessMark);
    const OutputJob &job = options.Job;
    if (job.PrintsBack(card.HasBackSide()))
        WriteTwoSidedCardSheetPdf(options.OutputFile, card.Surface(), card.Back(), card.CardDef(), marks,
                                  job.PdfBackPlacement(card.BackSide().Placement).Turn, card.Title(), job.Run,
                                  job.PdfAdjustment());
    else
        WriteCardSheetPdf(options.OutputFile, card.Surface(), card.CardDef(), marks, card.Title(), job.Run,
                          job.PdfAdjustment());
}
