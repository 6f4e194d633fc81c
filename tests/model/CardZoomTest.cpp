#include "model/card/CardZoom.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"

#include <QPainter>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kGrey = qRgb(0xA0, 0xA0, 0xA0);
const QRgb kOutside = qRgb(255, 0, 255);

// The card painted whole at a zoom onto a canvas larger than it, so that its edge shows.
QImage zoomed(TVkVellumPanel &card, double scale, double markScale = 1.0)
{
    QImage canvas(ZoomedLength(card.Width(), scale) + 20, ZoomedLength(card.Height(), scale) + 20,
                  QImage::Format_RGB32);
    canvas.fill(kOutside);
    QPainter painter(&canvas);
    card.PaintZoomed(painter, canvas.rect(), scale, markScale);
    return canvas;
}

TVkDragLabel &addShape(TVkVellumPanel &card, TDrawMode mode, QRect bounds, int pen)
{
    auto object = std::make_unique<TVkDragLabel>();
    object->SetDrawMode(mode);
    object->SetColor(clBlack);
    object->SetPenWidth(pen);
    object->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    object->SetSelected(false);
    return card.AddObject(std::move(object));
}

TVkDragLabel &addText(TVkVellumPanel &card, const QString &caption, QRect bounds)
{
    auto object = std::make_unique<TVkDragLabel>();
    CardFont font;
    font.Name = QStringLiteral("DejaVu Sans");
    font.Height = -20;
    font.Color = clBlack;
    object->SetFont(font);
    object->SetCaption({caption});
    object->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    object->SetSelected(false);
    return card.AddObject(std::move(object));
}

