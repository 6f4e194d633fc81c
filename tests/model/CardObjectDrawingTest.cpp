#include "model/card/StretchCache.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/card/TextDrawing.h"
#include "model/card/TextEffects.h"

#include <QFontMetrics>
#include <QPainter>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <set>

namespace {

QImage whiteCanvas(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

bool isBlack(const QImage &image, int x, int y)
{
    return (image.pixel(x, y) & 0xFFFFFF) == 0;
}

QRgb rgb(int r, int g, int b)
{
    return qRgb(r, g, b);
}

std::unique_ptr<TVkDragLabel> shape(TDrawMode mode, int width, int height, int penWidth)
{
    auto object = std::make_unique<TVkDragLabel>();
    object->SetDrawMode(mode);
    object->SetBounds(0, 0, width, height);
    object->SetColor(clBlack);
    object->SetPenWidth(penWidth);
    return object;
}

std::unique_ptr<TVkDragLabel> text(const QStringList &lines, TColor color, int height = -40)
{
    auto object = std::make_unique<TVkDragLabel>();
    CardFont font;
    font.Name = QStringLiteral("DejaVu Sans");
    font.Height = height;
    font.Style = fsBold;
    font.Color = color;
    object->SetFont(font);
    object->SetCaption(lines);
    object->SetBounds(0, 0, 200, 80);
    return object;
}

std::set<QRgb> colours(const QImage &image, const QRect &rect)
{
    std::set<QRgb> found;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x)
            found.insert(image.pixel(x, y));
    }
    return found;
}

// A picture whose every pixel differs from its neighbours, so that any misplaced row or column
// of a stretch shows.
QImage patternPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256 + y / 256 * 16) % 256));
    }
    return picture;
}

} // namespace

TEST(CardObjectDrawing, ShapeStrokesStayInsideTheRectangleForOddAndEvenPens)
{
    for (int pen : {1, 9, 10}) {
        auto object = shape(dmRectangle, 100, 100, pen);
        QImage canvas = whiteCanvas(120, 120);
        object->DrawTo(canvas, 10, 10);
        const int p = std::max(pen, 1);
        SCOPED_TRACE(pen);
        EXPECT_FALSE(isBlack(canvas, 9, 50));
        EXPECT_TRUE(isBlack(canvas, 10, 50));
        EXPECT_TRUE(isBlack(canvas, 10 + p - 1, 50));
        EXPECT_FALSE(isBlack(canvas, 10 + p, 50));
        EXPECT_TRUE(isBlack(canvas, 109, 50));
        EXPECT_TRUE(isBlack(canvas, 110 - p, 50));
        EXPECT_FALSE(isBlack(canvas, 109 - p, 50));
        EXPECT_FALSE(isBlack(canvas, 110, 50));
        EXPECT_TRUE(isBlack(canvas, 50, 10));
        EXPECT_FALSE(isBlack(canvas, 50, 10 + p));
        EXPECT_TRUE(isBlack(canvas, 50, 109));
        EXPECT_FALSE(isBlack(canvas, 50, 110));
    }
}

TEST(CardObjectDrawing, LinesAndFilledShapes)
{
    auto horizontal = shape(dmLineHorz, 100, 20, 4);
    ASSERT_EQ(horizontal->Height(), 10); // the pen width rule
    QImage canvas = whiteCanvas(110, 20);
    horizontal->DrawTo(canvas, 0, 0);
    EXPECT_TRUE(isBlack(canvas, 50, 4));
    EXPECT_TRUE(isBlack(canvas, 50, 5));
    EXPECT_FALSE(isBlack(canvas, 50, 1));
    EXPECT_FALSE(isBlack(canvas, 50, 8));
    EXPECT_TRUE(isBlack(canvas, 1, 5));
    EXPECT_TRUE(isBlack(canvas, 98, 5));
    EXPECT_FALSE(isBlack(canvas, 100, 5));

    auto diagonal = shape(dmLineRL, 50, 50, 1);
    canvas = whiteCanvas(50, 50);
    diagonal->DrawTo(canvas, 0, 0);
    EXPECT_TRUE(isBlack(canvas, 49, 0));
    EXPECT_TRUE(isBlack(canvas, 25, 24) || isBlack(canvas, 24, 25) || isBlack(canvas, 25, 25));
    EXPECT_FALSE(isBlack(canvas, 0, 0));

    auto ellipse = shape(dmCircle, 60, 40, 1);
    ellipse->SetFillDraw(true);
    ellipse->SetBrushColor(clRed);
    canvas = whiteCanvas(60, 40);
    ellipse->DrawTo(canvas, 0, 0);
    EXPECT_EQ(canvas.pixel(30, 20), rgb(255, 0, 0));
    EXPECT_EQ(canvas.pixel(1, 1), rgb(255, 255, 255));
    EXPECT_TRUE(isBlack(canvas, 30, 0));
}

