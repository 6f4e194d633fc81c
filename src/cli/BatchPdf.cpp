#include "cli/BatchPdf.h"

#include "cli/BatchCard.h"
#include "cli/BatchOptions.h"
#include "cli/BatchPrint.h"
#include "model/sheet/CardSheetPdf.h"

void WriteBatchPdf(BatchCard &card, const BatchOptions &options)
{
    if (!options.SheetName.isEmpty())
        card.UseSheet(options.SheetName);
    CheckBatchStartCell(card, options);
    WriteCardSheetPdf(options.OutputFile, card.Surface(), card.CardDef(),
                      options.Marks.value_or(card.Settings().GuessMark), card.Title(), options.Run,
                      options.Adjustment.value_or(PrintAdjustment()));
}
