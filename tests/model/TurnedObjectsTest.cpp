#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/document/CardStream.h"
#include "model/edit/TurnObjects.h"
#include "model/sheet/CardRenderer.h"

#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A two-pixel picture, red then blue, in its 2-pixel margins: 6 x 5 unturned.
std::unique_ptr<TVkDragLabel> redBluePicture()
{
    QImage pixels(2, 1, QImage::Format_RGB32);
    pixels.setPixel(0, 0, qRgb(255, 0, 0));
    pixels.setPixel(1, 0, qRgb(0, 0, 255));
    auto picture = std::make_unique<TVkDragLabel>();
    picture->LoadBitmap(pixels);
    picture->SetBounds(0, 0, 6, 5);
    return picture;
}

QImage drawn(TVkDragLabel &object, bool scaled)
{
    QImage canvas(object.Width(), object.Height(), QImage::Format_RGB32);
    canvas.fill(Qt::white);
    if (scaled) {
        QPainter painter(&canvas);
        object.Draw(painter, QPoint(0, 0), CardDrawing::Device(1.0));
    } else {
        object.DrawTo(canvas, 0, 0);
    }
    return canvas;
}

// The smallest rectangle holding every pixel darker than light grey.
QRect inkBounds(const QImage &image)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 160)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

} // namespace

TEST(TurnedObjectsTest, PicturesAreDrawnTurnedOnScreenAndOnPaper)
{
    const QRgb red = qRgb(255, 0, 0);
    const QRgb blue = qRgb(0, 0, 255);
    // Clockwise, the red pixel at the left comes to the top; anticlockwise to the bottom.
    const struct {
        int quarterTurns;
        QSize size;
        QPoint red, blue;
    } cases[] = {{1, {5, 6}, {2, 2}, {2, 3}}, {-1, {5, 6}, {2, 3}, {2, 2}}, {2, {6, 5}, {3, 2}, {2, 2}}};
    for (const auto &turn : cases) {
        for (const bool scaled : {false, true}) {
            auto picture = redBluePicture();
            TurnObject(*picture, turn.quarterTurns);
            const QImage image = drawn(*picture, scaled);
            ASSERT_EQ(image.size(), turn.size) << turn.quarterTurns;
            EXPECT_EQ(image.pixel(turn.red), red) << turn.quarterTurns << " scaled " << scaled;
            EXPECT_EQ(image.pixel(turn.blue), blue) << turn.quarterTurns << " scaled " << scaled;
        }
    }
}

TEST(TurnedObjectsTest, TurningSwapsTheSidesAboutTheCentreAndBack)
{
    TVkDragLabel text;
    text.LoadCaption({QStringLiteral("Vellumia")});
    text.SetAutoSize(true);
    text.SetLeft(100);
    text.SetTop(50);
    text.ApplyAutoSize();
    const QRect upright = text.BoundsRect();
    ASSERT_GT(upright.width(), upright.height());
    TurnObject(text, 1);
    EXPECT_EQ(text.Rotation(), 90);
    EXPECT_EQ(text.BoundsRect().size(), upright.size().transposed());
    EXPECT_LE((text.BoundsRect().center() - upright.center()).manhattanLength(), 2); // halves cut
    text.ApplyAutoSize(); // the turned text keeps measuring itself turned
    EXPECT_EQ(text.BoundsRect().size(), upright.size().transposed());
    TurnObject(text, -1);
    EXPECT_EQ(text.Rotation(), 0);
    EXPECT_EQ(text.BoundsRect(), upright);
    TurnObject(text, -1);
    TurnObject(text, 2);
    EXPECT_EQ(text.Rotation(), 90);

    // Shapes become the shape they look like turned, with no rotation to store.
    TVkDragLabel line;
    line.SetDrawMode(dmLineLR);
    line.SetBounds(0, 0, 40, 10);
    TurnObject(line, 1);
    EXPECT_EQ(line.DrawMode(), dmLineRL);
    EXPECT_EQ(line.BoundsRect(), QRect(15, -15, 10, 40));
    EXPECT_EQ(line.Rotation(), 0);
    line.SetDrawMode(dmLineHorz);
    TurnObject(line, -1);
    EXPECT_EQ(line.DrawMode(), dmLineVert);

    // Documents from other hands may hold any angle; it is taken to the nearest quarter turn.
    for (const auto &[stored, taken] : {std::pair{-90, 270}, {450, 90}, {100, 90}, {-200, 180}, {44, 0}}) {
        text.SetRotation(stored);
        EXPECT_EQ(text.Rotation(), taken) << stored;
    }
}

