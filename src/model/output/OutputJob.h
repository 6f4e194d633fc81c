#pragma once

#include "model/output/RecordRange.h"
#include "model/sheet/BackSideSheet.h"
#include "model/sheet/MergePlan.h"
#include "model/sheet/PrintAdjustment.h"
#include "model/sheet/SheetRun.h"

#include <QString>
#include <optional>

class MergeTable;
struct TCardDef;

// Why a job on sheets cannot start where it asks.
enum class StartCellFault {
    None,
    NoCells,  // the card sheet has no cells at all: the card's fault, whatever start was asked
    PastSheet // the start lies beyond the sheet's last cell
};

// What one print, PDF, merge or picture export of a card puts out, as the window's dialogs or the
// command line's options chose it. Each front end fills one in from its user's choices; the rules
// below then decide the rest alike for both.
struct OutputJob {
    SheetRun Run{};                      // the start cell, and how much a job without a table puts out
    bool FrontOnly = false;              // a card's back side left out
    std::optional<SheetTurn> BackTurn{}; // instead of the turn the back was printed with last
    int Copies = 1;
    // The correction for this job instead of the printer's own (print) or none (PDF).
    std::optional<PrintAdjustment> Adjustment{};
    MergeLayout PerRecord = MergeLayout::SheetPerRecord;
    bool ContinueNumbering = false; // cards counted by {{連番}} go on from the last merge's number
    QString CopiesColumn{};         // the merge table's column that gives each record's number of cards
    int FirstRecord = 1;            // counted from 1 as a spreadsheet's rows below its header
    std::optional<int> LastRecord{};

    // Whether a card whose back side has content (or not) is put out on both sides.
    bool PrintsBack(bool cardHasBack) const { return cardHasBack && !FrontOnly; }
    // Where the back lands on a printer: the placement kept for it, turned as the job asks.
    BackSidePlacement PrinterBackPlacement(const BackSidePlacement &kept) const;
    // Where the back lands in a PDF: turned as the job asks or as kept, without the offsets, which
    // correct a printer and are left to whoever prints the file.
    BackSidePlacement PdfBackPlacement(const BackSidePlacement &kept) const;
    // A PDF is moved only when the job asks: there is no printer to correct.
    PrintAdjustment PdfAdjustment() const { return Adjustment.value_or(PrintAdjustment()); }

    StartCellFault StartFault(const TCardDef &cardDef) const;

    // The records of a table of recordCount records the job draws; none when its range holds none.
    std::optional<RecordRange> Records(int recordCount) const;
    // Which record each cell of each sheet shows when those records fill sheets of cardDef from the
    // start cell.
    MergePlan Plan(const TCardDef &cardDef, const RecordRange &records) const;
    // The same for a merge of table, each record printing as many cards as its value in the copies
    // column says when the job names one (an empty value: one card). Raises VkError naming the column
    // the table lacks, or the record and column of a value that is no number of cards, or when the
    // cards would be more than a merge prints.
    MergePlan Plan(const TCardDef &cardDef, const MergeTable &table, const RecordRange &records) const;

    bool operator==(const OutputJob &) const = default;
};
