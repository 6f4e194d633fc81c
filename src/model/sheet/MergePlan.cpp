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

void MergePlan::SetCopies(const std::vector<int> &copies)
{
    cardEnds_.clear();
    sheetEnds_.clear();
    std::int64_t cards = 0;
    std::int64_t sheets = 0;
    for (int record = 0; record < recordCount_; ++record) {
        const std::int64_t count = std::max(record < int(copies.size()) ? copies[std::size_t(record)] : 0, 0);
        cards += count;
        cardEnds_.push_back(cards);
        // The first record that prints begins at the start cell.
        const std::int64_t skipped = sheets == 0 ? startCell_ : 0;
        sheets += count == 0 ? 0 : (skipped + count + cellsPerSheet_ - 1) / cellsPerSheet_;
        sheetEnds_.push_back(sheets);
    }
}

int MergePlan::SheetCount() const
{
    if (!cardEnds_.empty()) {
        if (layout_ == MergeLayout::SheetPerRecord)
            return int(sheetEnds_.back());
        return CardCount() == 0 ? 0 : int((startCell_ + CardCount() + cellsPerSheet_ - 1) / cellsPerSheet_);
    }
    if (recordCount_ == 0)
        return 0;
    if (layout_ == MergeLayout::SheetPerRecord)
        return recordCount_;
    return int((startCell_ + recordCount_ + cellsPerSheet_ - 1) / cellsPerSheet_);
}

std::optional<MergePlan::Place> MergePlan::copiesPlaceOf(int sheet, std::int64_t cell) const
{
    if (layout_ == MergeLayout::CardPerRecord) {
        const std::int64_t position = sheet * cellsPerSheet_ + cell - startCell_;
        if (position >= cardEnds_.back())
            return std::nullopt;
        const auto record = std::upper_bound(cardEnds_.begin(), cardEnds_.end(), position);
        return Place{int(record - cardEnds_.begin()), position};
    }
    const auto ends = std::upper_bound(sheetEnds_.begin(), sheetEnds_.end(), std::int64_t(sheet));
    const std::size_t record = std::size_t(ends - sheetEnds_.begin());
    const std::int64_t firstSheet = record == 0 ? 0 : sheetEnds_[record - 1];
    const std::int64_t cardsBefore = record == 0 ? 0 : cardEnds_[record - 1];
    const std::int64_t card =
        (sheet - firstSheet) * cellsPerSheet_ + cell - (firstSheet == 0 ? startCell_ : 0);
    if (card >= cardEnds_[record] - cardsBefore)
        return std::nullopt;
    return Place{int(record), cardsBefore + card};
}

std::optional<MergePlan::Place> MergePlan::placeOf(int sheet, std::int64_t cell) const
{
    if (sheet < 0 || sheet >= SheetCount() || cell < 0 || cell >= cellsPerSheet_ ||
        (sheet == 0 && cell < startCell_))
        return std::nullopt;
    if (!cardEnds_.empty())
        return copiesPlaceOf(sheet, cell);
    // Every sheet but the first is full, whatever the layout.
    const std::int64_t card = sheet * cellsPerSheet_ + cell - startCell_;
    if (layout_ == MergeLayout::SheetPerRecord)
        return Place{sheet, card};
    return card < recordCount_ ? std::optional(Place{int(card), card}) : std::nullopt;
}

int MergePlan::RecordAt(int sheet, std::int64_t cell) const
{
    const std::optional<Place> place = placeOf(sheet, cell);
    return place ? firstRecord_ + place->Record : -1;
}

std::int64_t MergePlan::CardAt(int sheet, std::int64_t cell) const
{
    const std::optional<Place> place = placeOf(sheet, cell);
    return place ? cardsBefore_ + place->Card : -1;
}

std::int64_t MergePlan::CardCount() const
{
    if (!cardEnds_.empty())
        return cardEnds_.back();
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
