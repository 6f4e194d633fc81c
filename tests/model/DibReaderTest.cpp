#include "model/dib/EQdDIBError.h"
#include "model/dib/TQdDIB.h"
#include "model/dib/TQdInternalDIB.h"
#include "model/picture/PictureLoader.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void put16(QByteArray &bytes, quint16 value)
{
    bytes.append(char(value & 0xFF)).append(char(value >> 8));
}

void put32(QByteArray &bytes, quint32 value)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes.append(char((value >> shift) & 0xFF));
}

void patch32(QByteArray &bytes, int offset, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = char((value >> (8 * i)) & 0xFF);
}

// Stored rows, each padded to a whole 32-bit word.
QByteArray rows(std::initializer_list<QByteArray> lines)
{
    QByteArray bytes;
    for (QByteArray line : lines)
        bytes += line.leftJustified((line.size() + 3) / 4 * 4, '\0');
    return bytes;
}

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

struct InfoDib {
    qint32 width = 0;
    qint32 height = 0;
    quint16 bitCount = 8;
    quint32 compression = 0;
    QList<QRgb> palette;
    quint32 clrUsed = 0;
    QList<quint32> masks;
    QByteArray pixels;

    QByteArray bytes() const
    {
        const quint32 offBits = 14 + 40 + 4 * quint32(masks.size() + palette.size());
        const quint32 size = quint32(pixels.size());
        QByteArray out("BM");
        for (quint32 value : {offBits + size, 0u, offBits, 40u, quint32(width), quint32(height)})
            put32(out, value);
        put16(out, 1);
        put16(out, bitCount);
        for (quint32 value : {compression, size, 0u, 0u, clrUsed, 0u})
            put32(out, value);
        for (quint32 mask : masks)
            put32(out, mask);
        for (QRgb colour : palette)
            put32(out, colour & 0xFFFFFF);
        return out + pixels;
    }
};

QList<QRgb> sixteenColours()
{
    QList<QRgb> colours;
    for (int i = 0; i < 16; ++i)
        colours.append(qRgb(i * 16, 255 - i * 16, i));
    return colours;
}

