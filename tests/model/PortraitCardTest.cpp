#include "FileBytes.h"
#include "PrintTestSupport.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/document/CardDocument.h"
#include "model/sheet/BackSideSheet.h"
#include "model/sheet/CardRenderer.h"

#include <QRectF>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

namespace {

// The ten-up sheet of 91 x 55 mm cards on A4, two across and five down.
TCardDef tenUpSheet()
{
    return BusinessCardSheet(2, 5, 140, 110);
}

// An upright card with one word near its top-left corner.
void makeUprightCard(TVkVellumPanel &card, TCardOrientation orientation, const QString &word)
{
    card.SetBounds(0, 0, 275, 455);
    card.SetOrientation(orientation);
    auto text = std::make_unique<TVkDragLabel>();
    text->LoadCaption({word});
    text->SetAutoSize(true);
    text->ApplyAutoSize();
    text->SetLeft(20);
    text->SetTop(20);
    card.AddObject(std::move(text));
}

// Where pdftotext finds word on a page of the PDF, in points from the page's top-left corner.
std::vector<QRectF> wordBoxes(const QString &pdf, int page, const QString &word)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"),
               {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                QString::number(page), pdf, QStringLiteral("-")});
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
        return {};
    static const QRegularExpression wordLine(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    std::vector<QRectF> boxes;
    for (const QRegularExpressionMatch &match :
         wordLine.globalMatch(QString::fromUtf8(tool.readAllStandardOutput())))
        if (match.captured(5) == word)
            boxes.push_back(QRectF(QPointF(match.captured(1).toDouble(), match.captured(2).toDouble()),
                                   QPointF(match.captured(3).toDouble(), match.captured(4).toDouble())));
    return boxes;
}

// The cell of the ten-up sheet, in points, that holds point, or an empty rectangle.
QRectF cellHolding(QPointF point)
{
    const TCardDef sheet = tenUpSheet();
    const double pointsPerTenthMm = 72.0 / 254.0;
    for (int row = 0; row < sheet.Lines; ++row)
        for (int column = 0; column < sheet.Columns; ++column) {
            const QRectF cell((sheet.LeftMargin + column * sheet.CardSizeX) * pointsPerTenthMm,
                              (sheet.TopMargin + row * sheet.CardSizeY) * pointsPerTenthMm,
                              sheet.CardSizeX * pointsPerTenthMm, sheet.CardSizeY * pointsPerTenthMm);
            if (cell.contains(point))
                return cell;
        }
    return {};
}

// Every one of the ten cells holds the word once, running down the page, the card's top-left corner
// turned to the cell's top-right corner (clockwise) or bottom-left corner (anticlockwise).
void expectTurnedInEveryCell(const std::vector<QRectF> &boxes, TCardOrientation orientation)
{
    ASSERT_EQ(boxes.size(), 10u);
    std::vector<QRectF> cells;
    for (const QRectF &box : boxes) {
        EXPECT_GT(box.height(), 2 * box.width());
        const QRectF cell = cellHolding(box.center());
        ASSERT_FALSE(cell.isEmpty());
        EXPECT_EQ(std::count(cells.begin(), cells.end(), cell), 0);
        cells.push_back(cell);
        const QPointF within = box.center() - cell.topLeft();
        if (orientation == coPortraitClockwise) {
            EXPECT_GT(within.x(), cell.width() * 0.75);
            EXPECT_LT(within.y(), cell.height() / 2);
        } else {
            EXPECT_LT(within.x(), cell.width() * 0.25);
            EXPECT_GT(within.y(), cell.height() / 2);
        }
    }
}

} // namespace

TEST(PortraitCard, AnUprightCardLandsTurnedInEveryCellOfBothSidesOfTheSheet)
{
    for (const TCardOrientation orientation : {coPortraitClockwise, coPortraitAnticlockwise}) {
        SCOPED_TRACE(int(orientation));
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("sheet.pdf"));
        TVkVellumPanel front;
        TVkVellumPanel back;
        makeUprightCard(front, orientation, QStringLiteral("Yamada"));
        makeUprightCard(back, orientation, QStringLiteral("Reverse"));
        WriteTwoSidedCardSheetPdf(path, front, back, tenUpSheet(), cmNone, SheetTurn::LongEdge,
                                  QStringLiteral("upright"));
        expectTurnedInEveryCell(wordBoxes(path, 1, QStringLiteral("Yamada")), orientation);
        // The back of the sheet, turned over, shows the back as the front shows the front.
        expectTurnedInEveryCell(wordBoxes(path, 2, QStringLiteral("Reverse")), orientation);
    }
}

TEST(PortraitCard, AnUprightCardIsExportedUpright)
{
    TVkVellumPanel card;
    makeUprightCard(card, coPortraitClockwise, QStringLiteral("Yamada"));
    const QImage picture = RenderCardAtDpi(card, BusinessCardSheet(1, 1), 300);
    EXPECT_EQ(picture.size(), QSize(650, 1075));
    // The word stays near the top-left corner, as designed.
    const QRect ink = InkBounds(picture.convertToFormat(QImage::Format_RGB32), picture.rect());
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GT(ink.width(), ink.height());
    EXPECT_LT(ink.top(), 1075 / 4);
}

TEST(PortraitCard, AnUprightCardKeepsItsOrientationWhileACardAcrossKeepsItsBytes)
{
    QTemporaryDir folder;
    const auto saved = [&folder](CardDocument &document, const QString &name) {
        const QString path = folder.filePath(name);
        document.Save(path);
        return ReadFileBytes(path);
    };
    CardDocument document;
    document.SetCardDef(BusinessCardSheet(1, 1));
    makeUprightCard(document.Surface(), coLandscape, QStringLiteral("Yamada"));
    document.Surface().SetBounds(0, 0, 455, 275);
    const QByteArray across = saved(document, QStringLiteral("across.vkc"));
    EXPECT_FALSE(across.contains("Orientation"));

    document.Surface().SetOrientation(coPortraitAnticlockwise);
    document.Surface().SetBounds(0, 0, 275, 455);
    saved(document, QStringLiteral("upright.vkc"));
    CardDocument reopened;
    reopened.Open(folder.filePath(QStringLiteral("upright.vkc")));
    EXPECT_EQ(reopened.Surface().Orientation(), coPortraitAnticlockwise);
    EXPECT_EQ(reopened.Side(CardSide::Back).Orientation(), coPortraitAnticlockwise);
    // A new card lies across again.
    reopened.New();
    EXPECT_EQ(reopened.Surface().Orientation(), coLandscape);

    document.Surface().SetOrientation(coLandscape);
    document.Surface().SetBounds(0, 0, 455, 275);
    EXPECT_EQ(saved(document, QStringLiteral("again.vkc")), across);
}
