#include "print/CardRenderer.h"
#include "TestSupport.h"
#include "app/CardStream.h"
#include "app/TfrmMain.h"
#include "card/TVkDragLabel.h"
#include "card/TVkVellumPanel.h"
#include "platform/MessageBox.h"

#include <QAction>
#include <QFile>
#include <gtest/gtest.h>

namespace {

constexpr TColor kBlue = RGBToColor(0, 0, 255);
constexpr TColor kGreen = RGBToColor(0, 255, 0);
constexpr TColor kPaper = RGBToColor(250, 240, 200);

QRgb rgb(TColor color)
{
    return ColorToQColor(color).rgb();
}

TVkDragLabel &addShape(TVkVellumPanel &surface, TDrawMode mode, QRect bounds, int pen, TColor fill = clNone)
{
    TVkDragLabel &shape = surface.AddObject(std::make_unique<TVkDragLabel>());
    shape.SetDrawMode(mode);
    shape.SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    shape.SetPenWidth(pen);
    shape.SetColor(kBlue);
    if (fill != clNone) {
        shape.SetFillDraw(true);
        shape.SetBrushColor(fill);
    }
    return shape;
}

// A 91 x 55 mm card on a pale colour, showing its grid, with a filled rectangle of 40 x 30 pixels
// at (5, 7) that is selected, lines and a 10-point text.
struct SampleCard {
    TVkVellumPanel surface;
    TCardDef cardDef{};
    SampleCard()
    {
        surface.SetBounds(0, 0, 455, 275);
        surface.SetColor(kPaper);
        surface.SetShowGrid(true);
        surface.SetGridSize(10);
        addShape(surface, dmRectangle, QRect(5, 7, 40, 30), 3, kGreen).SetSelected(true);
        addShape(surface, dmLineVert, QRect(100, 20, 10, 50), 2);
        addShape(surface, dmLineHorz, QRect(150, 20, 60, 10), 4);
        TVkDragLabel &text = surface.AddObject(std::make_unique<TVkDragLabel>());
        text.SetCaption({QStringLiteral("名刺")});
        CardFont font;
        font.SetSizeInPoints(10);
        text.SetFont(font);
        text.SetBounds(200, 100, 80, 30);
    }
};

QRect boundsOf(const TVkVellumPanel &surface, int index)
{
    return surface.Object(index).BoundsRect();
}

} // namespace