TEST(TurnedObjectsTest, ATurnThatPushesAnObjectOffTheCardMovesItBackOn)
{
    // A 455 x 275 card; a wide box along its top edge, turned, would stick out above it.
    TVkDragLabel box;
    box.SetDrawMode(dmRectangle);
    box.SetBounds(0, 0, 200, 40);
    TurnObjectOnCard(box, 1, 455, 275);
    EXPECT_EQ(box.BoundsRect(), QRect(80, 0, 40, 200));
    // Near the bottom right corner it comes back in both ways.
    box.SetBounds(415, 75, 40, 200);
    TurnObjectOnCard(box, -1, 455, 275);
    EXPECT_EQ(box.BoundsRect(), QRect(255, 155, 200, 40));
    // Longer than the card is high, it is centred on the card across that side.
    box.SetBounds(100, 100, 300, 20);
    TurnObjectOnCard(box, 1, 455, 275);
    EXPECT_EQ(box.BoundsRect(), QRect(240, -12, 20, 300));
    // One that already ran off the edge is left where the turn puts it.
    box.SetBounds(-50, 10, 200, 40);
    TurnObjectOnCard(box, 1, 455, 275);
    EXPECT_EQ(box.BoundsRect(), QRect(30, -70, 40, 200));
}

TEST(TurnedObjectsTest, ATurnedCardComesBackByteForByte)
{
    TVkVellumPanel card;
    card.SetBounds(0, 0, 455, 275);
    auto text = std::make_unique<TVkDragLabel>();
    text->LoadCaption({QStringLiteral("縦の名前")});
    text->SetBounds(10, 10, 30, 90);
    text->SetRotation(270);
    card.AddObject(std::move(text));
    auto picture = redBluePicture();
    TurnObject(*picture, 2);
    card.AddObject(std::move(picture));
    card.AddObject(redBluePicture());

    QByteArray written;
    WriteCardStream(written, card, TCardDef{});
    EXPECT_EQ(written.count("Rotation"), 2); // the unturned picture stores none
    TVkVellumPanel read;
    ASSERT_TRUE(ReadCardStream(written, read).ok);
    ASSERT_EQ(read.ObjectCount(), 3);
    EXPECT_EQ(read.Object(0).Rotation(), 270);
    EXPECT_EQ(read.Object(1).Rotation(), 180);
    QByteArray again;
    WriteCardStream(again, read, TCardDef{});
    EXPECT_EQ(again, written);
}

TEST(TurnedObjectsTest, ATurnedLineOfTextIsExportedTallerThanWide)
{
    TVkVellumPanel card;
    card.SetBounds(0, 0, 455, 275);
    card.SetColor(clWhite);
    auto text = std::make_unique<TVkDragLabel>();
    CardFont font;
    font.Name = QStringLiteral("Liberation Sans");
    font.Color = clBlack;
    font.SetSizeInPoints(14);
    text->SetFont(font);
    text->LoadCaption({QStringLiteral("Vellumia Design")});
    text->SetAutoSize(true);
    text->SetBounds(200, 120, 10, 10); // turned, it reaches from about 60 to 200
    TVkDragLabel &turned = card.AddObject(std::move(text));
    QImage upright;
    RenderCardToBitmap(card, upright, 1075, 650); // 91 x 55 mm at 300 dpi
    TurnObject(turned, 1);
    QImage exported;
    RenderCardToBitmap(card, exported, 1075, 650);

    const QRect uprightInk = inkBounds(upright);
    const QRect turnedInk = inkBounds(exported);
    ASSERT_GT(uprightInk.width(), 2 * uprightInk.height());
    EXPECT_GT(turnedInk.height(), 2 * turnedInk.width());
    // The same ink, turned: the sides swap within a pixel or two of hinting.
    EXPECT_NEAR(turnedInk.height(), uprightInk.width(), 3);
    EXPECT_NEAR(turnedInk.width(), uprightInk.height(), 3);
}

TEST(TurnedObjectsTest, TurnedTextStaysTextInAPdf)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("turned.pdf"));
    TVkDragLabel text;
    text.LoadCaption({QStringLiteral("Vellumia")});
    text.SetAutoSize(true);
    text.ApplyAutoSize();
    TurnObject(text, 1);
    {
        QPdfWriter pdf(path);
        pdf.setResolution(300);
        QPainter painter(&pdf);
        text.Draw(painter, QPoint(200, 200), CardDrawing::Device(300.0 / 96.0));
    }
    QProcess extract;
    extract.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    ASSERT_TRUE(extract.waitForFinished(30000));
    EXPECT_TRUE(QString::fromUtf8(extract.readAllStandardOutput()).contains(QStringLiteral("Vellumia")));
}