// The fuzzer's seed files are the test pictures themselves, written out on request.
QByteArray sample(const char *name, const QByteArray &bytes)
{
    const QString folder = qEnvironmentVariable("VELLUMIA_DIB_CORPUS");
    if (!folder.isEmpty()) {
        QFile file(QDir(folder).filePath(QString::fromLatin1(name) + ".dib"));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
    return bytes;
}

std::unique_ptr<TQdInternalDIB> loadInternal(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    auto dib = std::make_unique<TQdInternalDIB>();
    dib->LoadFromStream(buffer);
    return dib;
}

QImage decode(const QByteArray &bytes)
{
    return loadInternal(bytes)->ToImage();
}

// The message of the error that reading and copying the bytes raises; empty when they succeed.
std::string failure(const QByteArray &bytes)
{
    try {
        decode(bytes);
    } catch (const EQdDIBError &error) {
        return error.what();
    }
    return {};
}

template <typename Value, typename Read>
void expectGrid(const QImage &image, const std::vector<std::vector<Value>> &expected, Read read)
{
    ASSERT_EQ(image.height(), int(expected.size()));
    for (int y = 0; y < image.height(); ++y) {
        ASSERT_EQ(image.width(), int(expected[y].size()));
        for (int x = 0; x < image.width(); ++x)
            EXPECT_EQ(Value(read(image, x, y)), expected[y][x]) << x << "," << y;
    }
}

void expectPixels(const QImage &image, const std::vector<std::vector<QRgb>> &expected)
{
    expectGrid(image, expected, [](const QImage &i, int x, int y) { return i.pixel(x, y); });
}

void expectIndices(const QImage &image, const std::vector<std::vector<int>> &expected)
{
    EXPECT_EQ(image.format(), QImage::Format_Indexed8);
    expectGrid(image, expected, [](const QImage &i, int x, int y) { return i.pixelIndex(x, y); });
}

void expectSameAsQt(const QImage &ours, const QByteArray &bytes)
{
    const QImage qt = QImage::fromData(bytes, "bmp");
    ASSERT_FALSE(qt.isNull());
    ASSERT_EQ(ours.size(), qt.size());
    for (int y = 0; y < ours.height(); ++y)
        for (int x = 0; x < ours.width(); ++x)
            EXPECT_EQ(ours.pixel(x, y), qt.pixel(x, y)) << x << "," << y;
}

// Qt leaves the pixels that run-length data skips undefined, so only the painted ones compare.
void expectSameAsQtWherePainted(const QImage &ours, const QByteArray &bytes)
{
    const QImage qt = QImage::fromData(bytes, "bmp");
    ASSERT_EQ(ours.size(), qt.size());
    for (int y = 0; y < ours.height(); ++y)
        for (int x = 0; x < ours.width(); ++x)
            if (ours.pixelIndex(x, y) != 0) {
                EXPECT_EQ(ours.pixel(x, y), qt.pixel(x, y)) << x << "," << y;
            }
}

const QRgb kRed = qRgb(200, 0, 0);
const QRgb kBlue = qRgb(0, 0, 200);
const QRgb kC0 = qRgb(10, 20, 30);
const QRgb kC1 = qRgb(40, 50, 60);
const QRgb kC2 = qRgb(70, 80, 90);
const QRgb kBlack = qRgb(0, 0, 0);

QByteArray oneBit()
{
    // Top row 1 0 1, bottom row 0 1 1; bottom row first.
    return sample("mono", InfoDib{3, 2, 1, 0, {kRed, kBlue}, 0, {}, rows({hex("60"), hex("a0")})}.bytes());
}

QByteArray fourBit()
{
    // Top row 1 2 15, bottom row 3 0 4.
    return sample("nibbles",
                  InfoDib{3, 2, 4, 0, sixteenColours(), 0, {}, rows({hex("3040"), hex("12f0")})}.bytes());
}

QByteArray eightBitShortPalette(qint32 height = 2)
{
    // Three colours used; top row 2 0, bottom row 1 2 (stored first unless the rows run top-down).
    const QByteArray top = hex("0200");
    const QByteArray bottom = hex("0102");
    return InfoDib{
        2, height, 8, 0, {kC0, kC1, kC2}, 3, {}, height > 0 ? rows({bottom, top}) : rows({top, bottom})}
        .bytes();
}

QByteArray twentyFourBit()
{
    // Top row red, green; bottom row blue, (1, 2, 3). Pixels are stored blue, green, red.
    return sample("rgb24",
                  InfoDib{2, 2, 24, 0, {}, 0, {}, rows({hex("ff0000030201"), hex("0000ff00ff00")})}.bytes());
}

QByteArray rle8(const QByteArray &data, int width = 6, int height = 4)
{
    return InfoDib{width, height, 8, 1, sixteenColours(), 16, {}, data}.bytes();
}

QByteArray rle4(const QByteArray &data, int width = 5, int height = 3)
{
    return InfoDib{width, height, 4, 2, sixteenColours(), 0, {}, data}.bytes();
}

// Runs, an odd absolute run with its pad byte, a line end, a delta across a line and the end mark.
const char *const kRle8Data = "0305"
                              "000301020700"
                              "0000"
                              "00020201"
                              "0409"
                              "0000"
                              "0203"
                              "0001";
// Nibble pairs, an odd-length absolute run padded to a word, and a delta along a line.
const char *const kRle4Data = "0312"
                              "0000"
                              "000534567000"
                              "0000"
                              "00020300"
                              "02ef"
                              "0001";

} // namespace

TEST(DibReaderTest, PlainDepthsGiveTheStoredPixelsAsQtReadsThem)
{
    const QImage mono = decode(oneBit());
    EXPECT_EQ(mono.format(), QImage::Format_Mono);
    expectPixels(mono, {{kBlue, kRed, kBlue}, {kRed, kBlue, kBlue}});
    expectSameAsQt(mono, oneBit());

    const QImage nibbles = decode(fourBit());
    const QList<QRgb> colours = sixteenColours();
    expectIndices(nibbles, {{1, 2, 15}, {3, 0, 4}});
    EXPECT_EQ(nibbles.pixel(2, 0), colours[15]);
    expectSameAsQt(nibbles, fourBit());

    const QImage indexed = decode(eightBitShortPalette());
    expectPixels(indexed, {{kC2, kC0}, {kC1, kC2}});
    expectSameAsQt(indexed, eightBitShortPalette());

    const QImage rgb = decode(twentyFourBit());
    EXPECT_EQ(rgb.format(), QImage::Format_BGR888);
    expectPixels(rgb, {{qRgb(255, 0, 0), qRgb(0, 255, 0)}, {qRgb(0, 0, 255), qRgb(1, 2, 3)}});
    expectSameAsQt(rgb, twentyFourBit());
}

