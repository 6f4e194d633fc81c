#include "cli/BatchPdf.h"

#include "cli/BatchCard.h"
#include "cli/BatchOptions.h"
#include "cli/BatchPrint.h"
#include "model/sheet/BackSideSheet.h"
#include "model/sheet/CardSheetPdf.h"

void WriteBatchPdf(BatchCard &card, const BatchOptions &options)
{
    if (!options.SheetName.isEmpty())
        card.UseSheet(options.SheetName);
    CheckBatchStartCell(card, options);
    const int marks = options.Marks.value_or(card.Settings().GuessMark);
    const PrintAdjustment adjustment = options.Adjustment.value_or(PrintAdjustment());
    if (card.HasBackSide() && !options.FrontOnly)
        WriteTwoSidedCardSheetPdf(options.OutputFile, card.Surface(), card.Back(), card.CardDef(), marks,
                                  options.BackTurn.value_or(card.BackSide().Placement.Turn), card.Title(),
                                  options.Run, adjustment);
    else
        WriteCardSheetPdf(options.OutputFile, card.Surface(), card.CardDef(), marks, card.Title(),
                          options.Run, adjustment);
}
