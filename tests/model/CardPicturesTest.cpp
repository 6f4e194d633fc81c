#include "FileBytes.h"
#include "PrintTestSupport.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/document/CardStream.h"
#include "model/picture/BmpCodec.h"
#include "model/picture/PictureAlpha.h"
#include "model/picture/PictureLoader.h"
#include "model/picture/QrCode.h"
#include "model/picture/SvgPicture.h"
#include "model/sheet/CardRenderer.h"

#include <QImageWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kGreen = 0xFF00FF00;

// 80 x 60: the left half opaque blue, the right half fully transparent, one half-transparent pixel.
QImage halfTransparent()
{
    QImage image(80, 60, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 40; ++x)
            image.setPixel(x, y, kBlue);
    image.setPixel(79, 59, qRgba(10, 20, 30, 128));
    return image;
}

// A 60 x 40 drawing: the left half green, the right half empty.
const QByteArray kHalfGreenSvg = R"(<svg xmlns="http://www.w3.org/2000/svg" width="60" height="40">
<rect x="0" y="0" width="30" height="40" fill="#00ff00"/></svg>)";

// A red card with one picture object whose picture starts at (102, 52) on the surface.
struct RedCard {
    RedCard()
    {
        surface.SetBounds(0, 0, 455, 275);
        surface.SetColor(RGBToColor(255, 0, 0));
        object = &surface.AddObject(std::make_unique<TVkDragLabel>());
        object->SetBounds(100, 50, 84, 64);
    }
    TVkVellumPanel surface;
    TVkDragLabel *object = nullptr;
};

QImage screenOf(TVkVellumPanel &surface)
{
    QImage image(surface.Width(), surface.Height(), QImage::Format_RGB32);
    surface.Paint(image, image.rect());
    return image;
}

// The card at 300 dpi, as the export draws it.
QImage exportOf(const TVkVellumPanel &surface)
{
    QImage bitmap;
    RenderCardToBitmap(surface, bitmap, 1075, 650);
    return bitmap;
}

// Surface pixels at 300 dpi: 455 surface pixels are the card's 1075.
QPoint at300(int x, int y)
{
    return {x * 1075 / 455, y * 1075 / 455};
}

QByteArray documentOf(const TVkVellumPanel &surface)
{
    QByteArray bytes;
    WriteCardStream(bytes, surface, OneCardSheet());
    return bytes;
}

class CardPictures : public ::testing::Test {
protected:
    QString save(const QString &name, const QImage &image, const char *format, int quality = -1)
    {
        const QString path = dir_.filePath(name);
        QImageWriter writer(path, format);
        writer.setQuality(quality);
        EXPECT_TRUE(writer.write(image)) << name.toStdString();
        return path;
    }
    QString write(const QString &name, const QByteArray &bytes)
    {
        WriteFileBytes(dir_.filePath(name), bytes);
        return dir_.filePath(name);
    }
    QTemporaryDir dir_;
};

} // namespace

