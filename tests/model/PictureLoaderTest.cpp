#include "model/picture/PictureLoader.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstdio>
#include <gtest/gtest.h>
#include <jpeglib.h>

namespace {

// Four quadrants of clear colours, so a decoded picture can be checked by eye and by numbers.
QImage quadrants(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, width / 2, height / 2, QColor(220, 20, 20));
    painter.fillRect(width / 2, 0, width - width / 2, height / 2, QColor(20, 200, 30));
    painter.fillRect(0, height / 2, width / 2, height - height / 2, QColor(30, 40, 210));
    painter.fillRect(width / 2, height / 2, width - width / 2, height - height / 2, Qt::white);
    return image;
}

QByteArray jpegBytes(const QImage &image, bool progressive = false)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(95);
    writer.setProgressiveScanWrite(progressive);
    EXPECT_TRUE(writer.write(image));
    return buffer.data();
}

// A four-component JPEG as print shops make them: Adobe-style inverted CMYK.
QByteArray cmykJpegBytes(int width, int height, const unsigned char inverted[4])
{
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char *memory = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &memory, &size);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = 4;
    cinfo.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&cinfo);
    jpeg_set_colorspace(&cinfo, JCS_YCCK);
    cinfo.write_Adobe_marker = TRUE;
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<unsigned char> row(std::size_t(width) * 4);
    for (int x = 0; x < width; ++x)
        std::copy_n(inverted, 4, row.begin() + x * 4);
    JSAMPROW rowPointer = row.data();
    while (cinfo.next_scanline < cinfo.image_height)
        jpeg_write_scanlines(&cinfo, &rowPointer, 1);
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray bytes(reinterpret_cast<const char *>(memory), qsizetype(size));
    std::free(memory);
    return bytes;
}

// Puts a new sample precision, width and height into the first start-of-frame marker of a JPEG.
QByteArray withFrame(QByteArray jpeg, int width, int height, int precision = 8)
{
    for (qsizetype i = 2; i + 9 < jpeg.size(); ++i) {
        const uchar marker = uchar(jpeg[i + 1]);
        if (uchar(jpeg[i]) == 0xFF && (marker == 0xC0 || marker == 0xC2)) {
            jpeg[i + 4] = char(precision);
            jpeg[i + 5] = char(height >> 8);
            jpeg[i + 6] = char(height);
            jpeg[i + 7] = char(width >> 8);
            jpeg[i + 8] = char(width);
            return jpeg;
        }
    }
    ADD_FAILURE() << "no frame header";
    return jpeg;
}

// A bitmap file of 2 x 2 pixels with the given depth; 16-bit ones with bit fields get the masks.
QByteArray bitmapBytes(quint16 bitCount, quint32 compression = 0, quint32 greenMask = 0)
{
    const int colours = bitCount <= 8 ? 1 << bitCount : 0;
    const int masks = compression == 3 ? 12 : 0;
    const int rowBytes = (2 * bitCount + 31) / 32 * 4;
    const quint32 offBits = 54 + masks + 4 * colours;
    QByteArray bytes(qsizetype(offBits) + 2 * rowBytes, '\0');
    char *b = bytes.data();
    auto put32 = [&](int at, quint32 v) { qToLittleEndian(v, b + at); };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, quint32(bytes.size()));
    put32(10, offBits);
    put32(14, 40);
    put32(18, 2);
    put32(22, 2);
    qToLittleEndian<quint16>(1, b + 26);
    qToLittleEndian<quint16>(bitCount, b + 28);
    put32(30, compression);
    if (masks) {
        put32(54, greenMask == 0x7E0 ? 0xF800 : 0x7C00);
        put32(58, greenMask);
        put32(62, 0x1F);
    }
    for (int i = 0; i < colours; ++i)
        put32(54 + 4 * i, i == 1 ? 0xFF0000 : 0);
    return bytes;
}