// A 24-bit picture's bitmap shows the picture's own memory, heap or mapped: it must outlive the
// picture, and writing to it must leave the picture as it was.
TEST(DibReaderTest, TwentyFourBitBitmapsOutliveThePictureAndNeverWriteIntoIt)
{
    for (const bool mapped : {false, true}) {
        QBuffer buffer;
        buffer.setData(twentyFourBit());
        buffer.open(QIODevice::ReadOnly);
        auto picture = std::make_unique<TQdDIB>();
        picture->SetUseFileMapping(mapped);
        picture->LoadFromStream(buffer);
        QImage written;
        QImage kept;
        picture->AssignTo(written);
        picture->AssignTo(kept);
        const QImage original = written.copy();

        written.setPixel(0, 0, qRgb(9, 9, 9));
        QImage again;
        picture->AssignTo(again);
        EXPECT_EQ(again, original) << (mapped ? "mapped" : "heap");
        picture.reset();
        EXPECT_EQ(kept, original) << (mapped ? "mapped" : "heap");
        EXPECT_EQ(written.pixel(0, 0), qRgb(9, 9, 9));
    }
}

TEST(DibReaderTest, NegativeHeightStoresRowsFromTheTop)
{
    const QByteArray topDown = sample("topdown", eightBitShortPalette(-2));
    const auto dib = loadInternal(topDown);
    EXPECT_EQ(dib->Height(), 2);
    expectPixels(dib->ToImage(), {{kC2, kC0}, {kC1, kC2}});
    expectSameAsQt(dib->ToImage(), topDown);

    // Two 32-bit rows, top row first: red, then (1, 2, 3).
    const QByteArray wide = InfoDib{1,
                                    -2,
                                    32,
                                    0,
                                    {},
                                    0,
                                    {},
                                    hex("0000ff00"
                                        "03020100")}
                                .bytes();
    expectPixels(decode(wide), {{qRgb(255, 0, 0)}, {qRgb(1, 2, 3)}});
    QByteArray bottomUp = wide;
    patch32(bottomUp, 22, 2);
    expectPixels(decode(bottomUp), {{qRgb(1, 2, 3)}, {qRgb(255, 0, 0)}});
}

TEST(DibReaderTest, IndicesBeyondAShortColourTableShowBlack)
{
    const QByteArray bytes = InfoDib{1, 1, 8, 0, {kC0, kC1}, 2, {}, rows({hex("c8")})}.bytes();
    const auto dib = loadInternal(bytes);
    EXPECT_EQ(dib->ColorTable(), QList<QRgb>({kC0, kC1}));
    EXPECT_EQ(dib->ToImage().pixel(0, 0), kBlack);
}