TEST_F(CardPictures, ReaderFormatsKeepAlphaOnlyWhereAPixelUsesIt)
{
    // WebP at quality 100 is lossless.
    for (const auto &[name, format, quality] :
         {std::tuple{"logo.png", "png", -1}, std::tuple{"logo.WEBP", "webp", 100},
          std::tuple{"logo.tif", "tiff", -1}}) {
        const QImage loaded =
            LoadPictureFile(save(QString::fromLatin1(name), halfTransparent(), format, quality));
        ASSERT_FALSE(loaded.isNull()) << name;
        EXPECT_EQ(loaded.format(), QImage::Format_ARGB32) << name;
        EXPECT_EQ(loaded.pixel(5, 5), kBlue) << name;
        EXPECT_EQ(qAlpha(loaded.pixel(60, 5)), 0) << name;
        EXPECT_EQ(qAlpha(loaded.pixel(79, 59)), 128) << name;
    }
    EXPECT_EQ(PictureFileDepth(dir_.filePath("logo.png")), 32);

    // The smallest transparent GIF: one pixel of colour 0, which its control block makes transparent.
    const QByteArray gif("GIF89a\x01\x00\x01\x00\x80\x00\x00\x00\x00\x00\xff\xff\xff\x21\xf9\x04\x01\x00\x00"
                         "\x00\x00\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00\x3b",
                         43);
    const QImage fromGif = LoadPictureFile(write("clear.gif", gif));
    ASSERT_EQ(fromGif.size(), QSize(1, 1));
    EXPECT_EQ(qAlpha(fromGif.pixel(0, 0)), 0);

    // Opaque pictures drop the alpha channel their file may have, and indexed ones stay indexed.
    QImage opaque = halfTransparent();
    opaque.fill(kGreen);
    const QImage fromOpaque = LoadPictureFile(save("opaque.png", opaque, "png"));
    EXPECT_FALSE(fromOpaque.hasAlphaChannel());
    EXPECT_EQ(fromOpaque.pixel(0, 0), kGreen);
    EXPECT_EQ(PictureFileDepth(save("rgb.png", opaque.convertToFormat(QImage::Format_RGB32), "png")), 24);
    QImage indexed(8, 8, QImage::Format_Indexed8);
    // A see-through colour in the table that no pixel uses leaves the picture opaque.
    indexed.setColorTable({kGreen, kBlue, qRgba(0, 0, 0, 0)});
    indexed.fill(1);
    const QImage fromIndexed = LoadPictureFile(save("indexed.png", indexed, "png"));
    EXPECT_EQ(fromIndexed.format(), QImage::Format_Indexed8);
    EXPECT_FALSE(fromIndexed.hasAlphaChannel());
    EXPECT_EQ(PictureFileDepth(dir_.filePath("indexed.png")), 8);

    // Refused like any unreadable picture: too wide, not a picture, a name no reader has.
    EXPECT_TRUE(LoadPictureFile(save("wide.png", QImage(40000, 1, QImage::Format_Mono), "png")).isNull());
    EXPECT_TRUE(LoadPictureFile(write("letter.png", "Dear reader")).isNull());
    // A GIF whose one-pixel frame sits on a screen 65534 pixels wide reads as the whole screen.
    EXPECT_TRUE(LoadPictureFile(
                    write("screen.gif", QByteArray::fromBase64(
                                            "R0lGODn+///0AIAAAAAAAP///yH5BAEAAAAALAAAAAABAAEAAAICRAEAOw==")))
                    .isNull());
    EXPECT_TRUE(LoadPictureFile(save("logo.xpm", opaque, "xpm")).isNull());
}

TEST_F(CardPictures, SvgFilesGiveTheirSourceAndARendering)
{
    const QString path = write("logo.SVG", kHalfGreenSvg);
    EXPECT_EQ(LoadSvgSource(path), kHalfGreenSvg);
    const QImage rendering = LoadPictureFile(path);
    ASSERT_EQ(rendering.size(), QSize(60, 40));
    EXPECT_EQ(rendering.pixel(10, 20), kGreen);
    EXPECT_EQ(qAlpha(rendering.pixel(50, 20)), 0);

    // A drawing that declares itself huge still makes a modest stand-in, in proportion.
    QByteArray huge = kHalfGreenSvg;
    huge.replace(R"(width="60" height="40")", R"(width="60000" height="40000")");
    EXPECT_EQ(LoadPictureFile(write("huge.svg", huge)).size(), QSize(1024, 683));

    EXPECT_TRUE(LoadSvgSource(write("broken.svg", "<svg")).isEmpty());
    EXPECT_TRUE(LoadPictureFile(dir_.filePath("broken.svg")).isNull());
    EXPECT_TRUE(LoadSvgSource(write("logo.png", kHalfGreenSvg)).isEmpty());
}

