#include "model/card/SurfaceScale.h"
#include "model/card/TVkVellumPanel.h"
#include "model/sheet/CardSheetDrawing.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

const QRgb kGrey = qRgb(0xA0, 0xA0, 0xA0);
const QRgb kBlack = qRgb(0, 0, 0);

QImage painted(TVkVellumPanel &panel)
{
    QImage image(panel.Width(), panel.Height(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    panel.Paint(image, image.rect());
    return image;
}

int countInRow(const QImage &image, int y, QRgb colour)
{
    int count = 0;
    for (int x = 0; x < image.width(); ++x)
        count += image.pixel(x, y) == colour;
    return count;
}

int countInColumn(const QImage &image, int x, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        count += image.pixel(x, y) == colour;
    return count;
}

} // namespace

TEST(CardSurface, FrameAndGridLinesStopInsideTheFrame)
{
    TVkVellumPanel panel;
    panel.SetBounds(0, 0, 455, 275);
    panel.SetShowGrid(true);
    const QImage image = painted(panel);
    for (QPoint corner : {QPoint(0, 0), QPoint(454, 0), QPoint(0, 274), QPoint(454, 274), QPoint(227, 0)})
        EXPECT_EQ(image.pixel(corner), kBlack) << corner.x() << "," << corner.y();
    EXPECT_EQ(countInRow(image, 5, kGrey), 45);      // x = 10 ... 450
    EXPECT_EQ(countInColumn(image, 5, kGrey), 27);   // y = 10 ... 270
    EXPECT_EQ(countInColumn(image, 10, kGrey), 273); // from y = 1 to the pixel above the frame
    EXPECT_EQ(image.pixel(10, 274), kBlack);
    EXPECT_EQ(countInRow(image, 10, kGrey), 453);
    EXPECT_EQ(image.pixel(5, 5), qRgb(255, 255, 255));

    panel.SetGridStyle(gsDot);
    const QImage dots = painted(panel);
    int greys = 0;
    for (int y = 0; y < dots.height(); ++y)
        greys += countInRow(dots, y, kGrey);
    EXPECT_EQ(greys, 45 * 27);
    EXPECT_EQ(dots.pixel(450, 270), kGrey);
}

TEST(CardSurface, PictureIsStretchedUnderFrameAndGrid)
{
    TVkVellumPanel panel;
    panel.SetBounds(0, 0, 100, 60);
    panel.SetShowGrid(true);
    panel.SetGridSize(25);
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(0, 0, 255));
    panel.SetBitmap(picture);
    const QImage image = painted(panel);
    EXPECT_EQ(image.pixel(20, 40), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(49, 40), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(51, 40), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(25, 40), kGrey);
    EXPECT_EQ(image.pixel(0, 40), kBlack);

    panel.SetBitmap(QImage());
    panel.SetColor(0x00FF00);
    EXPECT_EQ(painted(panel).pixel(20, 40), qRgb(0, 255, 0));
}

TEST(CardSurface, RepaintingPartOfTheGridMatchesAWholePaint)
{
    TVkVellumPanel panel;
    panel.SetBounds(0, 0, 455, 275);
    panel.SetShowGrid(true);
    for (TGridStyle style : {gsLine, gsDot}) {
        panel.SetGridStyle(style);
        const QImage whole = painted(panel);
        QImage pieces(455, 275, QImage::Format_RGB32);
        pieces.fill(Qt::magenta);
        for (QRect area : {QRect(0, 0, 13, 275), QRect(13, 0, 200, 9), QRect(13, 9, 200, 266),
                           QRect(213, 0, 242, 140), QRect(213, 140, 242, 135)})
            panel.Paint(pieces, area);
        EXPECT_EQ(pieces, whole) << int(style);
    }
}

// Half a surface pixel rounds up on the card, while the printer's half pixel is cut: the two
// conversions differ in unit and rounding, and each keeps its own.
TEST(CardSurface, SurfaceLengthsRoundWhereDevicePixelsAreCut)
{
    EXPECT_EQ(TenthMmToSurfacePixels(5), 3);     // 2.5 surface pixels
    EXPECT_EQ(TenthMmToDevicePixels(5, 127), 2); // 2.5 device pixels at 127 dpi
    EXPECT_EQ(TenthMmToSurfacePixels(910), 455);
    EXPECT_EQ(TenthMmToDevicePixels(910, 127), 455);
    EXPECT_EQ(TenthMmToSurfacePixels(1e12), INT32_MAX);
}