// A 2 x 1 bitmap with a version 5 header whose alpha mask is set and whose alpha bytes are zero,
// as several drawing programs write 32-bit pictures: a red pixel and a blue one.
QByteArray zeroAlphaBitmapBytes()
{
    QByteArray bytes(14 + 124 + 8, '\0');
    char *b = bytes.data();
    b[0] = 'B';
    b[1] = 'M';
    qToLittleEndian<quint32>(quint32(bytes.size()), b + 2);
    qToLittleEndian<quint32>(14 + 124, b + 10);
    const quint32 header[] = {124, 2, 1,          1 | 32 << 16, 3,          8,          2835,      2835,
                              0,   0, 0x00FF0000, 0x0000FF00,   0x000000FF, 0xFF000000, 0x73524742};
    for (std::size_t i = 0; i < std::size(header); ++i)
        qToLittleEndian<quint32>(header[i], b + 14 + 4 * i);
    qToLittleEndian<quint32>(0x00FF0000, b + 138);
    qToLittleEndian<quint32>(0x000000FF, b + 142);
    return bytes;
}

bool near(QRgb actual, QColor expected)
{
    return std::abs(qRed(actual) - expected.red()) < 12 && std::abs(qGreen(actual) - expected.green()) < 12 &&
           std::abs(qBlue(actual) - expected.blue()) < 12;
}

class PictureLoader : public testing::Test {
protected:
    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QString writeImage(const QString &name, const QImage &image)
    {
        const QString path = dir_.filePath(name);
        EXPECT_TRUE(image.save(path, "BMP"));
        return path;
    }
    QTemporaryDir dir_;
};

} // namespace

TEST_F(PictureLoader, JpegsLoadAs24BitColourOrIndexedGrey)
{
    const QByteArray bytes = jpegBytes(quadrants(64, 48));
    for (const char *name : {"photo.jpg", "PHOTO.JPG", "photo.jpeg", "photo.Jpe"}) {
        const QImage image = LoadPictureFile(write(name, bytes));
        EXPECT_EQ(image.size(), QSize(64, 48)) << name;
        EXPECT_EQ(image.depth(), 24);
        EXPECT_TRUE(near(image.pixel(10, 10), QColor(220, 20, 20)) && near(image.pixel(50, 40), Qt::white));
    }
    const QImage progressive =
        LoadPictureFile(write("progressive.jpg", jpegBytes(quadrants(301, 203), true)));
    ASSERT_EQ(progressive.size(), QSize(301, 203));
    EXPECT_TRUE(near(progressive.pixel(140, 190), QColor(30, 40, 210)));

    QImage ramp(256, 20, QImage::Format_Grayscale8);
    for (int y = 0; y < ramp.height(); ++y)
        for (int x = 0; x < ramp.width(); ++x)
            ramp.scanLine(y)[x] = uchar(x);
    const QImage grey = LoadPictureFile(write("grey.jpg", jpegBytes(ramp)));
    ASSERT_EQ(grey.format(), QImage::Format_Indexed8);
    EXPECT_TRUE(grey.colorCount() > 100 && grey.colorCount() <= 236 && grey.allGray());
    EXPECT_TRUE(qGray(grey.pixel(2, 10)) < 16 && qGray(grey.pixel(252, 10)) > 238);
}

TEST_F(PictureLoader, CmykJpegBecomesRgb)
{
    const unsigned char invertedRed[4] = {255, 0, 0, 255}; // no cyan, full magenta and yellow, no black
    const QImage image = LoadPictureFile(write("print.jpg", cmykJpegBytes(40, 30, invertedRed)));
    ASSERT_EQ(image.depth(), 24);
    EXPECT_TRUE(near(image.pixel(20, 15), QColor(255, 0, 0)));
}

TEST_F(PictureLoader, BrokenJpegsFailQuietly)
{
    const QByteArray good = jpegBytes(quadrants(200, 150));
    EXPECT_TRUE(LoadPictureFile(write("empty.jpg", {})).isNull());
    EXPECT_TRUE(LoadPictureFile(write("text.jpg", "This is a letter, not a picture.\n")).isNull());
    EXPECT_TRUE(LoadPictureFile(write("half.jpg", good.left(good.size() / 2))).isNull());
    EXPECT_TRUE(LoadPictureFile(write("header.jpg", good.left(300))).isNull());
    EXPECT_FALSE(LoadPictureFile(write("noend.jpg", good.chopped(2))).isNull());
    EXPECT_TRUE(LoadPictureFile(write("wide.jpg", withFrame(good, 40000, 10))).isNull());
    // 30000 x 30000 at 3 bytes a pixel is 2.7 GB: refused although each side is allowed.
    EXPECT_TRUE(LoadPictureFile(write("huge.jpg", withFrame(good, 30000, 30000))).isNull());
    EXPECT_TRUE(LoadPictureFile(write("twelve.jpg", withFrame(good, 200, 150, 12))).isNull());
    QByteArray garbled = good;
    for (qsizetype i = garbled.size() / 3; i < garbled.size() - 2; i += 7)
        garbled[i] = char(i * 31);
    (void)LoadPictureFile(write("garbled.jpg", garbled));
}