TEST(DibReaderTest, SixteenAndThirtyTwoBitPixelsBecomeTwentyFourBits)
{
    // Without masks 16 bits are 5-5-5: full red; 16 of 31 in each channel (128 * 255 / 248 = 131);
    // full blue. Three pixels take 6 bytes, padded to 8.
    const QByteArray fiveFiveFive = sample("bits555", InfoDib{3,
                                                              1,
                                                              16,
                                                              0,
                                                              {},
                                                              0,
                                                              {},
                                                              hex("007c1042"
                                                                  "1f000000")}
                                                          .bytes());
    const auto dib = loadInternal(fiveFiveFive);
    EXPECT_EQ(dib->Header().bitCount, 24);
    EXPECT_EQ(dib->Header().compression, 0u);
    EXPECT_EQ(dib->BitsSize(), 12);
    expectPixels(dib->ToImage(), {{qRgb(255, 0, 0), qRgb(131, 131, 131), qRgb(0, 0, 255)}});

    // 5-6-5 masks: full green is 63 and gives 255; 1 in each channel gives 8, 4 (4 * 255 / 252), 8.
    const QByteArray fiveSixFive = sample("bits565", InfoDib{3,
                                                             1,
                                                             16,
                                                             3,
                                                             {},
                                                             0,
                                                             {0xF800, 0x07E0, 0x001F},
                                                             hex("e007"
                                                                 "00f8"
                                                                 "2108"
                                                                 "0000")}
                                                         .bytes());
    expectPixels(decode(fiveSixFive), {{qRgb(0, 255, 0), qRgb(255, 0, 0), qRgb(8, 4, 8)}});

    // 32 bits: the top byte is ignored; three pixels need 9 bytes, a row of 12.
    const QByteArray thirtyTwo = sample("bits32", InfoDib{3,
                                                          1,
                                                          32,
                                                          0,
                                                          {},
                                                          0,
                                                          {},
                                                          hex("33221100"
                                                              "000000ff"
                                                              "ffffff00")}
                                                      .bytes());
    const auto wide = loadInternal(thirtyTwo);
    EXPECT_EQ(wide->BitsSize(), 12);
    expectPixels(wide->ToImage(), {{qRgb(0x11, 0x22, 0x33), kBlack, qRgb(255, 255, 255)}});
    // Eight-bit masks in another order scale nothing, so Qt reads the same colours.
    const QByteArray reordered =
        InfoDib{2, 1, 32, 3, {}, 0, {0x0000FF00, 0xFF000000, 0x000000FF}, hex("11223344aabbccdd")}.bytes();
    expectPixels(decode(reordered), {{qRgb(0x22, 0x44, 0x11), qRgb(0xbb, 0xdd, 0xaa)}});
    expectSameAsQt(decode(reordered), reordered);

    EXPECT_EQ(failure(InfoDib{1, 1, 16, 3, {}, 0, {0xF800, 0, 0x1F}, hex("00000000")}.bytes()),
              "TQdInternalDIB.LoadFromStream: Invalid Masks");
}

TEST(DibReaderTest, CoreHeaderBecomesTheFortyByteForm)
{
    QByteArray bytes("BM");
    const QList<QRgb> colours = sixteenColours();
    put32(bytes, 74 + 4);
    put32(bytes, 0);
    put32(bytes, 74);
    put32(bytes, 12);
    put16(bytes, 3);
    put16(bytes, 1);
    put16(bytes, 1);
    put16(bytes, 4);
    for (QRgb colour : colours)
        bytes.append(char(qBlue(colour))).append(char(qGreen(colour))).append(char(qRed(colour)));
    bytes += hex("5a100000"); // 5 10 1
    sample("core4", bytes);

    const auto dib = loadInternal(bytes);
    EXPECT_EQ(dib->Header().clrUsed, 16u);
    EXPECT_EQ(dib->Header().xPelsPerMeter, 3780);
    EXPECT_EQ(dib->ColorTable(), colours);
    expectIndices(dib->ToImage(), {{5, 10, 1}});
    expectSameAsQt(dib->ToImage(), bytes);

    patch32(bytes, 24, 16); // bit count 16 in the old header's last word
    EXPECT_EQ(failure(bytes), "TQdInternalDIB.LoadFromStream: Invalid BitCount");
}

TEST(DibReaderTest, RunLengthDataStaysCompressedAndExpandsOnCopy)
{
    const QByteArray eight = sample("rle8", rle8(hex(kRle8Data)));
    const auto dib = loadInternal(eight);
    EXPECT_EQ(dib->PixelFormat(), DibPixelFormat::Bits8Rle);
    EXPECT_EQ(dib->BitsSize(), hex(kRle8Data).size());
    expectIndices(dib->ToImage(),
                  {{3, 3, 0, 0, 0, 0}, {0, 0, 9, 9, 9, 9}, {0, 0, 0, 0, 0, 0}, {5, 5, 5, 1, 2, 7}});
    expectSameAsQtWherePainted(dib->ToImage(), eight);

    const QByteArray four = sample("rle4", rle4(hex(kRle4Data)));
    EXPECT_EQ(loadInternal(four)->PixelFormat(), DibPixelFormat::Bits4Rle);
    expectIndices(decode(four), {{0, 0, 0, 14, 15}, {3, 4, 5, 6, 7}, {1, 2, 1, 0, 0}});
    expectSameAsQtWherePainted(decode(four), four);

    // Data may stop without the end mark; a file size of 0 leaves the rest of the file to the data.
    QByteArray unmarked = rle8(hex("0207"), 3, 1);
    patch32(unmarked, 2, 0);
    expectIndices(decode(unmarked), {{7, 7, 0}});
}

