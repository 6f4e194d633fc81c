#pragma once

#include "model/sheet/SheetRun.h"

#include <cstdint>
#include <optional>
#include <vector>

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

    // Each record's number of cards, from the plan's first record on, instead of one card (a card per
    // record) or a sheet (a sheet per record); a record of no cards is left out. A record's cards fill
    // cells in order; with a sheet per record each record begins a sheet of its own.
    void SetCopies(const std::vector<int> &copies);

private:
    // Which record (from the plan's first) a filled cell shows, and the card's place among the cards
    // printed.
    struct Place {
        int Record;
        std::int64_t Card;
    };
    std::optional<Place> placeOf(int sheet, std::int64_t cell) const;
    std::optional<Place> copiesPlaceOf(int sheet, std::int64_t cell) const;

    int firstRecord_;
    int recordCount_;
    MergeLayout layout_;
    std::int64_t cellsPerSheet_;
    std::int64_t startCell_;
    std::int64_t cardsBefore_ = 0;
    // With copies: the cards printed up to each record's last, and with a sheet per record the
    // sheets up to each record's last; both empty without copies.
    std::vector<std::int64_t> cardEnds_;
    std::vector<std::int64_t> sheetEnds_;
};

// The cells a print of the card itself fills, as a plan whose records are the cards printed.
MergePlan PlanSheetRun(const SheetRun &run, std::int64_t cellsPerSheet);
