#include "PrintTestSupport.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/document/CardStream.h"
#include "model/sheet/CardRenderer.h"
#include "model/sheet/CardSheetPdf.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QImage photo(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, (x ^ y) & 0xFF));
    return image;
}

TVkDragLabel &addText(TVkVellumPanel &card, const QString &text, int alpha, bool smooth, QPoint at)
{
    TVkDragLabel &object = card.AddObject(std::make_unique<TVkDragLabel>());
    CardFont font;
    font.SetSizeInPoints(14);
    object.SetFont(font);
    object.SetCaption({text, QStringLiteral("Tel 03-1234-5678")});
    object.SetAlphaChannel(alpha);
    object.SetAntiAlias(smooth);
    object.SetAutoSize(true);
    object.SetBounds(at.x(), at.y(), 10, 10);
    return object;
}

} // namespace

// Drawn at its own size, a card gives the picture a copy of it read back from its document gives,
// without changing the card.
TEST(CardExportDrawing, TheCardAtItsOwnSizeDrawsAsItsDocumentCopy)
{
    TVkVellumPanel card;
    card.SetBounds(0, 0, 455, 275);
    card.SetBitmap(photo(900, 500));
    addText(card, QStringLiteral("株式会社ベラム"), 100, false, {10, 10});
    addText(card, QStringLiteral("山田 太郎"), 50, false, {10, 80});
    addText(card, QStringLiteral("営業部"), 100, true, {200, 80});
    TVkDragLabel &picture = card.AddObject(std::make_unique<TVkDragLabel>());
    picture.SetBitmap(photo(300, 200));
    picture.SetBounds(300, 150, 120, 80);
    TVkDragLabel &ellipse = card.AddObject(std::make_unique<TVkDragLabel>());
    ellipse.SetDrawMode(dmCircle);
    ellipse.SetPenWidth(3);
    ellipse.SetFillDraw(true);
    ellipse.SetBrushColor(RGBToColor(250, 230, 200));
    ellipse.SetBounds(20, 180, 100, 60);
    ellipse.SetSelected(true);
    card.AddObject(std::make_unique<TVkDragLabel>()).SetVisible(false);

    const TCardDef cardDef{};
    QByteArray before;
    WriteCardStream(before, card, cardDef);
    const std::unique_ptr<TVkVellumPanel> copy = ScaledCardCopy(card, 0, 0);
    QImage fromCopy, fromCard;
    RenderCardToBitmap(*copy, fromCopy, 0, 0);
    RenderCardToBitmap(card, fromCard, 455, 275);
    EXPECT_EQ(fromCard, fromCopy);
    QByteArray after;
    WriteCardStream(after, card, cardDef);
    EXPECT_EQ(after, before);
}

// A hidden object shows nowhere: a PDF sheet leaves it out as the card view and export do.
TEST(CardExportDrawing, AHiddenObjectIsLeftOutOfThePictureAndTheSheet)
{
    TVkVellumPanel card;
    card.SetBounds(0, 0, 455, 275);
    addText(card, QStringLiteral("Shown"), 100, false, QPoint(10, 10));
    TVkDragLabel &hidden = addText(card, QStringLiteral("Hidden"), 100, false, QPoint(10, 150));
    QImage withHidden;
    RenderCardToBitmap(card, withHidden, 0, 0);
    hidden.SetVisible(false);
    QImage withoutHidden;
    RenderCardToBitmap(card, withoutHidden, 0, 0);
    EXPECT_NE(withHidden, withoutHidden);

    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("sheet.pdf"));
    WriteCardSheetPdf(pdf, card, BusinessCardSheet(1, 1), cmNone, QStringLiteral("sheet"));
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Shown"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Hidden"))) << text.toStdString();
}