TEST(DibReaderTest, RunLengthDataThatLeavesThePictureIsRefused)
{
    const char *const hostile8[] = {
        "0501", // a run longer than the row
        "0301"
        "0201",             // runs that together overflow it
        "000501020304050a", // absolute pixels past the row end
        "00020500",         // a delta past the right edge
        "00020003",         // a delta below the last row
        "000201",           // a delta cut short
        "00040102",         // absolute pixels cut short
        "ff01",
    };
    for (const char *data : hostile8) {
        const QByteArray bytes = rle8(hex(data), 4, 2);
        EXPECT_EQ(failure(bytes), "TQdInternalDIB: Run-length data runs out of the picture") << data;
    }
    EXPECT_FALSE(failure(rle4(hex("000612345000"), 4, 2)).empty());
    EXPECT_FALSE(failure(rle4(hex("0512"), 4, 2)).empty());

    // After the last row's line end nothing more can be drawn, so what follows is not read.
    expectIndices(decode(rle8(hex("04010000"
                                  "04020000"
                                  "ff03ff03"),
                              4, 2)),
                  {{2, 2, 2, 2}, {1, 1, 1, 1}});
}

TEST(DibReaderTest, BadHeadersAreRefusedWithTheirOwnMessages)
{
    const QByteArray good = eightBitShortPalette();
    const auto with = [&good](int offset, quint32 value) {
        QByteArray bytes = good;
        patch32(bytes, offset, value);
        return bytes;
    };
    QByteArray notBitmap = good;
    notBitmap[1] = 'A';
    try {
        decode(notBitmap);
        ADD_FAILURE();
    } catch (const EQdDIBInvalidDIBFile &error) {
        EXPECT_STREQ(error.what(), "TQdInternalDIB.LoadFromFile: File type is invalid");
    }
    EXPECT_EQ(failure(with(18, 0)), "TQdInternalDIB.LoadFromStream: Invalid Width or Height");
    EXPECT_EQ(failure(with(18, 0xFFFFFFFF)), "TQdInternalDIB.LoadFromStream: Invalid Width or Height");
    EXPECT_EQ(failure(with(22, 0)), "TQdInternalDIB.LoadFromStream: Invalid Width or Height");
    EXPECT_EQ(failure(with(14, 64)), "TQdInternalDIB.LoadFromStream: Invalid Bitmap Header Size");
    EXPECT_EQ(failure(with(28, 2)), "TQdInternalDIB.LoadFromStream: Invalid BitCout");
    EXPECT_EQ(failure(with(10, 60)), "TQdInternalDIB.LoadFromFile: bfOffBits is too small");
    // A colour count whose table could never fit below the pixel data, however the sum is taken.
    EXPECT_EQ(failure(with(46, 0xFFFFFFFF)), "TQdInternalDIB.LoadFromFile: bfOffBits is too small");

    // Compression the depth does not have reads, but makes no picture.
    const auto runLengthOnEight = loadInternal(with(30, 2));
    EXPECT_THROW(runLengthOnEight->PixelFormat(), EQdDIBInvalidDIB);
    EXPECT_EQ(failure(with(30, 2)), "TQdInternalDIB.GetPixelFormat: Invalid DIB(8Bit)");
    EXPECT_EQ(failure(InfoDib{1, 1, 24, 1, {}, 0, {}, hex("00000000")}.bytes()),
              "TQdInternalDIB.GetPixelFormat: Invalid DIB(24Bit)");
}