TEST(CardObjectDrawing, RoundedCornersComeFromTagOrHalfTheSize)
{
    // On a 100 x 60 box, Tag 0 gives 50 x 30 corner ellipses, Tag 50 gives 50 x 50 ones: the left
    // edge is straight from y = 15 with the first and only from y = 25 with the second.
    auto halfSize = shape(dmRoundRect, 100, 60, 1);
    QImage canvas = whiteCanvas(100, 60);
    halfSize->DrawTo(canvas, 0, 0);
    EXPECT_TRUE(isBlack(canvas, 0, 16));
    EXPECT_TRUE(isBlack(canvas, 50, 0));
    EXPECT_FALSE(isBlack(canvas, 10, 0));
    EXPECT_FALSE(isBlack(canvas, 0, 5));

    auto tagged = shape(dmRoundRect, 100, 60, 1);
    tagged->SetTag(50);
    canvas = whiteCanvas(100, 60);
    tagged->DrawTo(canvas, 0, 0);
    EXPECT_FALSE(isBlack(canvas, 0, 16));
    EXPECT_TRUE(isBlack(canvas, 0, 30));
    EXPECT_FALSE(isBlack(canvas, 10, 0));
}

TEST(CardObjectDrawing, SelectionMarks)
{
    TVkVellumPanel panel;
    panel.SetBounds(0, 0, 300, 200);
    TVkDragLabel &box = panel.AddObject(shape(dmRectangle, 100, 100, 1));
    box.SetSelected(true);
    TVkDragLabel &line = panel.AddObject(shape(dmLineHorz, 100, 10, 1));
    line.SetBounds(150, 20, 100, 10);
    line.SetSelected(true);
    TVkDragLabel &label = panel.AddObject(text({QStringLiteral("x")}, clBlack, -10));
    label.SetBounds(150, 100, 100, 50);
    label.SetSelected(true);
    QImage surface(300, 200, QImage::Format_RGB32);
    panel.Paint(surface, QRect(0, 0, 300, 200));

    const QRgb red = rgb(255, 0, 0);
    const QRgb black = rgb(0, 0, 0);
    // Each handle: a red border round a black 3 x 3 centre; eight on a box.
    for (QPoint corner : {QPoint(0, 0), QPoint(95, 0), QPoint(0, 95), QPoint(95, 95), QPoint(48, 0),
                          QPoint(48, 95), QPoint(0, 48), QPoint(95, 48)}) {
        SCOPED_TRACE(corner.x() * 1000 + corner.y());
        EXPECT_EQ(surface.pixel(corner), red);
        EXPECT_EQ(surface.pixel(corner + QPoint(4, 4)), red);
        EXPECT_EQ(surface.pixel(corner + QPoint(4, 2)), red);
        EXPECT_EQ(surface.pixel(corner + QPoint(1, 1)), black);
        EXPECT_EQ(surface.pixel(corner + QPoint(3, 3)), black);
    }
    // Four on a horizontal line: nothing in the middle of its top edge.
    EXPECT_EQ(surface.pixel(150 + 2, 20 + 2), black);
    EXPECT_EQ(surface.pixel(150 + 97, 20 + 7), black);
    EXPECT_EQ(surface.pixel(150 + 50, 20 + 2), rgb(255, 255, 255));
    // A 2-pixel red outline on text, no handles.
    EXPECT_EQ(surface.pixel(150, 125), red);
    EXPECT_EQ(surface.pixel(151, 125), red);
    EXPECT_NE(surface.pixel(152, 125), red);
    EXPECT_EQ(surface.pixel(249, 125), red);
    EXPECT_EQ(surface.pixel(248, 125), red);
    EXPECT_EQ(surface.pixel(152, 102), rgb(255, 255, 255));
}

