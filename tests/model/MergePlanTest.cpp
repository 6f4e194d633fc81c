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