TEST(DibReaderTest, AbsurdSizesAndShortFilesFailBeforeAllocating)
{
    const QByteArray good = eightBitShortPalette();
    const auto sized = [&good](quint32 width, quint32 height) {
        QByteArray bytes = good;
        patch32(bytes, 18, width);
        patch32(bytes, 22, height);
        return bytes;
    };
    const std::string tooLarge = "TQdInternalDIB.LoadFromStream: Image is too large";
    EXPECT_EQ(failure(sized(32768, 1)), tooLarge);
    EXPECT_EQ(failure(sized(1, 0x80000000)), tooLarge); // the most negative height
    EXPECT_EQ(failure(sized(20000, 20000)), tooLarge);  // 400 MB at one byte a pixel
    // 100 MB is allowed, but a file of a few bytes cannot hold it.
    EXPECT_EQ(failure(sized(10000, 10000)), "Stream read error");

    QByteArray farPixels = good;
    patch32(farPixels, 10, 0xFFFFFFFF);
    EXPECT_EQ(failure(farPixels), "Stream read error");
    QByteArray hugeRunLength = rle8(hex(kRle8Data));
    patch32(hugeRunLength, 2, 0xFFFFFFF0);
    EXPECT_FALSE(failure(hugeRunLength).empty());

    // Every cut of every form fails cleanly.
    for (const QByteArray &whole :
         {oneBit(), fourBit(), good, twentyFourBit(), rle8(hex(kRle8Data)), rle4(hex(kRle4Data)),
          InfoDib{3, 1, 16, 3, {}, 0, {0xF800, 0x07E0, 0x1F}, hex("e00700f821080000")}.bytes()})
        for (int size = 0; size < whole.size(); ++size)
            EXPECT_FALSE(failure(whole.left(size)).empty()) << size << " of " << whole.size();
}

TEST(DibReaderTest, ColourCountsBeyondTheTableKeepTheFirst256)
{
    QList<QRgb> colours;
    for (int i = 0; i < 300; ++i)
        colours.append(qRgb(i % 256, i / 256, 7));
    const auto dib = loadInternal(InfoDib{2, 1, 8, 0, colours, 300, {}, rows({hex("ff01")})}.bytes());
    EXPECT_EQ(dib->Header().clrUsed, 256u);
    EXPECT_EQ(dib->ColorTable(), colours.first(256));
    expectPixels(dib->ToImage(), {{qRgb(255, 0, 7), qRgb(1, 0, 7)}});
}

TEST(DibReaderTest, PictureIsReplacedOnlyByAGoodFileAndDrawsStretched)
{
    TQdDIB picture;
    int changes = 0;
    picture.OnChange = [&changes] { ++changes; };
    EXPECT_TRUE(picture.Empty());
    const auto load = [&picture](const QByteArray &bytes) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        picture.LoadFromStream(buffer);
    };
    load(twentyFourBit());
    EXPECT_THROW(load(twentyFourBit().left(40)), EQdDIBError);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(picture.Width(), 2);
    EXPECT_EQ(picture.PixelFormat(), DibPixelFormat::Bits24);

    QImage canvas(6, 4, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    picture.Draw(painter, QRect(1, 0, 4, 4));
    painter.end();
    // Each pixel of the 2 x 2 picture covers 2 x 2 pixels of the rectangle; nothing outside it changes.
    QImage shown;
    picture.AssignTo(shown);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(canvas.pixel(x, y),
                      x == 0 || x == 5 ? qRgb(255, 255, 255) : shown.pixel((x - 1) / 2, y / 2))
                << x << "," << y;

    // A copy keeps its pixels when the original reads another file, from either kind of memory.
    TQdDIB copy;
    copy.SetUseFileMapping(true);
    picture.AssignTo(copy);
    picture.SetUseFileMapping(true);
    load(oneBit());
    QImage copied;
    copy.AssignTo(copied);
    expectPixels(copied, {{qRgb(255, 0, 0), qRgb(0, 255, 0)}, {qRgb(0, 0, 255), qRgb(1, 2, 3)}});
    QImage mapped;
    picture.AssignTo(mapped);
    expectSameAsQt(mapped, oneBit());
    EXPECT_EQ(picture.Palette(), QList<QRgb>({kRed, kBlue}));
}

TEST(DibReaderTest, DibFilesLoadAsPictures)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("card.DIB");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(rle8(hex(kRle8Data)));
    file.close();
    const QImage picture = LoadPictureFile(path);
    EXPECT_EQ(picture.size(), QSize(6, 4));
    EXPECT_EQ(picture.pixel(2, 1), sixteenColours()[9]);

    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(rle8(hex("0501"), 4, 2));
    file.close();
    EXPECT_TRUE(LoadPictureFile(path).isNull());
}