TEST(CardObjectDrawing, DraggedPictureIsAnOutlineThatShowsOnAnyBackground)
{
    TVkVellumPanel panel;
    panel.SetBounds(0, 0, 200, 100);
    QImage half(200, 100, QImage::Format_RGB32);
    half.fill(Qt::white);
    QPainter(&half).fillRect(0, 50, 200, 50, Qt::black);
    panel.SetBitmap(half);
    auto picture = std::make_unique<TVkDragLabel>();
    QImage green(40, 40, QImage::Format_RGB32);
    green.fill(Qt::green);
    picture->SetBitmap(green);
    picture->SetSelected(false);
    picture->SetBounds(20, 20, 60, 60);
    TVkDragLabel &object = panel.AddObject(std::move(picture));
    QImage surface(200, 100, QImage::Format_RGB32);
    panel.Paint(surface, QRect(0, 0, 200, 100), HeldObject{&object, true});

    EXPECT_EQ(surface.pixel(20, 40), rgb(255, 0, 0));     // not-xor of red over white
    EXPECT_EQ(surface.pixel(20, 60), rgb(0, 255, 255));   // and over black
    EXPECT_EQ(surface.pixel(50, 40), rgb(255, 255, 255)); // the picture itself is not drawn
    EXPECT_EQ(surface.pixel(21, 40), rgb(255, 255, 255));

    panel.Paint(surface, QRect(0, 0, 200, 100));
    EXPECT_EQ(surface.pixel(50, 40), rgb(0, 255, 0));
    EXPECT_EQ(surface.pixel(20, 40), rgb(255, 255, 255)); // outside the 2-pixel inset
    EXPECT_EQ(surface.pixel(22, 40), rgb(0, 255, 0));
}

TEST(CardObjectDrawing, OpacityMixesTheFontColourIntoWhatIsUnder)
{
    // With a mask drawn without glyph smoothing every pixel is either untouched or exactly mixed.
    auto red = text({QStringLiteral("HW")}, clRed);
    red->SetAlphaChannel(50);
    QImage canvas = whiteCanvas(200, 80);
    red->DrawTo(canvas, 0, 0);
    EXPECT_EQ(colours(canvas, canvas.rect()), (std::set<QRgb>{rgb(255, 255, 255), rgb(255, 127, 127)}));

    auto white = text({QStringLiteral("HW")}, clWhite);
    white->SetAlphaChannel(1);
    canvas.fill(Qt::black);
    white->DrawTo(canvas, 0, 0);
    EXPECT_EQ(colours(canvas, canvas.rect()), (std::set<QRgb>{rgb(0, 0, 0), rgb(2, 2, 2)}));
}

