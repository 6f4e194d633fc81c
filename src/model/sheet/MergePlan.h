#pragma once

#include "model/sheet/SheetRun.h"

#include <cstdint>

// How records fill sheets: one card per record, cell after cell over as many sheets as needed, or a
// whole sheet of the same card for each record (the usual way to print one person's cards).
enum class MergeLayout { CardPerRecord, SheetPerRecord };

// Which record each cell of each sheet shows in a merged print. Records are counted from 0 in the
// table; cells from 0 on a sheet, row by row. Cells before the start cell of the first sheet stay
// empty, for a sheet of which some cards are already used.
class MergePlan {
public:
    MergePlan(int firstRecord, int recordCount, MergeLayout layout, std::int64_t cellsPerSheet,
              std::int64_t startCell = 0);

    int SheetCount() const;
    // The record the cell shows, or -1 when it stays empty.
    int RecordAt(int sheet, std::int64_t cell) const;
    // The number of the card the cell shows among the cards printed, counted from the cards an
    // earlier run numbered when this one continues it; -1 when the cell stays empty.
    std::int64_t CardAt(int sheet, std::int64_t cell) const;
    // How many cards the plan prints.
    std::int64_t CardCount() const;

    // Cards numbered by an earlier run that this one continues to count from.
    std::int64_t CardsBefore() const { return cardsBefore_; }
    void SetCardsBefore(std::int64_t cards) { cardsBefore_ = cards; }

private:
    int firstRecord_;
    int recordCount_;
    MergeLayout layout_;
    std::int64_t cellsPerSheet_;
    std::int64_t startCell_;
    std::int64_t cardsBefore_ = 0;
};

// The cells a print of the card itself fills, as a plan whose records are the cards printed.
MergePlan PlanSheetRun(const SheetRun &run, std::int64_t cellsPerSheet);
