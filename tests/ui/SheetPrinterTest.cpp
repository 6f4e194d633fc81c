#include "printer/SheetPrinter.h"
#include "PrintTestSupport.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "printer/PrinterPageOf.h"
#include "ui/platform/MessageBox.h"

#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <climits>
#include <gtest/gtest.h>

namespace {

constexpr TColor kYellow = RGBToColor(255, 255, 0);

TCardDef sheet(int cardX, int cardY, int columns, int lines, int left, int top, int columnSpace,
               int lineSpace)
{
    TCardDef cardDef{};
    cardDef.CardSizeX = cardX;
    cardDef.CardSizeY = cardY;
    cardDef.Columns = columns;
    cardDef.Lines = lines;
    cardDef.LeftMargin = left;
    cardDef.TopMargin = top;
    cardDef.ColumnSpace = columnSpace;
    cardDef.LineSpace = lineSpace;
    return cardDef;
}

// At 254 dpi a tenth of a millimetre is one device pixel, which keeps the numbers below readable.
PrinterPage page254(int width, int height, QPoint offset = {})
{
    return {QSize(254, 254), QSize(width, height), QSize(width, height) - QSize(offset.x(), offset.y()),
            offset};
}

QImage printed(const TVkVellumPanel &card, const TCardDef &cardDef, int guessMark, const PrinterPage &page)
{
    QImage image(page.PhysicalSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawCardSheet(painter, page, card, cardDef, guessMark);
    return image;
}

std::unique_ptr<TVkDragLabel> filledRectangle(int left, int top, int width, int height)
{
    auto object = std::make_unique<TVkDragLabel>();
    object->SetDrawMode(dmRectangle);
    object->SetBounds(left, top, width, height);
    object->SetColor(clBlack);
    object->SetFillDraw(true);
    object->SetBrushColor(clBlack);
    return object;
}

} // namespace

TEST(SheetPrinter, TenthMmToDevicePixelsCutsTowardZero)
{
    EXPECT_EQ(TenthMmToDevicePixels(910, 600), 2149);  // 546000 / 254 = 2149.6
    EXPECT_EQ(TenthMmToDevicePixels(20, 600), 47);     // 12000 / 254 = 47.2
    EXPECT_EQ(TenthMmToDevicePixels(1050, 600), 2480); // not 330 + 2149
    EXPECT_EQ(TenthMmToDevicePixels(20, 300), 23);
    EXPECT_EQ(TenthMmToDevicePixels(-1, 600), -2); // -2.36
    EXPECT_EQ(TenthMmToDevicePixels(0, 600), 0);
    EXPECT_EQ(TenthMmToDevicePixels(INT_MAX, 1200), INT_MAX); // held, not wrapped
}

TEST(SheetPrinter, CellsOfATwoByFiveSheetAtThreeAndSixHundredDpi)
{
    const TCardDef tenUp = sheet(910, 550, 2, 5, 140, 110, 0, 0);
    const PrinterPage at600{QSize(600, 600), QSize(4960, 7016), QSize(4960, 7016), QPoint()};
    EXPECT_EQ(CardCellRect(tenUp, at600, 0, 0), QRect(330, 259, 2149, 1299));
    EXPECT_EQ(CardCellRect(tenUp, at600, 1, 0), QRect(2480, 259, 2149, 1299));
    EXPECT_EQ(CardCellRect(tenUp, at600, 0, 1), QRect(330, 1559, 2149, 1299));
    EXPECT_EQ(CardCellRect(tenUp, at600, 1, 4), QRect(2480, 5456, 2149, 1299));

    const PrinterPage at300{QSize(300, 300), QSize(2480, 3508), QSize(2480, 3508), QPoint()};
    EXPECT_EQ(CardCellRect(tenUp, at300, 0, 0), QRect(165, 129, 1074, 649));
    EXPECT_EQ(CardCellRect(tenUp, at300, 1, 4), QRect(1240, 2728, 1074, 649));

    // An unprintable border moves every cell back by its width, so the cards stay put on paper.
    const PrinterPage bordered{QSize(600, 600), QSize(4960, 7016), QSize(4760, 6916), QPoint(100, 50)};
    EXPECT_EQ(CardCellRect(tenUp, bordered, 1, 4), QRect(2380, 5406, 2149, 1299));
}

TEST(SheetPrinter, CornerCrossesLeaveOutEndPointsAndLaterCellsCoverThem)
{
    TVkVellumPanel card;
    card.SetBounds(0, 0, 100, 50);
    card.SetColor(kYellow);
    // Cells 200 x 100 at (50, 60) and (250, 60), side by side.
    const QImage image =
        printed(card, sheet(200, 100, 2, 1, 50, 60, 0, 0), cmCornerCrosses, page254(500, 300));
    const QRgb black = qRgb(0, 0, 0);
    const QRgb yellow = qRgb(255, 255, 0);
    const QRgb white = qRgb(255, 255, 255);
    // The top-left cross of the first cell: 20 pixels each way, end points left out.
    EXPECT_EQ(image.pixel(30, 60), black);
    EXPECT_EQ(image.pixel(29, 60), white);
    EXPECT_EQ(image.pixel(69, 60), black);
    EXPECT_EQ(image.pixel(70, 60), yellow);
    EXPECT_EQ(image.pixel(50, 40), black);
    EXPECT_EQ(image.pixel(50, 39), white);
    EXPECT_EQ(image.pixel(50, 79), black);
    EXPECT_EQ(image.pixel(50, 80), yellow);
    // The bottom crosses stand one pixel below the cell.
    EXPECT_EQ(image.pixel(30, 161), black);
    EXPECT_EQ(image.pixel(30, 160), white);
    // The first cell's top-right cross (x 251) shows above the cells, but inside the second cell,
    // painted later, its arm is covered; the second cell's own arm reaching back into the first stays.
    EXPECT_EQ(image.pixel(251, 45), black);
    EXPECT_EQ(image.pixel(251, 65), yellow);
    EXPECT_EQ(image.pixel(230, 60), black);
    EXPECT_EQ(image.pixel(229, 60), yellow);
}

TEST(SheetPrinter, DottedFrameRunsThroughTheFirstAndPastTheLastPixel)
{
    TVkVellumPanel card;
    card.SetBounds(0, 0, 100, 50);
    card.SetColor(kYellow);
    const QImage image = printed(card, sheet(200, 100, 1, 1, 50, 60, 0, 0), cmDottedFrame, page254(400, 300));
    const auto blackIn = [&image](QPoint from, QPoint step, int count) {
        int black = 0;
        for (QPoint p = from; count-- > 0; p += step)
            black += image.pixel(p) == qRgb(0, 0, 0);
        return black;
    };
    // Left column 50 and right column 250 carry dots, top row 60 and bottom row 160; beside them none.
    for (const int x : {50, 250}) {
        EXPECT_GT(blackIn(QPoint(x, 62), QPoint(0, 1), 96), 20) << x;
        EXPECT_LT(blackIn(QPoint(x, 62), QPoint(0, 1), 96), 90) << x; // dotted, not solid
    }
    for (const int x : {49, 51, 249, 251})
        EXPECT_EQ(blackIn(QPoint(x, 62), QPoint(0, 1), 96), 0) << x;
    for (const int y : {60, 160})
        EXPECT_GT(blackIn(QPoint(52, y), QPoint(1, 0), 196), 40) << y;
    for (const int y : {59, 61, 159, 161})
        EXPECT_EQ(blackIn(QPoint(52, y), QPoint(1, 0), 196), 0) << y;
}

TEST(SheetPrinter, ObjectsArePlacedAtTheScaleOfTheCellAndCutAtItsEdge)
{
    TVkVellumPanel card;
    card.SetBounds(0, 0, 90, 45);
    card.SetColor(kYellow);
    card.AddObject(filledRectangle(10, 10, 5, 5));
    card.AddObject(filledRectangle(80, 20, 30, 5)); // runs 20 pixels past the card's right edge
    // Scale 200 / 90; cells at x 50 and 270 (a 20-pixel gap), nothing drawn as marks.
    const QImage image = printed(card, sheet(200, 100, 2, 1, 50, 60, 20, 0), cmNone, page254(500, 200));
    // trunc(10 × 2.222 + 50) = 72 and trunc(10 × 2.222 + 60) = 82.
    EXPECT_EQ(image.pixel(72, 85), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(71, 85), qRgb(255, 255, 0));
    EXPECT_EQ(image.pixel(75, 82), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(75, 81), qRgb(255, 255, 0));
    // The long object stops at the cell's last column; the gap and the next cell stay clean.
    EXPECT_EQ(image.pixel(249, 110), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(250, 110), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(270, 110), qRgb(255, 255, 0));
    // The same object in the second cell.
    EXPECT_EQ(image.pixel(292, 85), qRgb(0, 0, 0));
}

TEST(SheetPrinter, EmptyAbsurdAndZeroWidthSheetsDrawWhatShowsAndReturn)
{
    TVkVellumPanel card;
    card.SetBounds(0, 0, 100, 50);
    card.SetColor(kYellow);
    card.AddObject(filledRectangle(10, 10, 5, 5));
    const PrinterPage page = page254(300, 300);

    const QImage none = printed(card, sheet(200, 100, 0, 3, 50, 60, 0, 0), cmCornerCrosses, page);
    EXPECT_EQ(none.pixel(100, 100), qRgb(255, 255, 255));
    EXPECT_EQ(none.pixel(50, 40), qRgb(255, 255, 255));

    // Two thousand million cells each way: only those that reach the sheet are drawn.
    const QImage huge = printed(card, sheet(20, 10, INT_MAX, INT_MAX, 0, 0, 0, 0), cmNone, page);
    EXPECT_EQ(huge.pixel(295, 295), qRgb(255, 255, 0));
    EXPECT_EQ(huge.pixel(0, 0), qRgb(255, 255, 0));
    // Every cell on the same spot, and cells running backwards off the sheet.
    const QImage stacked = printed(card, sheet(200, 100, INT_MAX, INT_MAX, 50, 60, -200, -100), cmNone, page);
    EXPECT_EQ(stacked.pixel(100, 100), qRgb(255, 255, 0));
    EXPECT_EQ(stacked.pixel(40, 100), qRgb(255, 255, 255));
    const QImage backwards = printed(card, sheet(200, 100, INT_MAX, 1, 50, 60, -400, 0), cmNone, page);
    EXPECT_EQ(backwards.pixel(100, 100), qRgb(255, 255, 0));

    TVkVellumPanel flat;
    flat.SetBounds(0, 0, 0, 50);
    flat.AddObject(filledRectangle(0, 0, 5, 5));
    const QImage zeroWide = printed(flat, sheet(0, 100, 2, 1, 50, 60, 10, 0), cmDottedFrame, page);
    EXPECT_EQ(zeroWide.pixel(100, 100), qRgb(255, 255, 255));
}

TEST(SheetPrinter, SheetsPilingCellsTooDeepAreRefusedWhileTheEditorsLargestIsDrawn)
{
    TVkVellumPanel card;
    card.SetBounds(0, 0, 100, 50);
    card.SetColor(kYellow);
    const PrinterPage page = page254(300, 300);
    QImage image(page.PhysicalSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    // Cells a pixel apart, each the whole sheet wide: hundreds of layers on every pixel.
    EXPECT_THROW(
        DrawCardSheet(painter, page, card, sheet(300, 300, INT_MAX, INT_MAX, 0, 0, -299, -299), cmNone),
        VkError);
    // Cells a pixel apart and a pixel wide: no pile, but over 100,000 of them reach the sheet.
    EXPECT_THROW(DrawCardSheet(painter, page, card, sheet(1, 1, INT_MAX, INT_MAX, 0, 0, 0, 0), cmNone),
                 VkError);
    EXPECT_EQ(image.pixel(150, 150), qRgb(255, 255, 255));

    // 99 × 99 three-pixel cards side by side, as large as the card sheet editor makes them.
    const QImage editorsLargest = printed(card, sheet(3, 3, 99, 99, 0, 0, 0, 0), cmNone, page);
    EXPECT_EQ(editorsLargest.pixel(296, 296), qRgb(255, 255, 0));
    EXPECT_EQ(editorsLargest.pixel(298, 298), qRgb(255, 255, 255));
}

TEST(SheetPrinter, PdfSheetAtSixHundredDpiShowsEveryCellWhereThePaperHasIt)
{
    if (PdfToImageTool().isEmpty())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath("sheet.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setResolution(600);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);

    TVkVellumPanel card;
    card.SetBounds(0, 0, 455, 275);
    card.SetColor(0x00FF0000); // blue
    card.AddObject(filledRectangle(0, 0, 91, 55));
    const TCardDef tenUp = sheet(910, 550, 2, 5, 140, 110, 0, 0);
    const PrinterPage page = PrinterPageOf(printer);
    ASSERT_NEAR(page.PhysicalOffset.x(), 118, 2); // 5 mm at 600 dpi
    {
        QPainter painter(&printer);
        DrawCardSheet(painter, page, card, tenUp, cmDottedFrame);
    }
    const QImage image = RasterisePdf(pdf, 600);
    ASSERT_FALSE(image.isNull());
    ASSERT_NEAR(image.width(), page.PhysicalSize.width(), 2);
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 2; ++column) {
            // On paper the cell is where the margins put it, the printable border notwithstanding.
            const QRect cell = CardCellRect(tenUp, page, column, row).translated(page.PhysicalOffset);
            const QPoint inside = cell.center() + QPoint(cell.width() / 4, 0);
            EXPECT_TRUE(IsNear(image.pixel(inside), qRgb(0, 0, 255))) << row << "," << column;
            // The object fills the card's top-left fifth.
            EXPECT_TRUE(IsNear(image.pixel(cell.topLeft() + QPoint(40, 40)), qRgb(0, 0, 0)));
            EXPECT_TRUE(
                IsNear(image.pixel(cell.topLeft() + QPoint(cell.width() / 5 + 40, 40)), qRgb(0, 0, 255)));
        }
    }
    const QRect first = CardCellRect(tenUp, page, 0, 0).translated(page.PhysicalOffset);
    EXPECT_TRUE(IsNear(image.pixel(first.left() - 3, first.center().y()), qRgb(255, 255, 255)));
    EXPECT_TRUE(IsNear(image.pixel(first.left() + 3, first.center().y()), qRgb(0, 0, 255)));
}

TEST(SheetPrinter, CardsReachIntoTheUnprintableBorderUpToTheSheetsEdge)
{
    TVkVellumPanel card;
    card.SetBounds(0, 0, 100, 50);
    card.SetColor(kYellow);
    // The device's origin lies 30 and 20 pixels into the sheet; the whole sheet is drawn on.
    const PrinterPage page = page254(300, 200, QPoint(30, 20));
    QImage sheetImage(page.PhysicalSize, QImage::Format_RGB32);
    sheetImage.fill(Qt::white);
    QPainter painter(&sheetImage);
    painter.translate(page.PhysicalOffset);
    // Two cards from the paper's corner, the second running past its right edge.
    DrawCardSheet(painter, page, card, sheet(200, 100, 2, 1, 0, 0, 0, 0), cmNone);
    painter.end();
    EXPECT_EQ(sheetImage.pixel(0, 0), qRgb(255, 255, 0));
    EXPECT_EQ(sheetImage.pixel(29, 19), qRgb(255, 255, 0));
    EXPECT_EQ(sheetImage.pixel(299, 99), qRgb(255, 255, 0));
    EXPECT_EQ(sheetImage.pixel(0, 100), qRgb(255, 255, 255));
}
