#include "model/sheet/MergePlan.h"

#include <algorithm>
#include <limits>

MergePlan::MergePlan(int firstRecord, int recordCount, MergeLayout layout, std::int64_t cellsPerSheet,
                     std::int64_t startCell)
    : firstRecord_(firstRecord), recordCount_(std::max(recordCount, 0)), layout_(layout),
      cellsPerSheet_(std::max<std::int64_t>(cellsPerSheet, 1)),
      startCell_(std::clamp<std::int64_t>(startCell, 0, cellsPerSheet_ - 1))
{
}

int MergePlan::SheetCount() const
{
    if (recordCount_ == 0)
        return 0;
    if (layout_ == MergeLayout::SheetPerRecord)
        return recordCount_;
    return int((startCell_ + recordCount_ + cellsPerSheet_ - 1) / cellsPerSheet_);
}

int MergePlan::RecordAt(int sheet, std::int64_t cell) const
{
    if (sheet < 0 || sheet >= SheetCount() || cell < 0 || cell >= cellsPerSheet_ ||
        (sheet == 0 && cell < startCell_))
        return -1;
    if (layout_ == MergeLayout::SheetPerRecord)
        return firstRecord_ + sheet;
    const std::int64_t position = sheet * cellsPerSheet_ + cell - startCell_;
    return position < recordCount_ ? firstRecord_ + int(position) : -1;
}

std::int64_t MergePlan::CardAt(int sheet, std::int64_t cell) const
{
    // Every sheet but the first is full, whatever the layout.
    return RecordAt(sheet, cell) < 0 ? -1 : cardsBefore_ + sheet * cellsPerSheet_ + cell - startCell_;
}

std::int64_t MergePlan::CardCount() const
{
    if (recordCount_ == 0)
        return 0;
    return layout_ == MergeLayout::SheetPerRecord ? recordCount_ * cellsPerSheet_ - startCell_ : recordCount_;
}

MergePlan PlanSheetRun(const SheetRun &run, std::int64_t cellsPerSheet)
{
    const std::int64_t cells = std::max<std::int64_t>(cellsPerSheet, 1);
    const std::int64_t start = std::clamp<std::int64_t>(run.StartCell, 0, cells - 1);
    const std::int64_t count = std::max(run.Count, 0);
    // Past the int range a plan cannot count; no sheet that can be printed comes near it.
    const std::int64_t limit = std::numeric_limits<int>::max();
    const std::int64_t cards = run.CountUnit == SheetRun::Unit::Cards
                                   ? count
                                   : (count == 0 ? 0 : std::min(count, limit / cells) * cells - start);
    return MergePlan(0, int(std::min(cards, limit)), MergeLayout::CardPerRecord, cells, start);
}