TEST(CardObjectDrawing, SmoothingAveragesOnlyWhereTheOutlineTurnsACorner)
{
    // Ink at (1,1), (2,1) and (1,2): an L. Ink pixels are 0, the others 250.
    QImage mask = whiteCanvas(5, 5);
    QImage composite(5, 5, QImage::Format_RGB32);
    composite.fill(qRgb(250, 250, 250));
    for (QPoint ink : {QPoint(1, 1), QPoint(2, 1), QPoint(1, 2)}) {
        mask.setPixel(ink, qRgb(0, 0, 0));
        composite.setPixel(ink, qRgb(0, 0, 0));
    }
    const QImage smooth = SmoothInkEdges(composite, mask, QRect(0, 0, 5, 5));
    // (2,2): left neighbour ink, right not; upper ink, lower not: (0 + 0 + 250 + 250 + 250) / 5.
    EXPECT_EQ(smooth.pixel(2, 2), rgb(150, 150, 150));
    // (1,1): left not, right ink; upper not, lower ink: (250 + 250 + 0 + 0 + 0) / 5.
    EXPECT_EQ(smooth.pixel(1, 1), rgb(100, 100, 100));
    // (2,1): upper and lower neighbours agree; (3,3): all neighbours agree.
    EXPECT_EQ(smooth.pixel(2, 1), rgb(0, 0, 0));
    EXPECT_EQ(smooth.pixel(3, 3), rgb(250, 250, 250));
    // The outermost rows and columns of the object never change.
    const QImage edgeOnly = SmoothInkEdges(composite, mask, QRect(1, 1, 2, 4));
    EXPECT_EQ(edgeOnly, composite);
}

TEST(CardObjectDrawing, SmoothingLeavesTwoPixelObjectsAndOpaqueStraightEdgesAlone)
{
    for (QSize size : {QSize(2, 60), QSize(200, 2)}) {
        auto plain = text({QStringLiteral("AVW")}, clBlack);
        plain->SetBounds(0, 0, size.width(), size.height());
        auto smoothed = text({QStringLiteral("AVW")}, clBlack);
        smoothed->SetBounds(0, 0, size.width(), size.height());
        smoothed->SetAntiAlias(true);
        QImage a = whiteCanvas(200, 80);
        QImage b = whiteCanvas(200, 80);
        plain->DrawTo(a, 0, 0);
        smoothed->DrawTo(b, 0, 0);
        EXPECT_EQ(a, b);
    }
    // On a full-size object smoothing does change the diagonal strokes.
    auto plain = text({QStringLiteral("AVW")}, clBlack);
    auto smoothed = text({QStringLiteral("AVW")}, clBlack);
    smoothed->SetAntiAlias(true);
    QImage a = whiteCanvas(200, 80);
    QImage b = whiteCanvas(200, 80);
    plain->DrawTo(a, 0, 0);
    smoothed->DrawTo(b, 0, 0);
    EXPECT_NE(a, b);
}

TEST(CardObjectDrawing, DrawScaledMultipliesSizesAndPen)
{
    // 100 x 40 with pen 3 at 6.25: 625 x 250, pen trunc(18.75) = 18, inset by 9.
    auto object = shape(dmRectangle, 100, 40, 3);
    QImage canvas = whiteCanvas(700, 300);
    QPainter painter(&canvas);
    object->Draw(painter, QPoint(20, 20), CardDrawing::Device(6.25));
    painter.end();
    EXPECT_FALSE(isBlack(canvas, 19, 100));
    EXPECT_TRUE(isBlack(canvas, 20, 100));
    EXPECT_TRUE(isBlack(canvas, 37, 100));
    EXPECT_FALSE(isBlack(canvas, 38, 100));
    EXPECT_TRUE(isBlack(canvas, 644, 100));
    EXPECT_TRUE(isBlack(canvas, 627, 100));
    EXPECT_FALSE(isBlack(canvas, 626, 100));
    EXPECT_FALSE(isBlack(canvas, 645, 100));
    EXPECT_TRUE(isBlack(canvas, 300, 269));
    EXPECT_FALSE(isBlack(canvas, 300, 270));
}