TEST_F(CardPictures, TransparentPictureShowsTheCardThroughOnScreenInExportAndInPrint)
{
    RedCard card;
    card.object->LoadBitmap(halfTransparent());

    const QImage screen = screenOf(card.surface);
    EXPECT_EQ(screen.pixel(120, 80), kBlue);
    EXPECT_EQ(screen.pixel(170, 80), kRed);

    const QImage exported = exportOf(card.surface);
    EXPECT_EQ(exported.pixel(at300(120, 80)), kBlue);
    EXPECT_EQ(exported.pixel(at300(170, 80)), kRed);

    if (PdfToImageTool().isEmpty())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    const QString pdf = dir_.filePath("card.pdf");
    PrintCardToPdf(card.surface, pdf);
    const QImage printed = RasterisePdf(pdf, 300);
    ASSERT_FALSE(printed.isNull());
    EXPECT_TRUE(IsNear(printed.pixel(at300(120, 80)), kBlue));
    EXPECT_TRUE(IsNear(printed.pixel(at300(170, 80)), kRed));
}

TEST_F(CardPictures, SvgPictureIsDrawnAsVectorsAtEveryScale)
{
    RedCard card;
    card.object->SetBounds(100, 50, 64, 44); // the picture fills (102, 52) to (161, 91)
    card.object->LoadBitmap(SvgPicture::Render(kHalfGreenSvg, QSize(60, 40)));
    card.object->SetSvgData(kHalfGreenSvg);
    card.object->SetKind(CardObjectKind::VectorPicture);
    ASSERT_TRUE(card.object->IsVectorPicture());

    const QImage screen = screenOf(card.surface);
    EXPECT_EQ(screen.pixel(110, 70), kGreen);
    EXPECT_EQ(screen.pixel(150, 70), kRed);

    // Drawn from the source at 300 dpi, the edge between green and red is sharp, not a stretched
    // 60-pixel picture: the green half ends within a pixel of 2.36 times 30.
    const QImage exported = exportOf(card.surface);
    const int y = at300(0, 70).y();
    const int edge = at300(102, 0).x() + 30 * 1075 / 455;
    EXPECT_EQ(exported.pixel(edge - 2, y), kGreen);
    EXPECT_EQ(exported.pixel(edge + 2, y), kRed);

    if (PdfToImageTool().isEmpty())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    const QString pdf = dir_.filePath("card.pdf");
    PrintCardToPdf(card.surface, pdf);
    QProcess images;
    images.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    ASSERT_TRUE(images.waitForFinished(60000));
    // A heading line and a rule, and no image after them.
    EXPECT_EQ(images.readAllStandardOutput().trimmed().count('\n'), 1);
    const QImage printed = RasterisePdf(pdf, 300);
    EXPECT_TRUE(IsNear(printed.pixel(at300(110, 70)), kGreen));
    EXPECT_TRUE(IsNear(printed.pixel(at300(150, 70)), kRed));
}

TEST_F(CardPictures, NewPicturePropertiesRoundTripByteForByte)
{
    TVkVellumPanel surface;
    surface.SetBounds(0, 0, 455, 275);
    TVkDragLabel &logo = surface.AddObject(std::make_unique<TVkDragLabel>());
    logo.LoadBitmap(halfTransparent());
    TVkDragLabel &drawing = surface.AddObject(std::make_unique<TVkDragLabel>());
    drawing.LoadBitmap(SvgPicture::Render(kHalfGreenSvg, QSize(60, 40)));
    drawing.SetSvgData(kHalfGreenSvg);
    drawing.SetKind(CardObjectKind::VectorPicture);
    TVkDragLabel &code = surface.AddObject(std::make_unique<TVkDragLabel>());
    const QString text = QStringLiteral("名刺 {{氏名}} 😀");
    code.LoadBitmap(EncodeQrCode(text, qlHigh, 2));
    code.SetQrText(text);
    code.SetKind(CardObjectKind::QrCode);
    code.SetQrLevel(qlHigh);
    code.SetQrQuietZone(2);

    const QByteArray written = documentOf(surface);
    TVkVellumPanel read;
    ASSERT_EQ(ReadCardStream(written, read).objectsRead, 3);
    EXPECT_EQ(documentOf(read), written);

    EXPECT_TRUE(read.Object(0).PictureAlpha());
    EXPECT_EQ(read.Object(0).Bitmap(), halfTransparent());
    EXPECT_EQ(read.Object(1).SvgData(), kHalfGreenSvg);
    EXPECT_TRUE(read.Object(1).IsVectorPicture());
    EXPECT_EQ(read.Object(2).QrText(), text);
    EXPECT_EQ(read.Object(2).QrLevel(), qlHigh);
    EXPECT_EQ(read.Object(2).QrQuietZone(), 2);
    // The picture every reader of card documents shows: a BMP of the modules.
    EXPECT_EQ(read.Object(2).Bitmap().convertToFormat(QImage::Format_RGB32),
              code.Bitmap().convertToFormat(QImage::Format_RGB32));
}