// The smallest rectangle holding every pixel darker than mid-grey.
QRect inkBounds(const QImage &image, const QRect &within)
{
    QRect ink;
    for (int y = within.top(); y <= within.bottom(); ++y) {
        for (int x = within.left(); x <= within.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 128)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

} // namespace

TEST(CardZoom, StepsGoToTheNeighbouringStepAndStopAtTheLimits)
{
    EXPECT_EQ(ZoomInStep(100), 150);
    EXPECT_EQ(ZoomOutStep(100), 75);
    EXPECT_EQ(ZoomInStep(243), 300); // a fitted zoom between steps
    EXPECT_EQ(ZoomOutStep(243), 200);
    EXPECT_EQ(ZoomInStep(800), 800);
    EXPECT_EQ(ZoomOutStep(25), 25);
    EXPECT_EQ(ClampZoom(1000), 800);
    EXPECT_EQ(ClampZoom(-5), 25);

    // 455 x 275 into 1000 x 500: the height decides, 500 / 275 = 181.8 %.
    EXPECT_EQ(FitZoom(QSize(455, 275), QSize(1000, 500)), 181);
    EXPECT_EQ(FitZoom(QSize(455, 275), QSize(20, 20)), 25);
    EXPECT_EQ(FitZoom(QSize(455, 275), QSize(10000, 10000)), 800);
    EXPECT_EQ(FitZoom(QSize(0, 0), QSize(500, 500)), 100);

    TVkVellumPanel card;
    card.SetZoom(5000);
    EXPECT_EQ(card.Zoom(), 800);
}

TEST(CardZoom, CardFrameAndGridAreDrawnAtTheZoomWithMarksOfScreenSize)
{
    TVkVellumPanel card;
    card.SetBounds(0, 0, 455, 275);
    card.SetShowGrid(true);
    card.SetGridSize(10);
    card.SetGridStyle(gsDot);
    const QImage at200 = zoomed(card, 2.0);
    // The frame is the card's edge: 910 x 550 screen pixels, one pixel wide.
    EXPECT_EQ(at200.pixel(0, 0), kBlack);
    EXPECT_EQ(at200.pixel(909, 549), kBlack);
    EXPECT_EQ(at200.pixel(910, 549), kOutside);
    EXPECT_EQ(at200.pixel(909, 550), kOutside);
    EXPECT_EQ(at200.pixel(1, 1), kWhite);
    // Grid points every 10 surface pixels, 20 screen pixels apart, each one screen pixel.
    EXPECT_EQ(at200.pixel(20, 20), kGrey);
    EXPECT_EQ(at200.pixel(21, 20), kWhite);
    EXPECT_EQ(at200.pixel(900, 540), kGrey);
    EXPECT_EQ(at200.pixel(908, 540), kWhite); // no point on the card's last pixels

    // On a screen of two device pixels per screen pixel, the frame and the points are two wide.
    const QImage sharp = zoomed(card, 4.0, 2.0);
    EXPECT_EQ(sharp.pixel(1, 1), kBlack);
    EXPECT_EQ(sharp.pixel(2, 2), kWhite);
    EXPECT_EQ(sharp.pixel(41, 41), kGrey);
    EXPECT_EQ(sharp.pixel(42, 41), kWhite);

    // Zoomed out, a grid finer than the screen never draws two points on one pixel more than once.
    card.SetGridSize(1);
    const QImage at25 = zoomed(card, 0.25);
    EXPECT_EQ(at25.pixel(50, 50), kGrey);
}

TEST(CardZoom, LinesAndPicturesAreDrawnAtTheZoomNotEnlarged)
{
    TVkVellumPanel card;
    card.SetBounds(0, 0, 455, 275);
    addShape(card, dmLineHorz, QRect(10, 10, 100, 1), 1);
    addShape(card, dmRectangle, QRect(200, 100, 50, 50), 0);
    const QImage at400 = zoomed(card, 4.0);
    // A line of one surface pixel is four screen pixels at 400 %, and so is the thinnest pen.
    for (int y = 40; y < 44; ++y)
        EXPECT_EQ(at400.pixel(200, y), kBlack) << y;
    EXPECT_EQ(at400.pixel(200, 44), kWhite);
    EXPECT_EQ(at400.pixel(803, 500), kBlack);
    EXPECT_EQ(at400.pixel(804, 500), kWhite);

    // A picture is stretched from its own pixels: at 400 % a 2 x 2 checkerboard of 100 x 100
    // surface pixels (less the inset) keeps its sharp boundary.
    QImage checker(2, 2, QImage::Format_RGB32);
    checker.setPixel(0, 0, kRed);
    checker.setPixel(1, 1, kRed);
    checker.setPixel(1, 0, kBlack);
    checker.setPixel(0, 1, kBlack);
    auto picture = std::make_unique<TVkDragLabel>();
    picture->SetBitmap(checker);
    picture->SetBounds(300, 100, 104, 104);
    picture->SetSelected(false);
    card.AddObject(std::move(picture));
    const QImage withPicture = zoomed(card, 4.0);
    // The picture area begins 2 surface pixels (8 screen pixels) inside the object.
    EXPECT_EQ(withPicture.pixel(1208, 408), kRed);
    EXPECT_EQ(withPicture.pixel(1207, 408), kWhite);
    EXPECT_EQ(withPicture.pixel(1407, 408), kRed);
    EXPECT_EQ(withPicture.pixel(1408, 408), kBlack);
}

TEST(CardZoom, TextIsSetAtTheZoomWhereItStandsAt100Percent)
{
    TVkVellumPanel card;
    card.SetBounds(0, 0, 455, 275);
    TVkDragLabel &label = addText(card, QStringLiteral("Name Card"), QRect(40, 30, 150, 40));
    QImage at100(455, 275, QImage::Format_RGB32);
    card.Paint(at100, at100.rect());
    const QRect ink100 = inkBounds(at100, QRect(40, 30, 150, 40));
    ASSERT_FALSE(ink100.isEmpty());

    const QImage at400 = zoomed(card, 4.0);
    const QRect ink400 = inkBounds(at400, QRect(160, 120, 600, 160));
    // The same place and width at four times the size, give or take the rounding of glyph edges.
    EXPECT_NEAR(ink400.left(), 4 * ink100.left(), 4);
    EXPECT_NEAR(ink400.width(), 4 * ink100.width(), 8);
    EXPECT_NEAR(ink400.height(), 4 * ink100.height(), 8);

    // Opacity mixes the ink at any zoom.
    label.SetAlphaChannel(40);
    const QImage faint = zoomed(card, 4.0);
    EXPECT_TRUE(inkBounds(faint, QRect(160, 120, 600, 160)).isEmpty());
}

TEST(CardZoom, SelectionMarksKeepTheirSizeOnScreen)
{
    TVkVellumPanel card;
    card.SetBounds(0, 0, 455, 275);
    TVkDragLabel &box = addShape(card, dmRectangle, QRect(20, 20, 100, 50), 1);
    box.SetSelected(true);
    TVkDragLabel &label = addText(card, QStringLiteral("A"), QRect(200, 150, 50, 40));
    label.SetSelected(true);
    const QImage at400 = zoomed(card, 4.0);
    // Handles of 5 screen pixels, red round black, at the corners of the zoomed box.
    EXPECT_EQ(at400.pixel(80, 80), kRed);
    EXPECT_EQ(at400.pixel(82, 82), kBlack);
    EXPECT_EQ(at400.pixel(84, 84), kRed);
    EXPECT_EQ(at400.pixel(85, 85), kWhite);
    EXPECT_EQ(at400.pixel(479, 279), kRed);
    EXPECT_EQ(at400.pixel(476, 276), kBlack);
    // The middle handle of the top edge.
    EXPECT_EQ(at400.pixel(80 + 200 - 2, 80), kRed);
    // A selected text shows a band of two screen pixels.
    EXPECT_EQ(at400.pixel(800, 700), kRed);
    EXPECT_EQ(at400.pixel(801, 701), kRed);
    EXPECT_EQ(at400.pixel(802, 702), kWhite);

    // On a screen of two device pixels per screen pixel the handles are ten device pixels.
    const QImage sharp = zoomed(card, 8.0, 2.0);
    EXPECT_EQ(sharp.pixel(160, 160), kRed);
    EXPECT_EQ(sharp.pixel(161, 161), kRed);
    EXPECT_EQ(sharp.pixel(162, 162), kBlack);
    EXPECT_EQ(sharp.pixel(169, 169), kRed);
}

TEST(CardZoom, PaintingPartOfTheZoomedCardMatchesAWholePaint)
{
    TVkVellumPanel card;
    card.SetBounds(0, 0, 455, 275);
    card.SetShowGrid(true);
    addShape(card, dmCircle, QRect(30, 30, 120, 80), 3).SetSelected(true);
    addText(card, QStringLiteral("Zoom"), QRect(100, 60, 120, 40));
    const QImage whole = zoomed(card, 3.0);
    QImage part = whole;
    const QRect dirty(250, 150, 200, 130);
    {
        QPainter painter(&part);
        painter.fillRect(dirty, Qt::green);
        card.PaintZoomed(painter, dirty, 3.0, 1.0);
    }
    EXPECT_EQ(part, whole);
}

// The view keeps each text's zoomed drawing between repaints; whatever the user then changes in
// the text shows at once, exactly as a text drawn afresh.
TEST(CardZoom, AChangedTextIsRedrawnAtTheZoomNotTakenFromTheLastRepaint)
{
    TVkVellumPanel card;
    card.SetBounds(0, 0, 200, 80);
    TVkDragLabel &text = addText(card, QStringLiteral("山田 太郎"), QRect(10, 10, 180, 60));
    const QImage before = zoomed(card, 4.0);
    text.SetCaption({QStringLiteral("佐々木 花子")});
    CardFont red = text.Font();
    red.Color = RGBToColor(200, 0, 0);
    text.SetFont(red);
    const QImage after = zoomed(card, 4.0);
    EXPECT_NE(after, before);

    TVkVellumPanel fresh;
    fresh.SetBounds(0, 0, 200, 80);
    TVkDragLabel &same = addText(fresh, QStringLiteral("佐々木 花子"), QRect(10, 10, 180, 60));
    same.SetFont(red);
    EXPECT_EQ(after, zoomed(fresh, 4.0));
}
