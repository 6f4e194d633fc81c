#include "PrintTestSupport.h"
#include "TestQueue.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "printer/TQdPrinter.h"
#include "printer/TwoSidedPrinter.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <gtest/gtest.h>

namespace {

constexpr int kLookDpi = 150;
constexpr TColor kBlue = 0x00FF0000;
constexpr TColor kRed = 0x000000FF;

// One card across, two down, 20 mm from the left and top edges: a sheet whose back differs from its
// front for either turn.
TCardDef oneByTwo()
{
    return BusinessCardSheet(1, 2, 200, 200);
}

void setUpCard(TVkVellumPanel &card, TColor color)
{
    card.SetBounds(0, 0, 455, 275);
    card.SetColor(color);
}

// The back: red, with a black block over its left tenth that shows which way up it was printed.
void setUpBack(TVkVellumPanel &back)
{
    setUpCard(back, kRed);
    auto block = std::make_unique<TVkDragLabel>();
    block->SetDrawMode(dmRectangle);
    block->SetBounds(0, 0, 45, 275);
    block->SetColor(clBlack);
    block->SetFillDraw(true);
    block->SetBrushColor(clBlack);
    back.AddObject(std::move(block));
}

QRgb pixelAtMm(const QImage &page, double xMm, double yMm)
{
    return page.pixel(int(xMm / 25.4 * kLookDpi), int(yMm / 25.4 * kLookDpi));
}

class TwoSidedPrinting : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const std::string missing = TestQueueMissing(); !missing.empty())
            GTEST_SKIP() << missing;
        printer.Printer().setPrinterName(kQueue);
        printer.Printer().setPageSize(QPageSize(QPageSize::A4));
        printer.Printer().setPageOrientation(QPageLayout::Portrait);
        printer.Printer().setResolution(300);
        printer.Refresh();
        setUpCard(front, kBlue);
        setUpBack(back);
    }

    // Prints through the queue and gives the pages of the PDF it wrote.
    std::vector<QImage> printThroughQueue(const QString &name, SheetTurn turn, BackSideFeed feed,
                                          int *turnOvers = nullptr)
    {
        const QString token = QStringLiteral("%1%2").arg(name).arg(QCoreApplication::applicationPid());
        PrintTwoSidedCardSheet(printer, token, front, back, oneByTwo(), cmNone, {.Turn = turn}, feed, [&] {
            if (turnOvers)
                ++*turnOvers;
            return true;
        });
        std::vector<QImage> pages;
        const QString fronts = WaitForCupsPdfJob(token);
        for (const int number : {1, 2})
            pages.push_back(RasterisePdf(fronts, kLookDpi, number));
        QFile::remove(fronts);
        if (feed == BackSideFeed::Manual) {
            const QString backs = WaitForCupsPdfJob(token);
            pages[1] = RasterisePdf(backs, kLookDpi);
            QFile::remove(backs);
        }
        return pages;
    }

    TQdPrinter printer;
    TVkVellumPanel front;
    TVkVellumPanel back;
};

} // namespace

TEST_F(TwoSidedPrinting, ALongEdgeTurnMirrorsTheColumnsOnThePrintersSecondPage)
{
    const std::vector<QImage> pages =
        printThroughQueue("VellumiaLongEdge", SheetTurn::LongEdge, BackSideFeed::Duplex);
    ASSERT_FALSE(pages[0].isNull());
    ASSERT_FALSE(pages[1].isNull()) << "the back is the job's second page";
    // The front's cells run from 20 to 111 mm across; behind them, seen from the back, 99 to 190 mm.
    EXPECT_TRUE(IsNear(pixelAtMm(pages[0], 50, 40), qRgb(0, 0, 255)));
    EXPECT_TRUE(IsNear(pixelAtMm(pages[0], 150, 40), qRgb(255, 255, 255)));
    for (const double y : {40.0, 100.0}) {
        EXPECT_TRUE(IsNear(pixelAtMm(pages[1], 50, y), qRgb(255, 255, 255))) << y;
        EXPECT_TRUE(IsNear(pixelAtMm(pages[1], 150, y), qRgb(255, 0, 0))) << y;
        // Upright: the block at the card's left edge.
        EXPECT_TRUE(IsNear(pixelAtMm(pages[1], 103, y), qRgb(0, 0, 0))) << y;
        EXPECT_TRUE(IsNear(pixelAtMm(pages[1], 186, y), qRgb(255, 0, 0))) << y;
    }
    EXPECT_EQ(printer.Printer().duplex(), QPrinter::DuplexNone) << "the printer's own mode comes back";
}

TEST_F(TwoSidedPrinting, AShortEdgeTurnMirrorsTheRows)
{
    const std::vector<QImage> pages =
        printThroughQueue("VellumiaShortEdge", SheetTurn::ShortEdge, BackSideFeed::Duplex);
    ASSERT_FALSE(pages[1].isNull());
    // The front's rows run from 20 to 130 mm down; behind them, seen from the back, 167 to 277 mm.
    EXPECT_TRUE(IsNear(pixelAtMm(pages[1], 50, 40), qRgb(255, 255, 255)));
    EXPECT_TRUE(IsNear(pixelAtMm(pages[1], 50, 150), qRgb(255, 255, 255)));
    for (const double y : {190.0, 250.0}) {
        EXPECT_TRUE(IsNear(pixelAtMm(pages[1], 50, y), qRgb(255, 0, 0))) << y;
        EXPECT_TRUE(IsNear(pixelAtMm(pages[1], 24, y), qRgb(0, 0, 0))) << y;
        EXPECT_TRUE(IsNear(pixelAtMm(pages[1], 150, y), qRgb(255, 255, 255))) << y;
    }
}

TEST_F(TwoSidedPrinting, ManualFeedingPrintsTheBacksAsASecondJobAfterTheTurn)
{
    int turnOvers = 0;
    const std::vector<QImage> pages =
        printThroughQueue("VellumiaManual", SheetTurn::LongEdge, BackSideFeed::Manual, &turnOvers);
    EXPECT_EQ(turnOvers, 1);
    EXPECT_TRUE(pages[0].isNull() == false && IsNear(pixelAtMm(pages[0], 50, 40), qRgb(0, 0, 255)));
    ASSERT_FALSE(pages[1].isNull());
    EXPECT_TRUE(IsNear(pixelAtMm(pages[1], 150, 40), qRgb(255, 0, 0)));
    EXPECT_TRUE(IsNear(pixelAtMm(pages[1], 103, 40), qRgb(0, 0, 0)));
}