TEST(CardRenderer, AtTheSurfacesOwnSizeTheCardIsDrawnAsDesigned)
{
    SampleCard card;
    const std::unique_ptr<TVkVellumPanel> copy = ScaledCardCopy(card.surface, card.cardDef, 455, 275);
    ASSERT_EQ(copy->ObjectCount(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(boundsOf(*copy, i), boundsOf(card.surface, i)) << i;
    EXPECT_EQ(copy->Object(0).PenWidth(), 3);
    EXPECT_EQ(copy->Object(3).Font().SizeInPoints(), 10);

    QImage bitmap(7, 7, QImage::Format_Mono);
    RenderCardToBitmap(card.surface, card.cardDef, bitmap, 455, 275);
    EXPECT_EQ(bitmap.size(), QSize(455, 275));
    EXPECT_EQ(bitmap.format(), QImage::Format_RGB888);
    // No frame, no grid line at x = 10, no selection handle at the rectangle's corners.
    EXPECT_EQ(bitmap.pixel(0, 0), rgb(kPaper));
    EXPECT_EQ(bitmap.pixel(10, 100), rgb(kPaper));
    EXPECT_EQ(bitmap.pixel(25, 7), rgb(kBlue));
    EXPECT_EQ(bitmap.pixel(25, 9), rgb(kBlue));
    EXPECT_EQ(bitmap.pixel(25, 10), rgb(kGreen));
    EXPECT_EQ(bitmap.pixel(25, 6), rgb(kPaper));
    EXPECT_EQ(bitmap.pixel(44, 22), rgb(kBlue));
    EXPECT_EQ(bitmap.pixel(45, 22), rgb(kPaper));
    EXPECT_EQ(bitmap.pixel(6, 36), rgb(kBlue));
}

TEST(CardRenderer, TwiceTheWidthScalesPositionsSizesPensAndFonts)
{
    SampleCard card;
    TVkDragLabel &picture = card.surface.AddObject(std::make_unique<TVkDragLabel>());
    QImage pixels(10, 10, QImage::Format_RGB32);
    pixels.fill(Qt::red);
    picture.SetBitmap(pixels);
    picture.SetAutoSize(true);
    picture.SetBounds(301, 151, 21, 15);
    TVkDragLabel &cellText = card.surface.AddObject(std::make_unique<TVkDragLabel>());
    CardFont cellFont;
    cellFont.Height = 16; // 12 points measured by the cell
    cellText.SetFont(cellFont);

    const std::unique_ptr<TVkVellumPanel> copy = ScaledCardCopy(card.surface, card.cardDef, 910, 400);
    EXPECT_EQ(copy->Width(), 910);
    EXPECT_EQ(copy->Height(), 400); // taken as given, whatever the proportions
    EXPECT_EQ(boundsOf(*copy, 0), QRect(10, 14, 80, 60));
    EXPECT_EQ(copy->Object(0).PenWidth(), 6);
    EXPECT_EQ(boundsOf(*copy, 1), QRect(200, 40, 10, 100)); // a vertical line keeps its width
    EXPECT_EQ(copy->Object(1).PenWidth(), 4);
    EXPECT_EQ(boundsOf(*copy, 2), QRect(300, 40, 120, 10)); // a horizontal line its height
    EXPECT_EQ(copy->Object(2).PenWidth(), 8);
    EXPECT_EQ(copy->Object(3).Font().SizeInPoints(), 20);
    EXPECT_EQ(boundsOf(*copy, 3), QRect(400, 200, 80, 30)); // text boxes keep their size
    EXPECT_EQ(boundsOf(*copy, 4), QRect(602, 302, 42, 30));
    EXPECT_FALSE(copy->Object(4).AutoSize());
    EXPECT_EQ(copy->Object(5).Font().Height, 32); // still measured by the cell
    // The card itself is as it was.
    EXPECT_EQ(boundsOf(card.surface, 0), QRect(5, 7, 40, 30));
    EXPECT_EQ(card.surface.Object(3).Font().SizeInPoints(), 10);

    // Scaling cuts toward zero: at 682 / 455 (just under 1.5) a width of 40 becomes 59, not 60.
    const std::unique_ptr<TVkVellumPanel> half = ScaledCardCopy(card.surface, card.cardDef, 682, 412);
    EXPECT_EQ(boundsOf(*half, 0), QRect(7, 10, 59, 44));

    QImage bitmap;
    RenderCardToBitmap(card.surface, card.cardDef, bitmap, 910, 550);
    ASSERT_EQ(bitmap.size(), QSize(910, 550));
    EXPECT_EQ(bitmap.pixel(50, 14), rgb(kBlue));
    EXPECT_EQ(bitmap.pixel(50, 19), rgb(kBlue));
    EXPECT_EQ(bitmap.pixel(50, 20), rgb(kGreen));
    EXPECT_EQ(bitmap.pixel(50, 13), rgb(kPaper));
    EXPECT_EQ(bitmap.pixel(89, 44), rgb(kBlue));
    EXPECT_EQ(bitmap.pixel(90, 44), rgb(kPaper));
    EXPECT_EQ(bitmap.pixel(50, 73), rgb(kBlue));
    EXPECT_EQ(bitmap.pixel(50, 74), rgb(kPaper));
    EXPECT_EQ(bitmap.pixel(620, 320), qRgb(255, 0, 0));
}

TEST(CardRenderer, BackgroundPictureFillsTheWholeBitmapAndLaterObjectsCoverEarlierOnes)
{
    TVkVellumPanel surface;
    surface.SetBounds(0, 0, 200, 100);
    QImage halves(2, 1, QImage::Format_RGB32);
    halves.setPixel(0, 0, qRgb(255, 0, 0));
    halves.setPixel(1, 0, qRgb(0, 0, 255));
    surface.SetBitmap(halves);
    addShape(surface, dmRectangle, QRect(50, 20, 40, 40), 1, kGreen);
    addShape(surface, dmRectangle, QRect(70, 40, 40, 40), 1, kPaper);
    const TCardDef cardDef{};

    QImage bitmap;
    RenderCardToBitmap(surface, cardDef, bitmap, 300, 60);
    ASSERT_EQ(bitmap.size(), QSize(300, 60));
    EXPECT_EQ(bitmap.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(bitmap.pixel(149, 59), qRgb(255, 0, 0));
    EXPECT_EQ(bitmap.pixel(150, 0), qRgb(0, 0, 255));
    EXPECT_EQ(bitmap.pixel(299, 59), qRgb(0, 0, 255));

    // Where the two overlap, the one on top shows.
    RenderCardToBitmap(surface, cardDef, bitmap, 0, 0);
    EXPECT_EQ(bitmap.pixel(80, 50), rgb(kPaper));
    surface.MoveObject(1, 0);
    RenderCardToBitmap(surface, cardDef, bitmap, 0, 0);
    EXPECT_EQ(bitmap.pixel(80, 50), rgb(kGreen));
}

TEST(CardRenderer, CardWithoutAreaOrAbsurdSizeFailsCleanly)
{
    TVkVellumPanel surface;
    surface.SetBounds(0, 0, 0, 275);
    addShape(surface, dmRectangle, QRect(5, 7, 40, 30), 3);
    const TCardDef cardDef{};
    QImage bitmap(3, 3, QImage::Format_RGB32);
    EXPECT_THROW(RenderCardToBitmap(surface, cardDef, bitmap, 455, 275), VkError);
    EXPECT_THROW(RenderCardToBitmap(surface, cardDef, bitmap, 0, 0), VkError);
    EXPECT_EQ(bitmap.size(), QSize(3, 3));

    surface.SetBounds(0, 0, 455, 275);
    EXPECT_THROW(RenderCardToBitmap(surface, cardDef, bitmap, 455, 0), VkError);
    EXPECT_THROW(RenderCardToBitmap(surface, cardDef, bitmap, 30000, 30000), VkError);
    EXPECT_EQ(bitmap.size(), QSize(3, 3));
}

TEST(CardRenderer, RenderingTwiceGivesTheSamePictureAndLeavesTheCardAlone)
{
    ScopedProgramFolder folder;
    QFile::copy(QStringLiteral(VELLUMIA_SOURCE_DIR "/data/CardDef.Def"), folder.filePath("CardDef.Def"));
    TfrmMain form;
    ASSERT_TRUE(form.Startup({}));
    TVkDragLabel &text = form.Panel().AddObject(std::make_unique<TVkDragLabel>());
    form.WireCardObject(text);
    text.SetCaption({QStringLiteral("山田 太郎"), QStringLiteral("営業部")});
    text.SetAntiAlias(true);
    text.SetAlphaChannel(60);
    text.SetAutoSize(true);
    addShape(form.Panel(), dmCircle, QRect(20, 30, 60, 40), 2, kGreen);
    form.SetModified(false);
    QByteArray before;
    WriteCardStream(before, form.Panel(), form.CardDef());

    QImage first, second;
    form.RenderCardToBitmap(first, form.Panel().Width(), form.Panel().Height());
    form.RenderCardToBitmap(second, 2 * form.Panel().Width(), 2 * form.Panel().Height());
    form.RenderCardToBitmap(second, form.Panel().Width(), form.Panel().Height());
    EXPECT_EQ(first, second);
    EXPECT_EQ(first.size(), QSize(form.Panel().Width(), form.Panel().Height()));

    QByteArray after;
    WriteCardStream(after, form.Panel(), form.CardDef());
    EXPECT_EQ(after, before);
    EXPECT_FALSE(form.Modified());
    EXPECT_FALSE(form.Action("acUndo")->isEnabled());
}
