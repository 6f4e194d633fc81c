#include "model/card/TVkDragLabel.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr int kPixelSize = 40;

QImage whiteCanvas(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

bool inked(const QImage &image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 128;
}

// The smallest rectangle holding every inked pixel of `area`.
QRect inkBounds(const QImage &image, const QRect &area)
{
    QRect bounds;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (inked(image, x, y))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

QRect inkBounds(const QImage &image)
{
    return inkBounds(image, image.rect());
}

// The stretches [first, last] of rows (or columns) of `area` that hold ink, in order.
std::vector<std::pair<int, int>> inkBands(const QImage &image, const QRect &area, Qt::Orientation across)
{
    std::vector<std::pair<int, int>> bands;
    const bool rows = across == Qt::Horizontal;
    const int from = rows ? area.top() : area.left();
    const int to = rows ? area.bottom() : area.right();
    for (int i = from; i <= to; ++i) {
        const QRect line =
            rows ? QRect(area.left(), i, area.width(), 1) : QRect(i, area.top(), 1, area.height());
        if (inkBounds(image, line).isNull())
            continue;
        if (!bands.empty() && bands.back().second == i - 1)
            bands.back().second = i;
        else
            bands.emplace_back(i, i);
    }
    return bands;
}

std::unique_ptr<TVkDragLabel> textObject(const QStringList &lines, bool vertical,
                                         const QString &face = QStringLiteral("IPAGothic"))
{
    auto object = std::make_unique<TVkDragLabel>();
    CardFont font;
    font.Name = face;
    font.Height = -kPixelSize;
    font.Color = clBlack;
    object->SetFont(font);
    object->SetCaption(lines);
    object->SetVertical(vertical);
    object->SetAutoSize(true);
    return object;
}

QImage drawn(TVkDragLabel &object, int width = 400, int height = 400)
{
    QImage canvas = whiteCanvas(width, height);
    object.DrawTo(canvas, 0, 0);
    return canvas;
}

// The ink of a single character set alone, and the cell it stands in: the object's room inside
// its inset.
struct CharacterInk {
    QRect ink;
    QRectF cell;
};

CharacterInk characterInk(const QString &character, bool vertical)
{
    auto object = textObject({character}, vertical);
    const QImage canvas = drawn(*object);
    return {inkBounds(canvas), QRectF(object->BoundsRect().adjusted(2, 2, -2, -2))};
}

} // namespace

TEST(TextTypesetting, VerticalLinesAreColumnsFromRightToLeft)
{
    auto object = textObject({QStringLiteral("山田太郎"), QStringLiteral("営業部")}, true);
    const QImage canvas = drawn(*object);

    const auto columns = inkBands(canvas, canvas.rect(), Qt::Vertical);
    ASSERT_EQ(columns.size(), 2u);
    const QRect first(columns[1].first, 0, columns[1].second - columns[1].first + 1, canvas.height());
    const QRect second(columns[0].first, 0, columns[0].second - columns[0].first + 1, canvas.height());
    const auto characters = inkBands(canvas, first, Qt::Horizontal);
    ASSERT_EQ(characters.size(), 4u);
    for (std::size_t i = 1; i < characters.size(); ++i)
        EXPECT_GT(characters[i].first, characters[i - 1].second);
    EXPECT_EQ(inkBands(canvas, second, Qt::Horizontal).size(), 3u);
    // Each character is about one font size high, and the column about one wide.
    EXPECT_NEAR(characters[3].second - characters[0].first, 4 * kPixelSize, kPixelSize / 2);
    EXPECT_NEAR(first.width(), kPixelSize, kPixelSize / 4);
}

TEST(TextTypesetting, PunctuationTakesItsVerticalForm)
{
    for (const QString &mark : {QStringLiteral("、"), QStringLiteral("。")}) {
        SCOPED_TRACE(mark.toStdString());
        const CharacterInk vertical = characterInk(mark, true);
        EXPECT_GT(vertical.ink.left(), vertical.cell.center().x());
        EXPECT_LT(vertical.ink.bottom(), vertical.cell.center().y());
        // Set horizontally the same mark sits low on the left, so the font's vertical form is used.
        const CharacterInk horizontal = characterInk(mark, false);
        EXPECT_LT(horizontal.ink.right(), horizontal.cell.center().x());
        EXPECT_GT(horizontal.ink.top(), horizontal.cell.center().y());
    }
    for (const QString &turned : {QStringLiteral("ー"), QStringLiteral("「"), QStringLiteral("（")}) {
        SCOPED_TRACE(turned.toStdString());
        const QRect vertical = characterInk(turned, true).ink;
        const QRect horizontal = characterInk(turned, false).ink;
        EXPECT_EQ(vertical.height() > vertical.width(), horizontal.width() > horizontal.height());
    }
    const QRect bar = characterInk(QStringLiteral("ー"), true).ink;
    EXPECT_GT(bar.height(), 2 * bar.width());
}

TEST(TextTypesetting, LatinTurnsClockwiseAndShortNumbersMayStandUpright)
{
    // Turned clockwise, the stem of an L lies along the top and its foot down the left side.
    const QRect l = characterInk(QStringLiteral("L"), true).ink;
    const QImage canvas = drawn(*textObject({QStringLiteral("L")}, true));
    EXPECT_GT(l.width(), l.height());
    EXPECT_EQ(inkBounds(canvas, QRect(l.left(), l.top(), l.width(), 2)).width(), l.width());
    EXPECT_TRUE(
        inkBounds(canvas, QRect(l.center().x() + 2, l.center().y() + 2, l.width(), l.height())).isNull());

    auto sideways = textObject({QStringLiteral("12")}, true);
    auto upright = textObject({QStringLiteral("12")}, true);
    upright->SetUprightDigits(true);
    const QRect lying = inkBounds(drawn(*sideways));
    const QRect standing = inkBounds(drawn(*upright));
    EXPECT_GT(lying.height(), lying.width());
    EXPECT_GT(standing.width(), standing.height());
    EXPECT_EQ(inkBands(drawn(*upright), standing, Qt::Vertical).size(), 2u);
}

TEST(TextTypesetting, AlignmentMovesEachLineToTheEdgeOrCentre)
{
    for (const bool vertical : {false, true}) {
        SCOPED_TRACE(vertical);
        auto object = textObject({QStringLiteral("山田"), QStringLiteral("営業部長")}, vertical);
        object->SetAutoSize(false);
        object->SetBounds(0, 0, 300, 300);
        const QSize extent = object->MeasureContent();
        const auto inkOfShortLine = [&](TTextAlignment alignment) {
            object->SetAlignment(alignment);
            const QImage canvas = drawn(*object);
            // The short line is the first: the top row, or the right column.
            const QRect line =
                vertical ? QRect(300 - kPixelSize, 0, kPixelSize, 300) : QRect(0, 0, 300, kPixelSize);
            return inkBounds(canvas, line);
        };
        const QRect start = inkOfShortLine(taLeftJustify);
        const QRect centre = inkOfShortLine(taCenter);
        const QRect end = inkOfShortLine(taRightJustify);
        // The short line is two characters, the room 296 pixels.
        const double room = 296 - 2 * kPixelSize;
        if (vertical) {
            EXPECT_NEAR(centre.top() - start.top(), room / 2, 1);
            EXPECT_NEAR(end.top() - start.top(), room, 1);
            EXPECT_EQ(extent.height(), 4 * kPixelSize);
        } else {
            EXPECT_NEAR(centre.left() - start.left(), room / 2, 1);
            EXPECT_NEAR(end.left() - start.left(), room, 1);
            EXPECT_EQ(extent.width(), 4 * kPixelSize);
        }
    }
}

TEST(TextTypesetting, AutoSizeTakesTheSpacedExtent)
{
    // IPA Gothic's line is 1.08 font sizes high (43.2 pixels here); each ideograph advances one
    // font size down the column.
    auto vertical = textObject({QStringLiteral("山田太郎"), QStringLiteral("営業部")}, true);
    vertical->SetLineSpacing(150);
    vertical->SetLetterSpacing(30); // 3 points of 4/3 pixels
    // Columns 43.2 + 1.5 * 43.2 = 108 wide; 4 characters and 3 spaces of 4 pixels.
    EXPECT_EQ(vertical->MeasureContent(), QSize(108, 4 * kPixelSize + 3 * 4));
    const QImage canvas = drawn(*vertical);
    EXPECT_EQ(vertical->BoundsRect(), QRect(0, 0, 108 + 4, 4 * kPixelSize + 12 + 4));
    const QRect ink = inkBounds(canvas);
    EXPECT_TRUE(vertical->BoundsRect().contains(ink));
    const auto columns = inkBands(canvas, canvas.rect(), Qt::Vertical);
    ASSERT_EQ(columns.size(), 2u);
    EXPECT_NEAR((columns[1].first + columns[1].second) / 2.0 - (columns[0].first + columns[0].second) / 2.0,
                64.8, 2);

    auto horizontal = textObject({QStringLiteral("山田"), QString(), QStringLiteral("太郎")}, false);
    horizontal->SetLineSpacing(50);
    horizontal->SetLetterSpacing(30);
    const QFontMetrics metrics(horizontal->Font().ToQFont());
    EXPECT_EQ(horizontal->MeasureContent(),
              QSize(2 * (kPixelSize + 4), 2 * std::lround(metrics.height() * 0.5) + metrics.height()));
    drawn(*horizontal);
    EXPECT_EQ(horizontal->BoundsRect().size(), horizontal->MeasureContent() + QSize(4, 4));

    horizontal->SetLineSpacing(1000);
    horizontal->SetLetterSpacing(-5000);
    EXPECT_EQ(horizontal->LineSpacing(), 300);
    EXPECT_EQ(horizontal->LetterSpacing(), -100);
}

TEST(TextTypesetting, VerticalTextTakesTheEffectsAndPrintsInProportion)
{
    auto object = textObject({QStringLiteral("山田"), QStringLiteral("Sato")}, true);
    const QRect plainInk = inkBounds(drawn(*object));

    object->SetAlphaChannel(50);
    QImage blended = whiteCanvas(400, 400);
    blended.fill(qRgb(0, 0, 200));
    object->DrawTo(blended, 0, 0);
    int mixed = 0;
    for (int y = 0; y < 400; ++y) {
        for (int x = 0; x < 400; ++x) {
            const QRgb pixel = blended.pixel(x, y);
            EXPECT_TRUE(pixel == qRgb(0, 0, 200) || pixel == qRgb(0, 0, 100)) << x << "," << y;
            mixed += pixel == qRgb(0, 0, 100);
        }
    }
    EXPECT_GT(mixed, 200);

    object->SetAlphaChannel(100);
    object->SetAntiAlias(true);
    const QImage smoothed = drawn(*object);
    EXPECT_EQ(inkBounds(smoothed), plainInk);

    // A printer page at 7.5 device pixels per surface pixel shows the same text 7.5 times larger,
    // up to the screen's putting each column and glyph on whole pixels.
    constexpr double tolerance = 1.5 * 7.5;
    QImage page = whiteCanvas(1200, 1200);
    QPainter painter(&page);
    object->Draw(painter, QPoint(0, 0), CardDrawing::Device(7.5));
    painter.end();
    const QRect printed = inkBounds(page);
    EXPECT_NEAR(printed.left(), plainInk.left() * 7.5, tolerance);
    EXPECT_NEAR(printed.right() + 1, (plainInk.right() + 1) * 7.5, tolerance);
    EXPECT_NEAR(printed.top(), plainInk.top() * 7.5, tolerance);
    EXPECT_NEAR(printed.bottom() + 1, (plainInk.bottom() + 1) * 7.5, tolerance);
}

TEST(TextTypesetting, PdfKeepsVerticalTextAsTextInReadingOrder)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("card.pdf"));
    {
        QPdfWriter writer(path);
        writer.setResolution(600);
        QPainter painter(&writer);
        auto name = textObject({QStringLiteral("山田太郎"), QStringLiteral("営業部長")}, true);
        name->SetAlignment(taCenter);
        name->Draw(painter, QPoint(2000, 100), CardDrawing::Device(600 / 127.0));
        auto company = textObject({QStringLiteral("株式会社ベラム")}, false);
        company->Draw(painter, QPoint(100, 2000), CardDrawing::Device(600 / 127.0));
    }
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), path, QStringLiteral("-")});
    ASSERT_TRUE(pdftotext.waitForFinished());
    QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    EXPECT_EQ(text, QStringLiteral("山田太郎営業部長株式会社ベラム"));
}

// Letter spacing more negative than a character is wide packs the characters together but never
// draws them backwards, on the card and on a page, across and down.
TEST(TextTypesetting, TightestLetterSpacingKeepsTheCharactersInOrder)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("tight.pdf"));
    {
        QPdfWriter writer(path);
        writer.setResolution(600);
        QPainter painter(&writer);
        int top = 100;
        for (const bool vertical : {false, true}) {
            auto object = textObject({QStringLiteral("経理部")}, vertical);
            CardFont font = object->Font();
            font.Height = -12;
            object->SetFont(font);
            object->SetLetterSpacing(TextStyle::kMinLetterSpacing); // 13.3 pixels back
            const QSize extent = object->MeasureContent();
            EXPECT_GT(vertical ? extent.height() : extent.width(), 0) << vertical;
            drawn(*object);
            object->Draw(painter, QPoint(100, top), CardDrawing::Device(600 / 127.0));
            top += 2000;
        }
    }
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), path, QStringLiteral("-")});
    ASSERT_TRUE(pdftotext.waitForFinished());
    QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    EXPECT_EQ(text, QStringLiteral("経理部経理部"));
}