TEST(CardObjectDrawing, DrawScaledSpreadsTheWidestLineOverItsScreenWidthAtAnyResolution)
{
    for (int dpi : {96, 300, 600}) {
        SCOPED_TRACE(dpi);
        auto object = text({QStringLiteral("Short"), QStringLiteral("Much longer line")}, clBlack, -12);
        object->SetAlphaChannel(40);
        object->SetAntiAlias(true);
        // Far wider than the text: the box's width is not the text's.
        object->SetBounds(0, 0, 200, 40);
        const int screenWidth =
            QFontMetrics(object->Font().ToQFont()).horizontalAdvance(QStringLiteral("Much longer line"));
        ASSERT_LT(screenWidth, 150);
        QImage canvas = whiteCanvas(1400, 300);
        canvas.setDotsPerMeterX(int(dpi / 0.0254 + 0.5));
        canvas.setDotsPerMeterY(int(dpi / 0.0254 + 0.5));
        QPainter painter(&canvas);
        object->Draw(painter, QPoint(10, 10), CardDrawing::Device(6.25));
        EXPECT_EQ(painter.font().letterSpacing(), 0);
        painter.end();
        EXPECT_EQ(object->Width(), 200);

        int right = -1;
        for (int y = 0; y < canvas.height(); ++y) {
            for (int x = canvas.width() - 1; x > right; --x) {
                if (canvas.pixel(x, y) != rgb(255, 255, 255))
                    right = x;
            }
        }
        // The line spans its screen width times 6.25 from x + 2, up to the rounding of the spacing and
        // the side bearing of the last letter.
        EXPECT_NEAR(right, 10 + 2 + screenWidth * 6.25, 12);
        // Opacity is not applied: the ink is the font colour.
        EXPECT_EQ(colours(canvas, canvas.rect()).count(rgb(0, 0, 0)), 1u);
    }
}

TEST(CardObjectDrawing, DrawScaledUsesNoSpacingForASingleCharacter)
{
    auto object = text({QStringLiteral("W")}, clBlack, -12);
    QImage scaled = whiteCanvas(400, 200);
    QPainter painter(&scaled);
    object->Draw(painter, QPoint(0, 0), CardDrawing::Device(2.0));
    painter.end();

    CardFont font = object->Font();
    font.Height = -23; // trunc(-12 * 2 + 0.5): the height keeps its sign
    QImage plain = whiteCanvas(400, 200);
    QPainter direct(&plain);
    direct.setFont(font.ToQFont());
    direct.setPen(Qt::black);
    DrawTextLines(direct, object->Caption(), 0, 0);
    direct.end();
    EXPECT_EQ(scaled, plain);
}

TEST(CardObjectModel, MeasureContentAndAutoSize)
{
    auto object = text({QStringLiteral("ab"), QString(), QStringLiteral("c")}, clBlack, -20);
    const QFontMetrics metrics(object->Font().ToQFont());
    const int line = metrics.height();
    EXPECT_EQ(object->MeasureContent(), QSize(metrics.horizontalAdvance(QStringLiteral("ab")), 3 * line));
    object->SetAutoSize(true);
    QImage canvas = whiteCanvas(10, 10);
    object->DrawTo(canvas, 0, 0);
    EXPECT_EQ(object->Width(), metrics.horizontalAdvance(QStringLiteral("ab")) + 4);
    EXPECT_EQ(object->Height(), 3 * line + 4);

    object->SetCaption({QStringLiteral("ab"), QString()}); // an empty last line still counts
    EXPECT_EQ(object->MeasureContent().height(), 2 * line);
    object->SetCaption({});
    EXPECT_EQ(object->MeasureContent(), QSize(0, 0));

    auto picture = std::make_unique<TVkDragLabel>();
    picture->SetBitmap(QImage(30, 20, QImage::Format_RGB32));
    picture->SetAutoSize(true);
    picture->DrawTo(canvas, 0, 0);
    EXPECT_EQ(QSize(picture->Width(), picture->Height()), QSize(34, 24));

    auto line2 = shape(dmRectangle, 50, 60, 1);
    line2->SetAutoSize(true);
    line2->DrawTo(canvas, 0, 0);
    EXPECT_EQ(QSize(line2->Width(), line2->Height()), QSize(50, 60)); // shapes never size themselves
}

