#include "model/sheet/MergePlan.h"

#include <gtest/gtest.h>

TEST(MergePlan, CardsPerRecordFillCellsInOrderFromTheStartCell)
{
    // Records 5..27 (23 of them) on a 10-up sheet whose first three cards are used: 7 + 10 + 6.
    const MergePlan plan(5, 23, MergeLayout::CardPerRecord, 10, 3);
    EXPECT_EQ(plan.SheetCount(), 3);
    EXPECT_EQ(plan.RecordAt(0, 2), -1);
    EXPECT_EQ(plan.RecordAt(0, 3), 5);
    EXPECT_EQ(plan.RecordAt(0, 9), 11);
    EXPECT_EQ(plan.RecordAt(1, 0), 12);
    EXPECT_EQ(plan.RecordAt(2, 5), 27);
    EXPECT_EQ(plan.RecordAt(2, 6), -1);
    EXPECT_EQ(plan.RecordAt(3, 0), -1);
    EXPECT_EQ(plan.RecordAt(1, 10), -1);
}

TEST(MergePlan, ASheetPerRecordRepeatsItsCard)
{
    const MergePlan plan(2, 3, MergeLayout::SheetPerRecord, 10);
    EXPECT_EQ(plan.SheetCount(), 3);
    EXPECT_EQ(plan.RecordAt(0, 0), 2);
    EXPECT_EQ(plan.RecordAt(0, 9), 2);
    EXPECT_EQ(plan.RecordAt(2, 4), 4);
    EXPECT_EQ(MergePlan(0, 0, MergeLayout::SheetPerRecord, 10).SheetCount(), 0);
    EXPECT_EQ(MergePlan(0, 0, MergeLayout::CardPerRecord, 10).SheetCount(), 0);
}

// Copies 3, 1, 0, 2 of records 4..7 on a 4-up sheet whose first card is used.
TEST(MergePlan, CopiesPerRecordFillCellsInOrderOrBeginASheetEach)
{
    MergePlan cards(4, 4, MergeLayout::CardPerRecord, 4, 1);
    cards.SetCopies({3, 1, 0, 2});
    EXPECT_EQ(cards.SheetCount(), 2);
    EXPECT_EQ(cards.CardCount(), 6);
    const std::vector<int> cardRecords{-1, 4, 4, 4, 5, 7, 7, -1};
    for (int cell = 0; cell < 8; ++cell)
        EXPECT_EQ(cards.RecordAt(cell / 4, cell % 4), cardRecords[std::size_t(cell)]) << cell;
    EXPECT_EQ(cards.CardAt(1, 1), 4);

    MergePlan sheets(4, 4, MergeLayout::SheetPerRecord, 4, 1);
    sheets.SetCopies({3, 1, 0, 6});
    EXPECT_EQ(sheets.SheetCount(), 4);
    EXPECT_EQ(sheets.CardCount(), 10);
    const std::vector<int> sheetRecords{-1, 4, 4, 4, 5, -1, -1, -1, 7, 7, 7, 7, 7, 7, -1, -1};
    for (int cell = 0; cell < 16; ++cell)
        EXPECT_EQ(sheets.RecordAt(cell / 4, cell % 4), sheetRecords[std::size_t(cell)]) << cell;
    // Cards are counted as they print, the empty cells left out.
    EXPECT_EQ(sheets.CardAt(1, 0), 3);
    EXPECT_EQ(sheets.CardAt(3, 1), 9);
}
