#include "model/edit/ObjectClipboard.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/document/CardStream.h"
#include "model/edit/PastePlacement.h"

#include <QMimeData>
#include <gtest/gtest.h>

namespace {

// A 200 x 100 yellow card with a text, a picture and a filled rectangle on it.
struct Card {
    TVkVellumPanel surface;
    std::vector<TVkDragLabel *> objects;
    Card()
    {
        surface.SetBounds(0, 0, 200, 100);
        surface.SetColor(TColor(0x00FFFF)); // yellow
        auto text = std::make_unique<TVkDragLabel>();
        text->LoadCaption({QStringLiteral("山田 太郎"), QStringLiteral("営業部")});
        text->SetBounds(10, 10, 80, 30);
        QImage pixels(4, 3, QImage::Format_RGB32);
        pixels.fill(Qt::blue);
        auto picture = std::make_unique<TVkDragLabel>();
        picture->LoadBitmap(pixels);
        picture->SetBounds(100, 20, 40, 30);
        auto shape = std::make_unique<TVkDragLabel>();
        shape->SetDrawMode(dmRectangle);
        shape->SetFillDraw(true);
        shape->SetBrushColor(clRed);
        shape->SetBounds(150, 60, 30, 20);
        for (auto *made : {&text, &picture, &shape})
            objects.push_back(&surface.AddObject(std::move(*made)));
    }
};

} // namespace

TEST(ObjectClipboardTest, ObjectsTravelAsTheirDocumentEntries)
{
    Card card;
    const QByteArray entries = WriteObjectEntries(card.objects);
    const auto read = ReadObjectEntries(entries);
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(read[0]->Caption(), card.objects[0]->Caption());
    EXPECT_EQ(read[1]->Bitmap().pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(read[2]->BoundsRect(), QRect(150, 60, 30, 20));
    std::vector<TVkDragLabel *> again;
    for (const auto &object : read)
        again.push_back(object.get());
    EXPECT_EQ(WriteObjectEntries(again), entries);

    // Bytes from outside come whole or not at all.
    EXPECT_TRUE(ReadObjectEntries(entries.left(entries.size() - 1)).empty());
    EXPECT_TRUE(ReadObjectEntries(entries + QByteArray(20, 'x')).empty());
    EXPECT_TRUE(ReadObjectEntries(QByteArray()).empty());
}

TEST(ObjectClipboardTest, CopiedObjectsCarryAPictureOfThemOnTheCard)
{
    Card card;
    const std::vector<TVkDragLabel *> copied{card.objects[1], card.objects[2]};
    const auto data = CardObjectsMimeData(card.surface, copied);
    const QImage picture = QImage::fromData(data->data(QStringLiteral("image/png")), "PNG");
    ASSERT_EQ(picture.size(), QSize(80, 60));          // from (100, 20) to (180, 80)
    EXPECT_EQ(picture.pixel(1, 1), qRgb(255, 255, 0)); // the card under the picture's margin
    EXPECT_EQ(picture.pixel(20, 15), qRgb(0, 0, 255));
    EXPECT_EQ(picture.pixel(65, 50), qRgb(255, 0, 0));
    EXPECT_EQ(picture.pixel(45, 45), qRgb(255, 255, 0)); // between the two

    const ClipboardContent content = ReadClipboardContent(*data);
    ASSERT_EQ(content.Objects.size(), 2u);
    EXPECT_TRUE(content.Objects[0]->IsPicture());
    EXPECT_TRUE(content.Picture.isNull());
}

TEST(ObjectClipboardTest, PicturesOfOtherProgramsKeepTheirAlpha)
{
    QImage logo(3, 2, QImage::Format_ARGB32);
    logo.fill(qRgba(0, 0, 0, 0));
    logo.setPixel(1, 0, qRgba(200, 10, 20, 255));
    logo.setPixel(2, 1, qRgba(0, 90, 0, 128));
    QMimeData data;
    data.setData(QStringLiteral("image/png"), PngBytes(logo));
    data.setText(QStringLiteral("logo.png"));
    const ClipboardContent content = ReadClipboardContent(data);
    ASSERT_EQ(content.Picture.size(), QSize(3, 2));
    EXPECT_TRUE(content.Picture.hasAlphaChannel());
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(content.Picture.pixel(x, y), logo.pixel(x, y)) << x << "," << y;
    }
    EXPECT_TRUE(content.Lines.isEmpty());

    // A picture larger than a picture file may be is refused before its pixels are read.
    QMimeData huge;
    huge.setData(QStringLiteral("image/png"), PngBytes(QImage(40000, 1, QImage::Format_Mono)));
    EXPECT_TRUE(ReadClipboardContent(huge).Picture.isNull());
}

TEST(ObjectClipboardTest, TextBecomesLinesWhateverItsLineBreaks)
{
    QMimeData data;
    data.setText(QStringLiteral("株式会社\r\nTel 03\rFax 04\n"));
    EXPECT_EQ(ReadClipboardContent(data).Lines,
              QStringList({QStringLiteral("株式会社"), QStringLiteral("Tel 03"), QStringLiteral("Fax 04")}));
    data.setText(QStringLiteral(" \n\t\n"));
    EXPECT_TRUE(ReadClipboardContent(data).Lines.isEmpty());
}

TEST(PastePlacementTest, PastesStepPastCopiesAndStayInView)
{
    const QRect visible(0, 0, 455, 275);
    // Onto another card, or after a cut: where they were.
    EXPECT_EQ(PasteOffset({{50, 40, 30, 20}}, {{0, 0, 30, 20}}, visible), QPoint(0, 0));
    // Onto their own card, and again onto that paste's copies.
    EXPECT_EQ(PasteOffset({{50, 40, 30, 20}, {90, 40, 10, 10}}, {{90, 40, 10, 10}}, visible), QPoint(10, 10));
    EXPECT_EQ(PasteOffset({{50, 40, 30, 20}}, {{50, 40, 30, 20}, {60, 50, 30, 20}}, visible), QPoint(20, 20));
    // Copied from the far corner of a larger card, into the part of this one on screen.
    EXPECT_EQ(PasteOffset({{400, 250, 100, 40}}, {}, QRect(100, 50, 200, 150)), QPoint(-200, -90));
    // Larger than the view: its top-left corner shows.
    EXPECT_EQ(PasteOffset({{-30, 10, 600, 20}}, {}, visible), QPoint(30, 0));
}
