#include "PrintTestSupport.h"
#include "model/card/TVkVellumPanel.h"
#include "model/sheet/CardDefinitions.h"
#include "model/sheet/PaperPreview.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

// A4 portrait at 300 dpi, printable to the edge.
const PaperPreviewSheet kA4{QSize(2480, 3508), QSize(2100, 2970), QPoint(), QSize(2480, 3508),
                            QSize(300, 300)};
const QSize kBox(241, 313);

QImage preview(const PaperPreviewSheet &sheet, const TCardDef &cardDef, const PaperPreviewCards &cards)
{
    QImage image(kBox, QImage::Format_RGB32);
    image.fill(Qt::green);
    QPainter painter(&image);
    PaintPaperPreview(painter, kBox, sheet, cardDef, cards);
    return image;
}

// The middle of each cell of the preview, found through the preview's own hit test.
std::map<std::int64_t, QPoint> cellMiddles(const PaperPreviewSheet &sheet, const TCardDef &cardDef)
{
    std::map<std::int64_t, QRect> cells;
    for (int y = 0; y < kBox.height(); ++y)
        for (int x = 0; x < kBox.width(); ++x)
            if (const std::int64_t cell = PaperPreviewCellAt(kBox, sheet, cardDef, QPoint(x, y)); cell >= 0)
                cells[cell] |= QRect(x, y, 1, 1);
    std::map<std::int64_t, QPoint> middles;
    for (const auto &[cell, area] : cells)
        middles[cell] = area.center();
    return middles;
}

int countOf(const QImage &image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

} // namespace

TEST(PaperPreviewCards, TheCardShowsInEveryCellFromTheStartCell)
{
    TVkVellumPanel card;
    card.SetBounds(0, 0, 455, 275);
    card.SetColor(RGBToColor(0, 0, 255));
    const TCardDef tenUp = ParseCardDef("\"Ten up\",910,550,2,5,140,110,0,0,0");
    const std::map<std::int64_t, QPoint> middles = cellMiddles(kA4, tenUp);
    ASSERT_EQ(middles.size(), 10u);
    // The cells lie where the sheet puts them: the first 14 mm in and 11 mm down, at 308 / 2970
    // preview pixels a tenth of a millimetre.
    EXPECT_NEAR(middles.at(0).x(), 12 + (140 + 455) * 308.0 / 2970, 2);
    EXPECT_NEAR(middles.at(0).y(), (110 + 275) * 308.0 / 2970, 2);
    EXPECT_EQ(PaperPreviewCellAt(kBox, kA4, tenUp, QPoint(13, 5)), -1); // the paper's margin

    const QImage all = preview(kA4, tenUp, {.Card = &card});
    for (const auto &[cell, middle] : middles)
        EXPECT_EQ(all.pixel(middle), qRgb(0, 0, 255)) << cell;
    const QImage fromFourth = preview(kA4, tenUp, {.Card = &card, .StartCell = 3});
    for (const auto &[cell, middle] : middles) {
        if (cell < 3)
            EXPECT_NE(fromFourth.pixel(middle), qRgb(0, 0, 255)) << cell;
        else
            EXPECT_EQ(fromFourth.pixel(middle + QPoint(3, 3)), qRgb(0, 0, 255)) << cell;
    }

    // The printer's correction moves the cards on the paper, and the hit test follows them.
    PaperPreviewSheet moved = kA4;
    moved.Adjustment = {.OffsetXTenthMm = 200, .OffsetYTenthMm = 0};
    EXPECT_NEAR(cellMiddles(moved, tenUp).at(0).x(), middles.at(0).x() + 200 * 308.0 / 2970, 2);
    EXPECT_EQ(preview(moved, tenUp, {.Card = &card}).pixel(middles.at(0) - QPoint(40, 0)),
              qRgb(255, 255, 255));
}

TEST(PaperPreviewCards, ASheetLargerThanThePaperRunsOffItInRed)
{
    TVkVellumPanel card;
    card.SetBounds(0, 0, 430, 302);
    card.SetColor(RGBToColor(0, 0, 255));
    const TCardDef b4 = ParseCardDef("\"B4 across\",860,605,4,2,165,80,0,0,0");
    EXPECT_FALSE(CardSheetFitsPaper(b4, kA4.PhysicalPaperSizeTenthMm));
    EXPECT_TRUE(CardSheetFitsPaper(b4, QSize(3640, 2570)));
    const QImage image = preview(kA4, b4, {.Card = &card});
    const QRgb red = qRgb(255, 0, 0);
    EXPECT_GT(countOf(image, red), 100);
    // Every card is within the box: the paper made room for the sheet.
    const std::map<std::int64_t, QPoint> middles = cellMiddles(kA4, b4);
    EXPECT_EQ(middles.size(), 8u);
    const QImage fits = preview(kA4, ParseCardDef("\"Ten up\",910,550,2,5,140,110,0,0,0"), {.Card = &card});
    EXPECT_EQ(countOf(fits, red), 0);
}

TEST(PaperPreviewCards, TheBackOfThePaperShowsTheBackBehindEachPrintedCellAndClicksReachTheFront)
{
    TVkVellumPanel front;
    SetPlainCardSide(front, RGBToColor(0, 0, 255));
    TVkVellumPanel back;
    SetPlainCardSide(back, RGBToColor(255, 0, 0));
    const QRgb red = qRgb(255, 0, 0);
    // One card across at 20 mm from the left: turned about the long edge, its back is 99 to 190 mm
    // from the left as the back is looked at; about the short edge, the rows are mirrored instead.
    const TCardDef oneAcross = ParseCardDef("\"One across\",910,550,1,2,200,200,0,0,0");
    const auto previewX = [](double mm) { return int(12 + mm * 10 * 308.0 / 2970); };
    const auto previewY = [](double mm) { return int(mm * 10 * 308.0 / 2970); };
    const PaperPreviewCards longEdge{.Card = &front, .Back = &back, .ShowBack = true};
    const QImage image = preview(kA4, oneAcross, longEdge);
    for (const double y : {40.0, 100.0}) {
        EXPECT_EQ(image.pixel(previewX(150), previewY(y)), red) << y;
        EXPECT_EQ(image.pixel(previewX(50), previewY(y)), qRgb(255, 255, 255)) << y;
    }
    EXPECT_EQ(preview(kA4, oneAcross, {.Card = &front, .Back = &back}).pixel(previewX(50), previewY(40)),
              qRgb(0, 0, 255))
        << "the front unless the back is asked for";

    // From the second card, the first card's back stays empty and is marked as used.
    PaperPreviewCards fromSecond = longEdge;
    fromSecond.StartCell = 1;
    fromSecond.BackPlacement.Turn = SheetTurn::ShortEdge;
    const QImage rows = preview(kA4, oneAcross, fromSecond);
    // The front's rows run from 20 to 130 mm down; behind them, 167 to 277 mm, the second on top.
    EXPECT_EQ(rows.pixel(previewX(50), previewY(190)), red);
    EXPECT_NE(rows.pixel(previewX(50), previewY(250)), red);
    EXPECT_NE(rows.pixel(previewX(50), previewY(40)), red);
    EXPECT_EQ(PaperPreviewCellAt(kBox, kA4, oneAcross, QPoint(previewX(50), previewY(190)), fromSecond), 1);
    EXPECT_EQ(PaperPreviewCellAt(kBox, kA4, oneAcross, QPoint(previewX(50), previewY(250)), fromSecond), 0);
    EXPECT_EQ(PaperPreviewCellAt(kBox, kA4, oneAcross, QPoint(previewX(50), previewY(100)), fromSecond), -1);
}