TEST_F(PictureLoader, BitmapsKeepTheirDepthAndBrokenOnesFail)
{
    QImage indexed(33, 17, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 0, 255)});
    indexed.fill(1);
    indexed.setPixel(5, 5, 2);
    const QImage eight = LoadPictureFile(writeImage("eight.BMP", indexed));
    ASSERT_EQ(eight.format(), QImage::Format_Indexed8);
    EXPECT_TRUE(eight.pixel(5, 5) == qRgb(0, 0, 255) && eight.pixel(6, 5) == qRgb(255, 0, 0));
    EXPECT_EQ(LoadPictureFile(writeImage("mono.bmp", indexed.convertToFormat(QImage::Format_Mono))).depth(),
              1);
    const QString bmp = writeImage("colour.bmp", quadrants(20, 10));
    const QImage colour = LoadPictureFile(bmp);
    EXPECT_EQ(colour.format(), QImage::Format_RGB32);
    EXPECT_EQ(colour.pixel(2, 2), qRgb(220, 20, 20));

    QFile file(bmp);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QByteArray huge = bytes;
    const qint32 side = 30000; // 30000 x 30000 is 3.6 GB at 32 bits a pixel
    std::memcpy(huge.data() + 18, &side, 4);
    std::memcpy(huge.data() + 22, &side, 4);
    EXPECT_TRUE(LoadPictureFile(write("huge.bmp", huge)).isNull());
    EXPECT_TRUE(LoadPictureFile(write("empty.bmp", {})).isNull());
    EXPECT_TRUE(LoadPictureFile(write("cut.bmp", bytes.left(40))).isNull());
    for (const char *name : {"picture.png", "picture.ico"})
        EXPECT_TRUE(LoadPictureFile(write(name, bytes)).isNull()) << name;
    EXPECT_TRUE(LoadPictureFile(write("jpeg-bytes.bmp", jpegBytes(quadrants(8, 8)))).isNull());
    ASSERT_TRUE(QDir(dir_.path()).mkdir("folder.jpg"));
    EXPECT_TRUE(LoadPictureFile(dir_.filePath("folder.jpg")).isNull());
}

TEST_F(PictureLoader, BitmapFileDepthIsTheStoredOne)
{
    EXPECT_EQ(BitmapFileDepth(write("four.bmp", bitmapBytes(4))), 4);
    EXPECT_FALSE(LoadPictureFile(dir_.filePath("four.bmp")).isNull());
    EXPECT_EQ(BitmapFileDepth(write("five.bmp", bitmapBytes(16))), 15);
    EXPECT_EQ(BitmapFileDepth(write("five-fields.bmp", bitmapBytes(16, 3, 0x3E0))), 15);
    const QString sixteen = write("six-fields.bmp", bitmapBytes(16, 3, 0x7E0));
    EXPECT_EQ(BitmapFileDepth(sixteen), 16);
    EXPECT_FALSE(LoadPictureFile(sixteen).isNull());
    EXPECT_EQ(BitmapFileDepth(writeImage("mono.bmp", QImage(3, 3, QImage::Format_Mono))), 1);
    EXPECT_EQ(BitmapFileDepth(write("photo.jpg", jpegBytes(quadrants(8, 8)))), 0);
    EXPECT_EQ(BitmapFileDepth(write("short.bmp", bitmapBytes(4).left(20))), 0);
}

TEST_F(PictureLoader, BitmapsWithAnAlphaMaskLoadOpaque)
{
    const QImage picture = LoadPictureFile(write("alpha.bmp", zeroAlphaBitmapBytes()));
    ASSERT_EQ(picture.size(), QSize(2, 1));
    EXPECT_FALSE(picture.hasAlphaChannel());
    EXPECT_EQ(picture.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(picture.pixel(1, 0), qRgb(0, 0, 255));
    EXPECT_EQ(BitmapFileDepth(dir_.filePath("alpha.bmp")), 32);
}
