#include "model/sheet/CardRenderer.h"
#include "TestSupport.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/document/CardStream.h"
#include "ui/app/TfrmMain.h"
#include "ui/platform/MessageBox.h"

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

TVkDragLabel &addShape(TVkVellumPanel &surface, TDrawMode mode, QRect bounds, int pen, TColor fill)
{
    TVkDragLabel &shape = surface.AddObject(std::make_unique<TVkDragLabel>());
    shape.SetDrawMode(mode);
    shape.SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    shape.SetPenWidth(pen);
    shape.SetColor(kBlue);
    shape.SetFillDraw(true);
    shape.SetBrushColor(fill);
    return shape;
}

// A 455 x 275 pixel card showing its grid, with a selected rectangle of 40 x 30 at (5, 7) drawn
// with a 3-pixel pen, a vertical and a horizontal line and a 10-point text.
struct SampleCard {
    TVkVellumPanel surface;
    TCardDef cardDef{};
    SampleCard()
    {
        surface.SetBounds(0, 0, 455, 275);
        surface.SetColor(kPaper);
        surface.SetShowGrid(true);
        addShape(surface, dmRectangle, QRect(5, 7, 40, 30), 3, kGreen).SetSelected(true);
        addShape(surface, dmLineVert, QRect(100, 20, 10, 50), 2, kGreen);
        addShape(surface, dmLineHorz, QRect(150, 20, 60, 10), 4, kGreen);
        TVkDragLabel &text = surface.AddObject(std::make_unique<TVkDragLabel>());
        text.SetCaption({QStringLiteral("名刺")});
        CardFont font;
        font.SetSizeInPoints(10);
        text.SetFont(font);
        text.SetBounds(200, 100, 80, 30);
    }
};

} // namespace

TEST(CardRenderer, AtTheSurfacesOwnSizeTheCardIsDrawnWithoutFrameGridOrMarks)
{
    SampleCard card;
    QImage bitmap(7, 7, QImage::Format_Mono);
    RenderCardToBitmap(card.surface, bitmap, 455, 275);
    EXPECT_EQ(bitmap.size(), QSize(455, 275));
    EXPECT_EQ(bitmap.format(), QImage::Format_RGB888);
    EXPECT_EQ(bitmap.pixel(0, 0), rgb(kPaper));    // no frame
    EXPECT_EQ(bitmap.pixel(10, 100), rgb(kPaper)); // no grid line
    EXPECT_EQ(bitmap.pixel(6, 8), rgb(kBlue));     // the pen, not a selection handle
    EXPECT_EQ(bitmap.pixel(25, 9), rgb(kBlue));
    EXPECT_EQ(bitmap.pixel(25, 10), rgb(kGreen));
    EXPECT_EQ(bitmap.pixel(45, 22), rgb(kPaper));
}

TEST(CardRenderer, TwiceTheWidthScalesPositionsSizesPensAndFonts)
{
    SampleCard card;
    TVkDragLabel &picture = card.surface.AddObject(std::make_unique<TVkDragLabel>());
    QImage pixels(10, 10, QImage::Format_RGB32);
    pixels.fill(Qt::red);
    picture.SetBitmap(pixels);
    picture.SetBounds(301, 151, 21, 15);
    picture.SetAutoSize(true); // 10 pixels and the margins: 14 x 14

    const std::unique_ptr<TVkVellumPanel> copy = ScaledCardCopy(card.surface, 910, 400);
    EXPECT_EQ(copy->BoundsRect().size(), QSize(910, 400)); // the height as given, whatever the proportions
    EXPECT_EQ(copy->Object(0).BoundsRect(), QRect(10, 14, 80, 60));
    EXPECT_EQ(copy->Object(0).PenWidth(), 6);
    EXPECT_EQ(copy->Object(1).BoundsRect(), QRect(200, 40, 10, 100)); // a vertical line keeps its width
    EXPECT_EQ(copy->Object(2).BoundsRect(), QRect(300, 40, 120, 10)); // a horizontal one its height
    EXPECT_EQ(copy->Object(3).Font().SizeInPoints(), 20);
    EXPECT_EQ(copy->Object(3).BoundsRect(), QRect(400, 200, 80, 30)); // text boxes keep their size
    EXPECT_EQ(copy->Object(4).BoundsRect(), QRect(602, 302, 28, 28));
    EXPECT_FALSE(copy->Object(4).AutoSize());
    EXPECT_EQ(card.surface.Object(0).BoundsRect(), QRect(5, 7, 40, 30));

    // Cut toward zero: at 682 / 455 (just under 1.5) a width of 40 becomes 59, not 60.
    EXPECT_EQ(ScaledCardCopy(card.surface, 682, 412)->Object(0).BoundsRect(), QRect(7, 10, 59, 44));

    QImage bitmap;
    RenderCardToBitmap(card.surface, bitmap, 910, 550);
    EXPECT_EQ(bitmap.pixel(50, 19), rgb(kBlue));
    EXPECT_EQ(bitmap.pixel(50, 20), rgb(kGreen));
    EXPECT_EQ(bitmap.pixel(90, 44), rgb(kPaper));
    EXPECT_EQ(bitmap.pixel(620, 320), qRgb(255, 0, 0));
}

TEST(CardRenderer, CardWithoutAreaOrAbsurdSizeFailsAndKeepsTheBitmap)
{
    TVkVellumPanel surface;
    surface.SetBounds(0, 0, 0, 275);
    QImage bitmap(3, 3, QImage::Format_RGB32);
    EXPECT_THROW(RenderCardToBitmap(surface, bitmap, 455, 275), VkError);
    EXPECT_THROW(RenderCardToBitmap(surface, bitmap, 0, 0), VkError);
    surface.SetBounds(0, 0, 455, 275);
    EXPECT_THROW(RenderCardToBitmap(surface, bitmap, 455, 0), VkError);
    EXPECT_THROW(RenderCardToBitmap(surface, bitmap, 30000, 30000), VkError);
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
    form.SetModified(false);
    QByteArray before, after;
    WriteCardStream(before, form.Panel(), form.CardDef());

    QImage first, second;
    const int width = form.Panel().Width(), height = form.Panel().Height();
    form.RenderCardToBitmap(first, width, height);
    form.RenderCardToBitmap(second, 2 * width, 2 * height);
    form.RenderCardToBitmap(second, width, height);
    EXPECT_EQ(first, second);
    WriteCardStream(after, form.Panel(), form.CardDef());
    EXPECT_EQ(after, before);
    EXPECT_FALSE(form.Modified());
    EXPECT_FALSE(form.Action("acUndo")->isEnabled());
}

TEST(CardRenderer, BackgroundPictureIsStretchedOverTheWholeBitmap)
{
    TVkVellumPanel surface;
    surface.SetBounds(0, 0, 455, 275);
    surface.SetColor(kPaper);
    QImage halves(20, 4, QImage::Format_RGB32); // another shape than the card's
    halves.fill(Qt::red);
    for (int y = 0; y < 4; ++y)
        for (int x = 10; x < 20; ++x)
            halves.setPixel(x, y, qRgb(0, 0, 255));
    surface.SetBitmap(halves);
    QImage bitmap;
    RenderCardToBitmap(surface, bitmap, 455, 275);
    EXPECT_EQ(bitmap.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(bitmap.pixel(0, 274), qRgb(255, 0, 0));
    EXPECT_EQ(bitmap.pixel(226, 137), qRgb(255, 0, 0));
    EXPECT_EQ(bitmap.pixel(229, 137), qRgb(0, 0, 255));
    EXPECT_EQ(bitmap.pixel(454, 274), qRgb(0, 0, 255));
}
