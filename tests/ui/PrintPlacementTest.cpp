#include "PrintTestSupport.h"
#include "TestQueue.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/sheet/CardDefinitions.h"
#include "printer/SheetPrinter.h"
#include "printer/TQdPrinter.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <gtest/gtest.h>

namespace {

constexpr int kDpi = 300;

// The ten-up business card sheet with a card that is white but for a black block, so that where
// each cell's ink lands can be measured.
struct BlockCard {
    BlockCard()
    {
        card.SetBounds(0, 0, 455, 275);
        card.SetColor(clWhite);
        auto block = std::make_unique<TVkDragLabel>();
        block->SetDrawMode(dmRectangle);
        block->SetBounds(100, 60, 200, 120);
        block->SetColor(clBlack);
        block->SetFillDraw(true);
        block->SetBrushColor(clBlack);
        card.AddObject(std::move(block));
    }
    TVkVellumPanel card;
    const TCardDef cardDef = ParseCardDef("\"Ten up\",910,550,2,5,140,110,0,0,0");
};

// Prints the card's sheets on the test queue at 300 dpi and reads the first page back in device
// pixels.
QImage printedPage(const BlockCard &block, const PrintAdjustment &adjustment, const SheetRun &run,
                   const QString &token)
{
    TQdPrinter printer;
    printer.Printer().setPrinterName(kQueue);
    printer.Printer().setPageSize(QPageSize(QPageSize::A4));
    printer.Printer().setResolution(kDpi);
    printer.Refresh();
    PrinterAdjustments adjustments;
    adjustments.Set(kQueue, adjustment);
    printer.SetAdjustments(adjustments);
    PrintCardSheet(printer, token, block.card, block.cardDef, cmNone, run);
    const QString pdf = WaitForCupsPdfJob(token);
    EXPECT_FALSE(pdf.isEmpty()) << "no PDF from the queue in " << CupsPdfFolders().join(' ').toStdString();
    const QImage page = RasterisePdf(pdf, kDpi);
    QFile::remove(pdf);
    return page;
}

QRect cellOnPaper(const TCardDef &cardDef, int cell)
{
    const PrinterPage page{QSize(kDpi, kDpi), QSize(), QSize(), QPoint()};
    return CardCellRect(cardDef, page, cell % cardDef.Columns, cell / cardDef.Columns);
}

} // namespace

TEST(PrintPlacement, OffsetsMoveEveryCellsInkAndCellsBeforeTheStartStayBlank)
{
    if (const std::string missing = TestQueueMissing(); !missing.empty())
        GTEST_SKIP() << missing;
    const BlockCard block;
    const QString token = QStringLiteral("VellumiaPlace%1").arg(QCoreApplication::applicationPid());
    const QImage plain = printedPage(block, {}, {}, token + QStringLiteral("Plain"));
    const QImage moved =
        printedPage(block, {15, -8, 10000}, {.StartCell = 3}, token + QStringLiteral("Moved"));
    ASSERT_FALSE(plain.isNull());
    ASSERT_FALSE(moved.isNull());
    // +1.5 mm is 18 pixels at 300 dpi (17.7), -0.8 mm is -9 (-9.4).
    const QPoint shift(18, -9);
    for (int cell = 0; cell < 10; ++cell) {
        // Looked for a little beyond the cell, where a shifted block could reach.
        const QRect around = cellOnPaper(block.cardDef, cell).adjusted(-40, -40, 40, 40);
        const QRect before = InkBounds(plain, around);
        ASSERT_FALSE(before.isEmpty()) << cell;
        const QRect after = InkBounds(moved, around);
        if (cell < 3) {
            EXPECT_TRUE(after.isEmpty()) << "cell " << cell + 1 << " printed before the start";
            continue;
        }
        ASSERT_FALSE(after.isEmpty()) << cell;
        EXPECT_NEAR(after.left() - before.left(), shift.x(), 1) << cell;
        EXPECT_NEAR(after.top() - before.top(), shift.y(), 1) << cell;
        EXPECT_NEAR(after.width(), before.width(), 1) << cell;
    }
}