TEST(CardObjectModel, PenWidthSizeRule)
{
    auto box = shape(dmRectangle, 100, 100, 30);
    EXPECT_EQ(QSize(box->Width(), box->Height()), QSize(100, 100));
    box->SetPenWidth(60);
    EXPECT_EQ(QSize(box->Width(), box->Height()), QSize(120, 120));
    box->SetBounds(0, 0, 50, 50);
    box->SetPenWidth(60); // unchanged value: no rule
    EXPECT_EQ(QSize(box->Width(), box->Height()), QSize(50, 50));

    auto line = shape(dmLineHorz, 100, 40, 4);
    EXPECT_EQ(line->Height(), 10);
    line->SetPenWidth(14);
    EXPECT_EQ(line->Height(), 14);
    auto vertical = shape(dmLineVert, 3, 100, 2);
    EXPECT_EQ(vertical->Width(), 10);
}

TEST(CardObjectModel, SelectionAndKindChanges)
{
    TVkDragLabel object;
    int selections = 0;
    bool sawUnselected = false;
    object.OnSelected = [&](TVkDragLabel &sender) {
        ++selections;
        sawUnselected = !sender.Selected();
    };
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    object.SetBitmap(picture);
    EXPECT_TRUE(object.Selected());
    EXPECT_TRUE(object.IsPicture());
    EXPECT_EQ(selections, 1);
    EXPECT_TRUE(sawUnselected);
    object.SetBitmap(picture);
    object.SetSelected(true);
    EXPECT_EQ(selections, 1);

    object.SetSelected(false);
    object.SetDrawMode(dmRectangle);
    EXPECT_TRUE(object.IsPicture()); // the picture wins over the shape
    object.SetCaption({QStringLiteral("text")});
    EXPECT_FALSE(object.BitmapMode());
    EXPECT_TRUE(object.Selected());
    EXPECT_EQ(selections, 2);
    EXPECT_TRUE(object.IsText());
    object.SetDrawMode(dmCircle);
    EXPECT_TRUE(object.IsShape());
    object.SetDrawMode(dmNone);
    EXPECT_TRUE(object.IsText());
}

TEST(CardSurfacePicture, CachedStretchIsPixelIdenticalAndFollowsPictureAndSize)
{
    const QImage first = patternPicture(4000, 3000);
    TVkVellumPanel panel;
    panel.SetBounds(0, 0, 455, 275);
    panel.SetBitmap(first);
    QImage surface(455, 275, QImage::Format_RGB32);
    const auto paintedMatches = [&](const QImage &picture) {
        panel.Paint(surface, QRect(0, 0, panel.Width(), panel.Height()));
        const QImage expected = StretchNearest(picture, QSize(panel.Width(), panel.Height()), surface.rect());
        const QRect inside(1, 1, panel.Width() - 2, panel.Height() - 2); // the frame is drawn over it
        return surface.copy(inside) == expected.copy(inside);
    };
    EXPECT_TRUE(paintedMatches(first));
    EXPECT_TRUE(paintedMatches(first)); // from the cache

    // A part repainted alone matches the whole.
    const QImage whole = surface.copy();
    panel.Paint(surface, QRect(100, 50, 30, 20));
    EXPECT_EQ(surface, whole);

    QImage second = first.copy();
    second.fill(Qt::darkCyan);
    panel.SetBitmap(second);
    EXPECT_TRUE(paintedMatches(second));
    panel.SetBounds(0, 0, 430, 303);
    surface = QImage(430, 303, QImage::Format_RGB32);
    EXPECT_TRUE(paintedMatches(second));

    // Stretching a part gives exactly that part of the whole stretch, also when shrinking.
    const QImage small = patternPicture(37, 23);
    const QImage full = StretchNearest(small, QSize(300, 11), QRect(0, 0, 300, 11));
    EXPECT_EQ(StretchNearest(small, QSize(300, 11), QRect(17, 3, 90, 5)), full.copy(17, 3, 90, 5));
}