TEST_F(CardPictures, CardsWithoutNewPicturesAreWrittenAsBefore)
{
    // A 32-bit picture from another writer with its fourth bytes zero: opaque, written back as the
    // 24-bit picture it always became, with no new property.
    QByteArray info(40, '\0');
    info[0] = 40;
    info[4] = 2;                                                       // width
    info[8] = 1;                                                       // height
    info[12] = 1;                                                      // planes
    info[14] = 32;                                                     // bits per pixel
    const QByteArray pixels = QByteArray::fromHex("0000ff00ff000000"); // red, blue
    const QByteArray bmp = "BM" + QByteArray::fromHex("3e000000") + QByteArray(4, '\0') +
                           QByteArray::fromHex("36000000") + info + pixels;
    TVkVellumPanel surface;
    surface.SetBounds(0, 0, 455, 275);
    TVkDragLabel &picture = surface.AddObject(std::make_unique<TVkDragLabel>());
    picture.LoadBitmap(BmpCodec::DecodeBmp(bmp));
    ASSERT_TRUE(picture.Bitmap().hasAlphaChannel()); // as a document hands it over, before Loaded()
    picture.Loaded();
    EXPECT_FALSE(picture.PictureAlpha());
    EXPECT_EQ(picture.Bitmap().pixel(0, 0), kRed);
    EXPECT_EQ(picture.Bitmap().pixel(1, 0), kBlue);

    const QByteArray written = documentOf(surface);
    for (const char *name : {"PictureAlpha", "SvgData", "QrText", "QrLevel", "QrQuietZone"})
        EXPECT_FALSE(written.contains(name)) << name;
    TVkVellumPanel read;
    ASSERT_EQ(ReadCardStream(written, read).objectsRead, 1);
    EXPECT_FALSE(read.Object(0).PictureAlpha());
    EXPECT_EQ(read.Object(0).Bitmap().pixel(0, 0), kRed);
    EXPECT_EQ(documentOf(read), written);

    QImage opaque(2, 1, QImage::Format_RGB32);
    opaque.setPixel(0, 0, kRed);
    opaque.setPixel(1, 0, kBlue);
    picture.LoadBitmap(opaque);
    EXPECT_EQ(documentOf(surface), written);
}

TEST_F(CardPictures, SvgBackgroundIsDrawnOverTheCardColourAndGoesWithItsPicture)
{
    TVkVellumPanel surface;
    surface.SetBounds(0, 0, 455, 275);
    surface.SetColor(RGBToColor(255, 0, 0));
    surface.SetBitmap(PictureOverColor(SvgPicture::Render(kHalfGreenSvg, QSize(60, 40)), Qt::red));
    surface.SetSvgData(kHalfGreenSvg);

    const QImage screen = screenOf(surface);
    EXPECT_EQ(screen.pixel(100, 100), kGreen);
    EXPECT_EQ(screen.pixel(400, 100), kRed);

    const QByteArray written = documentOf(surface);
    TVkVellumPanel read;
    ASSERT_TRUE(ReadCardStream(written, read).ok);
    EXPECT_EQ(read.SvgData(), kHalfGreenSvg);
    EXPECT_EQ(documentOf(read), written);

    surface.SetBitmap(QImage());
    EXPECT_TRUE(surface.SvgData().isEmpty());
}
