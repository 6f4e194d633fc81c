#include "model/sheet/BackSideSheet.h"
#include "PrintTestSupport.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

// Two cards of 91 x 55 mm across, five down, 10 mm from the left edge and 5 mm from the top.
TCardDef twoByFive()
{
    return BusinessCardSheet(2, 5, 100, 50);
}

// A4 at 254 dpi, where a device pixel is a tenth of a millimetre.
PrinterPage a4(bool upright = true)
{
    const QSize sheet = upright ? QSize(2100, 2970) : QSize(2970, 2100);
    return {QSize(254, 254), sheet, sheet, QPoint()};
}

} // namespace

TEST(BackSideSheet, CellsLieBehindTheFrontsForEitherTurn)
{
    // Long edge, upright: 210 - 10 - 2 x 91 = 18 mm from the left; rows stay.
    TCardDef back = BackSideCardDef(twoByFive(), a4(), {.Turn = SheetTurn::LongEdge});
    EXPECT_EQ(back.LeftMargin, 180);
    EXPECT_EQ(back.TopMargin, 50);
    EXPECT_EQ(FrontCellBehind(twoByFive(), a4(), SheetTurn::LongEdge, 0), 1);
    EXPECT_EQ(FrontCellBehind(twoByFive(), a4(), SheetTurn::LongEdge, 9), 8);

    // Short edge, upright: 297 - 5 - 5 x 55 = 17 mm from the top; columns stay.
    back = BackSideCardDef(twoByFive(), a4(), {.Turn = SheetTurn::ShortEdge});
    EXPECT_EQ(back.LeftMargin, 100);
    EXPECT_EQ(back.TopMargin, 170);
    EXPECT_EQ(FrontCellBehind(twoByFive(), a4(), SheetTurn::ShortEdge, 0), 8);
    EXPECT_EQ(FrontCellBehind(twoByFive(), a4(), SheetTurn::ShortEdge, 9), 1);

    // On a sheet lying on its side the long edge runs across: the rows change places.
    back = BackSideCardDef(twoByFive(), a4(false), {.Turn = SheetTurn::LongEdge});
    EXPECT_EQ(back.LeftMargin, 100);
    EXPECT_EQ(back.TopMargin, 2100 - 50 - 2750);
    EXPECT_FALSE(TurnMirrorsColumns(a4(false), SheetTurn::LongEdge));
    EXPECT_TRUE(TurnMirrorsColumns(a4(false), SheetTurn::ShortEdge));

    // The back's own offsets move it after the mirroring.
    back = BackSideCardDef(twoByFive(), a4(),
                           {.Turn = SheetTurn::LongEdge, .OffsetXTenthMm = 15, .OffsetYTenthMm = -8});
    EXPECT_EQ(back.LeftMargin, 195);
    EXPECT_EQ(back.TopMargin, 42);
}

TEST(BackSideSheet, TheBackCardStaysUprightInItsMirroredCell)
{
    TVkVellumPanel card;
    card.SetBounds(0, 0, 455, 275);
    // A black block over the card's left tenth, from top to bottom.
    auto block = std::make_unique<TVkDragLabel>();
    block->SetDrawMode(dmRectangle);
    block->SetBounds(0, 0, 45, 275);
    block->SetColor(clBlack);
    block->SetFillDraw(true);
    block->SetBrushColor(clBlack);
    card.AddObject(std::move(block));

    QImage image(a4().PhysicalSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawBackSideSheet(painter, a4(), card, twoByFive(), cmNone, {.Turn = SheetTurn::LongEdge});
    painter.end();

    const auto black = [&image](int x, int y) { return image.pixel(x, y) == qRgb(0, 0, 0); };
    // Back cells from 18 mm: the block at each cell's own left edge, not mirrored to its right.
    for (const int cellLeft : {180, 1090}) {
        EXPECT_TRUE(black(cellLeft + 20, 300)) << cellLeft;
        EXPECT_FALSE(black(cellLeft + 910 - 20, 300)) << cellLeft;
    }
    EXPECT_FALSE(black(120, 300)) << "the front's cells start at 10 mm, the back's at 18 mm";
}