TEST(CardSurfacePicture, EveryPixelFormatStretchesAsItsThirtyTwoBitForm)
{
    const QImage colour = patternPicture(37, 23);
    // Indices beyond a short colour table, as a damaged bitmap may hold them.
    QImage shortTable(37, 23, QImage::Format_Indexed8);
    shortTable.setColorTable({qRgb(200, 10, 10), qRgba(10, 200, 10, 40), qRgb(10, 10, 200)});
    for (int y = 0; y < shortTable.height(); ++y) {
        for (int x = 0; x < shortTable.width(); ++x)
            shortTable.scanLine(y)[x] = uchar((x + y) % 7);
    }
    QImage bare(37, 23, QImage::Format_Mono);
    bare.fill(0);
    bare.setPixel(3, 4, 1);
    const QImage pictures[] = {colour.convertToFormat(QImage::Format_Mono),
                               colour.convertToFormat(QImage::Format_MonoLSB),
                               colour.convertToFormat(QImage::Format_Indexed8),
                               shortTable,
                               bare,
                               colour.convertToFormat(QImage::Format_RGB888),
                               colour.convertToFormat(QImage::Format_BGR888),
                               colour.convertToFormat(QImage::Format_RGB16),
                               colour.convertToFormat(QImage::Format_ARGB32_Premultiplied)};
    // A picture with transparency stretches premultiplied and an opaque one as plain 32 bits; the
    // pixels are what matter.
    const auto pixels = [](const QImage &image) { return image.convertToFormat(QImage::Format_ARGB32); };
    for (const QImage &picture : pictures) {
        const QImage wide = picture.convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(pixels(StretchNearest(picture, QSize(300, 11), QRect(17, 3, 90, 5))),
                  pixels(StretchNearest(wide, QSize(300, 11), QRect(17, 3, 90, 5))))
            << picture.format();
        EXPECT_EQ(pixels(StretchNearest(picture, QSize(20, 40), QRect(0, 0, 20, 40))),
                  pixels(StretchNearest(wide, QSize(20, 40), QRect(0, 0, 20, 40))))
            << picture.format();

        // The cache draws the same, also for a picture it keeps a 32-bit form of. A card's
        // background is made opaque before it is set, so only opaque pictures are drawn as one.
        if (picture.hasAlphaChannel())
            continue;
        TVkVellumPanel panel;
        panel.SetBounds(0, 0, 60, 50);
        panel.SetBitmap(picture);
        QImage surface(60, 50, QImage::Format_RGB32);
        for (int width : {60, 45}) {
            panel.SetBounds(0, 0, width, 50);
            panel.Paint(surface, QRect(0, 0, width, 50));
            const QRect inside(1, 1, width - 2, 48);
            EXPECT_EQ(pixels(surface.copy(inside)), pixels(StretchNearest(wide, QSize(width, 50), inside)))
                << picture.format();
        }
    }
}

TEST(CardObjectDrawing, AbsurdSizesFromADocumentDrawWithoutHangingOrHugeImages)
{
    TVkVellumPanel panel;
    panel.SetBounds(0, 0, 455, 275);
    auto huge = text({QStringLiteral("Big"), QString(), QStringLiteral("text")}, clRed, -1000000);
    huge->SetAlphaChannel(300);
    huge->SetAntiAlias(true);
    huge->SetBounds(-1000000, -1000000, 2000000000, 2000000000);
    panel.AddObject(std::move(huge));
    auto shapeObject = shape(dmRoundRect, 100, 100, 0);
    shapeObject->LoadCaption({});
    shapeObject->SetPenWidth(1 << 30);
    EXPECT_EQ(shapeObject->Width(), std::numeric_limits<int>::max()); // twice the pen, as far as it goes
    shapeObject->SetTag(-7);
    shapeObject->SetBounds(10, 10, 1 << 30, 1 << 30);
    panel.AddObject(std::move(shapeObject));
    auto picture = std::make_unique<TVkDragLabel>();
    picture->SetBitmap(QImage(3, 2, QImage::Format_Indexed8));
    picture->SetBounds(-5, -5, 1 << 30, 3);
    panel.AddObject(std::move(picture));

    QImage surface(455, 275, QImage::Format_RGB32);
    panel.Paint(surface, QRect(0, 0, 455, 275));
    QImage page = whiteCanvas(800, 600);
    QPainter painter(&page);
    for (int i = 0; i < panel.ObjectCount(); ++i)
        panel.Object(i).Draw(painter, QPoint(0, 0), CardDrawing::Device(6.25));
    SUCCEED();
}

