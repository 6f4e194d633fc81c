#include "model/output/OutputJob.h"

#include "model/output/SheetCells.h"

BackSidePlacement OutputJob::PrinterBackPlacement(const BackSidePlacement &kept) const
{
    BackSidePlacement placement = kept;
    placement.Turn = BackTurn.value_or(kept.Turn);
    return placement;
}

BackSidePlacement OutputJob::PdfBackPlacement(const BackSidePlacement &kept) const
{
    return {.Turn = BackTurn.value_or(kept.Turn)};
}

StartCellFault OutputJob::StartFault(const TCardDef &cardDef) const
{
    const std::int64_t cells = CellsOnSheet(cardDef);
    if (cells <= 0)
        return StartCellFault::NoCells;
    return Run.StartCell >= cells ? StartCellFault::PastSheet : StartCellFault::None;
}

std::optional<RecordRange> OutputJob::Records(int recordCount) const
{
    return RecordRange::Of(FirstRecord, LastRecord, recordCount);
}

MergePlan OutputJob::Plan(const TCardDef &cardDef, const RecordRange &records) const
{
    return MergePlan(records.First, records.Count, PerRecord, CellsOnSheet(cardDef), Run.StartCell);
}
