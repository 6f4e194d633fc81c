#include "model/output/OutputJob.h"
#include "PrintTestSupport.h"
#include "model/card/TVkVellumPanel.h"
#include "model/output/CardSurfaceSize.h"
#include "model/output/OutputLimits.h"
#include "model/output/PictureExport.h"
#include "model/output/SheetCells.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A start cell the sheet cannot take is named as the user's fault; a sheet with no cells is the
// card's, even when no start was asked for. A start kept from a larger sheet moves to the last cell.
TEST(OutputJob, AStartPastTheSheetIsRefusedAndAKeptOneMovesOntoIt)
{
    const TCardDef tenUp = BusinessCardSheet(2, 5);
    EXPECT_EQ(OutputJob{.Run = {.StartCell = 9}}.StartFault(tenUp), StartCellFault::None);
    EXPECT_EQ(OutputJob{.Run = {.StartCell = 10}}.StartFault(tenUp), StartCellFault::PastSheet);
    EXPECT_EQ(OutputJob().StartFault(BusinessCardSheet(0, 5)), StartCellFault::NoCells);
    EXPECT_EQ(OutputJob().StartFault(BusinessCardSheet(-2, 5)), StartCellFault::NoCells);
    // 65536 x 65536 cells overflow an int: the sheet is huge, not empty.
    EXPECT_EQ(OutputJob{.Run = {.StartCell = 9801}}.StartFault(BusinessCardSheet(65536, 65536)),
              StartCellFault::None);

    EXPECT_EQ(StartCellOnSheet(9, BusinessCardSheet(2, 4)), 7);
    EXPECT_EQ(StartCellOnSheet(3, tenUp), 3);
    EXPECT_EQ(StartCellOnSheet(-1, tenUp), 0);
    EXPECT_EQ(StartCellOnSheet(4, BusinessCardSheet(0, 0)), 0);
}

// The range a user types is counted from 1 and may run past the table; what lies in the table is
// drawn, and a range holding no record draws nothing rather than an empty sheet.
TEST(OutputJob, ARecordRangeBeyondTheTableIsCutOrRefused)
{
    EXPECT_EQ((OutputJob{.FirstRecord = 3, .LastRecord = 10}.Records(5)), (RecordRange{2, 3}));
    EXPECT_EQ(OutputJob{.FirstRecord = 5}.Records(5), (RecordRange{4, 1}));
    EXPECT_EQ(OutputJob().Records(7), (RecordRange{0, 7}));
    EXPECT_EQ(OutputJob{.FirstRecord = 6}.Records(5), std::nullopt);
    EXPECT_EQ((OutputJob{.FirstRecord = 4, .LastRecord = 3}.Records(10)), std::nullopt);
    EXPECT_EQ(OutputJob().Records(0), std::nullopt);
}

// Records 3 to 5 one card each on a ten-up sheet of which eight cards are used: two on the first
// sheet, the third at the top of a second.
TEST(OutputJob, RecordsFillSheetsFromTheStartCell)
{
    const OutputJob job{.Run = {.StartCell = 8}, .PerRecord = MergeLayout::CardPerRecord, .FirstRecord = 3};
    const MergePlan plan = job.Plan(BusinessCardSheet(2, 5), *job.Records(5));
    EXPECT_EQ(plan.SheetCount(), 2);
    EXPECT_EQ(plan.RecordAt(0, 7), -1);
    EXPECT_EQ(plan.RecordAt(0, 8), 2);
    EXPECT_EQ(plan.RecordAt(0, 9), 3);
    EXPECT_EQ(plan.RecordAt(1, 0), 4);
    EXPECT_EQ(plan.RecordAt(1, 1), -1);
}

// A printer keeps its back's offsets whatever turn the job asks; a PDF has no printer to correct,
// so it takes the turn alone. A job without a turn of its own keeps the one printed with last.
TEST(OutputJob, TheBackTurnsAsAskedAndKeepsOffsetsOnlyOnAPrinter)
{
    const BackSidePlacement kept{.Turn = SheetTurn::ShortEdge, .OffsetXTenthMm = 12, .OffsetYTenthMm = -5};
    const OutputJob longEdge{.BackTurn = SheetTurn::LongEdge};
    EXPECT_EQ(longEdge.PrinterBackPlacement(kept),
              (BackSidePlacement{.Turn = SheetTurn::LongEdge, .OffsetXTenthMm = 12, .OffsetYTenthMm = -5}));
    EXPECT_EQ(longEdge.PdfBackPlacement(kept), (BackSidePlacement{.Turn = SheetTurn::LongEdge}));
    EXPECT_EQ(OutputJob().PrinterBackPlacement(kept), kept);
    EXPECT_EQ(OutputJob().PdfBackPlacement(kept), (BackSidePlacement{.Turn = SheetTurn::ShortEdge}));

    EXPECT_TRUE(OutputJob().PrintsBack(true));
    EXPECT_FALSE(OutputJob().PrintsBack(false));
    EXPECT_FALSE(OutputJob{.FrontOnly = true}.PrintsBack(true));
    EXPECT_TRUE(OutputJob().PdfAdjustment().IsNone());
    EXPECT_EQ((OutputJob{.Adjustment = PrintAdjustment{15, -8, 10000}}.PdfAdjustment()),
              (PrintAdjustment{15, -8, 10000}));
}

// 91 x 55 mm is 455 x 275 surface pixels; a card sheet claiming a card metres wide is laid out at
// the largest surface, and one with a negative size at none. An upright card is 275 x 455.
TEST(OutputJob, TheCardSurfaceStaysWithinItsLimit)
{
    EXPECT_EQ(CardSurfaceSize(BusinessCardSheet(1, 1), coLandscape), QSize(455, 275));
    EXPECT_EQ(CardSurfaceSize(BusinessCardSheet(1, 1), coPortraitAnticlockwise), QSize(275, 455));
    TCardDef huge = BusinessCardSheet(1, 1);
    huge.CardSizeX = 100'000;
    huge.CardSizeY = -550;
    EXPECT_EQ(CardSurfaceSize(huge, coLandscape), QSize(OutputLimits::kMaxSurfacePixels, 0));
}

// A picture is the surface's own 455 x 275 pixels at 127 dpi unless a resolution is asked for; then
// it is drawn at that resolution and says so.
TEST(OutputJob, APictureIsDrawnAtTheSizeAskedAndSaysItsResolution)
{
    TVkVellumPanel card;
    SetPlainCardSide(card, clBlack);
    QTemporaryDir folder;
    const QString screen = folder.filePath("screen.png");
    const PictureExport plain;
    plain.Write(screen, PictureFileType::Png, plain.Render(card, OneCardSheet()));
    const QImage shown(screen);
    EXPECT_EQ(shown.size(), QSize(455, 275));
    EXPECT_NEAR(shown.dotsPerMeterX() * 0.0254, 127, 0.5);

    const QString path = folder.filePath("fine.jpg");
    const PictureExport fine{.Dpi = 300, .Quality = 95};
    fine.Write(path, PictureFileType::Jpeg, fine.Render(card, OneCardSheet()));
    const QImage printed(path);
    // 91 x 55 mm at 300 dpi.
    EXPECT_NEAR(printed.width(), 1075, 1);
    EXPECT_NEAR(printed.height(), 650, 1);
    EXPECT_NEAR(printed.dotsPerMeterX() * 0.0254, 300, 0.5);
}