TEST(CardSurfacePainting, RepaintingTheDirtyAreaAfterAMoveEqualsAFullRepaint)
{
    TVkVellumPanel panel;
    panel.SetBounds(0, 0, 300, 200);
    panel.SetBitmap(patternPicture(64, 48));
    panel.SetShowGrid(true);
    auto addText = [&](QRect bounds, int alpha, bool smooth) -> TVkDragLabel & {
        auto object = text({QStringLiteral("AVW"), QStringLiteral("xyz")}, RGBToColor(0, 0, 255), -30);
        object->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
        object->SetAlphaChannel(alpha);
        object->SetAntiAlias(smooth);
        return panel.AddObject(std::move(object));
    };
    addText(QRect(10, 10, 150, 80), 100, true);
    auto picture = std::make_unique<TVkDragLabel>();
    picture->SetBitmap(patternPicture(30, 30));
    picture->SetBounds(100, 40, 90, 90);
    TVkDragLabel &moved = panel.AddObject(std::move(picture));
    addText(QRect(60, 50, 150, 80), 50, true);
    addText(QRect(120, 100, 150, 80), 30, false);

    QImage incremental(300, 200, QImage::Format_RGB32);
    panel.Paint(incremental, incremental.rect());
    for (QPoint step : {QPoint(1, 0), QPoint(0, 1), QPoint(-7, 3), QPoint(40, -20)}) {
        const QRect before = moved.BoundsRect();
        moved.SetBounds(moved.Left() + step.x(), moved.Top() + step.y(), moved.Width(), moved.Height());
        panel.Paint(incremental, before | moved.BoundsRect());
        QImage full(300, 200, QImage::Format_RGB32);
        panel.Paint(full, full.rect());
        EXPECT_EQ(incremental, full) << step.x() << "," << step.y();
    }
}

// A text object keeps its effects' mask and result between draws; whatever changes under it or
// in it must show at the next draw exactly as a fresh object draws it.
TEST(CardObjectDrawing, TextEffectsDrawnAgainFollowEveryChange)
{
    const auto fresh = [](const TVkDragLabel &kept, const QImage &under) {
        auto object = text(kept.Caption(), kept.Font().Color, kept.Font().Height);
        object->SetAlphaChannel(kept.AlphaChannel());
        object->SetAntiAlias(kept.AntiAlias());
        QImage canvas = under;
        object->DrawTo(canvas, 10, 5);
        return canvas;
    };
    const QImage plain = whiteCanvas(240, 100);
    QImage patterned = plain;
    QPainter(&patterned).drawImage(patterned.rect(), patternPicture(24, 10));
    for (const auto &[alpha, smooth] : {std::pair{50, false}, {100, true}, {40, true}}) {
        auto kept = text({QStringLiteral("AVW"), QStringLiteral("xyz")}, RGBToColor(0, 0, 255), -30);
        kept->SetAlphaChannel(alpha);
        kept->SetAntiAlias(smooth);
        const auto drawKept = [&](const QImage &under) {
            QImage canvas = under;
            kept->DrawTo(canvas, 10, 5);
            return canvas;
        };
        EXPECT_EQ(drawKept(plain), fresh(*kept, plain));
        EXPECT_EQ(drawKept(patterned), fresh(*kept, patterned)) << "the pixels beneath changed";
        CardFont font = kept->Font();
        font.Color = RGBToColor(200, 0, 0);
        kept->SetFont(font);
        EXPECT_EQ(drawKept(patterned), fresh(*kept, patterned)) << "the colour changed";
        kept->SetCaption({QStringLiteral("ABC")});
        EXPECT_EQ(drawKept(patterned), fresh(*kept, patterned)) << "the text changed";
        kept->SetAlphaChannel(alpha / 2);
        EXPECT_EQ(drawKept(patterned), fresh(*kept, patterned)) << "the opacity changed";
    }
}
