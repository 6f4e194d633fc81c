#include "model/sheet/PrintAdjustment.h"
#include "FileBytes.h"
#include "PrintTestSupport.h"
#include "model/card/TVkVellumPanel.h"
#include "model/platform/IniFile.h"
#include "model/settings/PrinterAdjustments.h"
#include "model/sheet/CardSheetDrawing.h"
#include "model/sheet/MergePlan.h"

#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(PrintAdjustment, ReadsAndWritesMillimetresToATenthAndPercentToAHundredth)
{
    const auto parsed = ParsePrintAdjustment(QStringLiteral("1.5,-0.8"));
    ASSERT_TRUE(parsed);
    EXPECT_EQ(*parsed, (PrintAdjustment{15, -8, 10000}));
    EXPECT_EQ(FormatPrintAdjustment(*parsed), "1.5,-0.8,100");
    EXPECT_EQ(ParsePrintAdjustment(QStringLiteral(" -2 , 0.04 , 98.75 ")), (PrintAdjustment{-20, 0, 9875}));
    EXPECT_EQ(ParsePrintAdjustment(QStringLiteral("0.05,-0.05")), (PrintAdjustment{1, -1, 10000}));
    EXPECT_EQ(FormatPrintAdjustment({-3, 120, 10150}), "-0.3,12,101.5");
    for (const char *bad : {"", "1", "1,2,3,4", "a,1", "1,,2", "50.1,0", "0,-51", "0,0,89.99", "0,0,110.01",
                            "nan,0", "inf,0", "1e300,0"})
        EXPECT_FALSE(ParsePrintAdjustment(QString::fromLatin1(bad))) << bad;
    EXPECT_TRUE(ParsePrintAdjustment(QStringLiteral("50,-50,110")));
}

TEST(PrintAdjustment, EachPrinterKeepsItsOwnInTheSettingsFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("VELLUMAX.INI");
    WriteFileBytes(path, "[Settings]\r\nGridSize=3\r\n");
    PrinterAdjustments none;
    {
        IniFile ini(path);
        ASSERT_TRUE(none.Save(ini));
    }
    EXPECT_EQ(ReadFileBytes(path), QByteArray("[Settings]\r\nGridSize=3\r\n"));

    PrinterAdjustments adjustments;
    adjustments.Set(QStringLiteral("Office_Laser"), {15, -8, 10000});
    // A name with characters a key cannot hold.
    adjustments.Set(QStringLiteral("受付 [2F]=A"), {-5, 3, 9900});
    adjustments.Set(QStringLiteral("office_laser"), {10, 0, 10000});
    {
        IniFile ini(path);
        ASSERT_TRUE(adjustments.Save(ini));
    }
    const QByteArray bytes = ReadFileBytes(path);
    EXPECT_TRUE(bytes.contains("[PrintAdjustment]\r\nOffice_Laser=1,0,100\r\n")) << bytes.toStdString();
    PrinterAdjustments read;
    read.Load(IniFile(path));
    EXPECT_EQ(read, adjustments);
    EXPECT_EQ(read.For(QStringLiteral("OFFICE_LASER")), (PrintAdjustment{10, 0, 10000}));
    EXPECT_EQ(read.For(QStringLiteral("受付 [2F]=A")), (PrintAdjustment{-5, 3, 9900}));
    EXPECT_TRUE(read.For(QStringLiteral("Other")).IsNone());

    WriteFileBytes(path, "[PrintAdjustment]\r\nGood=1,2\r\nBad=1,2,300\r\nWorse=x\r\n");
    read.Load(IniFile(path));
    EXPECT_EQ(read.For(QStringLiteral("Good")), (PrintAdjustment{10, 20, 10000}));
    EXPECT_TRUE(read.For(QStringLiteral("Bad")).IsNone());
}

TEST(PrintAdjustment, MovesEveryCellByWholeDevicePixelsAndScalesFromThePaperCorner)
{
    TVkVellumPanel card;
    card.SetBounds(0, 0, 50, 25);
    card.SetColor(clBlack);
    TCardDef cardDef{};
    cardDef.CardSizeX = 100;
    cardDef.CardSizeY = 50;
    cardDef.Columns = 3;
    cardDef.Lines = 2;
    cardDef.LeftMargin = 20;
    cardDef.TopMargin = 30;
    cardDef.ColumnSpace = 10;
    cardDef.LineSpace = 10;
    // At 254 dpi a tenth of a millimetre is one device pixel; the printable area starts 5 pixels in.
    const auto draw = [&](const PrintAdjustment &adjustment, QSize size = QSize(400, 200)) {
        const PrinterPage page{QSize(254, 254), size, size - QSize(5, 5), QPoint(5, 5), adjustment};
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.translate(page.PhysicalOffset);
        DrawCardSheet(painter, page, card, cardDef, cmNone);
        return image;
    };
    const QRect all(0, 0, 400, 200);
    EXPECT_EQ(InkBounds(draw({}), all), QRect(20, 30, 320, 110));
    EXPECT_EQ(InkBounds(draw({15, -8, 10000}), all), QRect(35, 22, 320, 110));
    // 110 % about the paper's corner: the margins and the cards grow alike.
    EXPECT_EQ(InkBounds(draw({0, 0, 11000}), all), QRect(22, 33, 352, 121));
    // Cells that lie wholly beyond the sheet are drawn where the adjustment brings them onto it.
    EXPECT_EQ(InkBounds(draw({0, -40, 10000}, QSize(400, 60)), all), QRect(20, 0, 320, 60));
    EXPECT_EQ(InkBounds(draw({-50, 0, 10000}, QSize(200, 200)), all), QRect(0, 30, 200, 110));
}

TEST(PrintAdjustment, ARunFillsFromTheStartCellWholeSheetsOrSomeCards)
{
    const MergePlan threeSheets = PlanSheetRun({.StartCell = 3, .Count = 3}, 10);
    EXPECT_EQ(threeSheets.SheetCount(), 3);
    EXPECT_EQ(threeSheets.RecordAt(0, 2), -1);
    EXPECT_GE(threeSheets.RecordAt(0, 3), 0);
    EXPECT_GE(threeSheets.RecordAt(2, 9), 0);
    const MergePlan twelveCards =
        PlanSheetRun({.StartCell = 8, .CountUnit = SheetRun::Unit::Cards, .Count = 12}, 10);
    EXPECT_EQ(twelveCards.SheetCount(), 2);
    EXPECT_GE(twelveCards.RecordAt(1, 9), 0);
    EXPECT_EQ(PlanSheetRun({.StartCell = 8, .CountUnit = SheetRun::Unit::Cards, .Count = 2}, 10).SheetCount(),
              1);
    // A start beyond the sheet starts at its last cell, so that something is printed.
    EXPECT_EQ(PlanSheetRun({.StartCell = 50}, 10).RecordAt(0, 9), 0);
}
