#include "model/picture/BmpCodec.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace BmpCodec {

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kCoreHeaderSize = 12;
constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3;

void put16(char *at, std::uint16_t value)
{
    at[0] = char(value);
    at[1] = char(value >> 8);
}

void put32(char *at, std::uint32_t value)
{
    at[0] = char(value);
    at[1] = char(value >> 8);
    at[2] = char(value >> 16);
    at[3] = char(value >> 24);
}

std::uint32_t get16(const char *at)
{
    return std::uint32_t(std::uint8_t(at[0])) | std::uint32_t(std::uint8_t(at[1])) << 8;
}

std::uint32_t get32(const char *at)
{
    return get16(at) | get16(at + 2) << 16;
}

qint64 strideOf(qint64 width, int bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

// A picture as it is stored: its bits per pixel and the form of the source rows.
struct Layout {
    int bitsPerPixel;
    QImage rows; // Mono, Indexed8, RGB32 or BGR888
};

Layout layoutOf(const QImage &image)
{
    if (image.hasAlphaChannel())
        return {32, image.convertToFormat(QImage::Format_ARGB32)};
    switch (image.format()) {
    case QImage::Format_Mono: return {1, image};
    case QImage::Format_MonoLSB: return {1, image.convertToFormat(QImage::Format_Mono)};
    case QImage::Format_Indexed8: return {image.colorCount() <= 16 ? 4 : 8, image};
    case QImage::Format_RGB32:
    case QImage::Format_BGR888: return {24, image};
    default: return {24, image.convertToFormat(QImage::Format_RGB32)};
    }
}

void writePalette(char *at, const QImage &image, int entries)
{
    const QList<QRgb> colors = image.colorTable();
    for (int i = 0; i < entries; ++i) {
        // A two-colour picture without a table shows black on white, as Qt draws it.
        QRgb rgb =
            i < colors.size() ? colors[i] : (entries == 2 && colors.isEmpty() && i == 0 ? 0xFFFFFFFF : 0);
        at[4 * i] = char(qBlue(rgb));
        at[4 * i + 1] = char(qGreen(rgb));
        at[4 * i + 2] = char(qRed(rgb));
        at[4 * i + 3] = 0;
    }
}

void encodeRow(char *out, const uchar *in, int width, int bitsPerPixel, QImage::Format format)
{
    switch (bitsPerPixel) {
    case 1: std::memcpy(out, in, std::size_t((width + 7) / 8)); break;
    case 4:
        for (int x = 0; x + 1 < width; x += 2)
            *out++ = char((in[x] & 0x0F) << 4 | (in[x + 1] & 0x0F));
        if (width % 2)
            *out = char((in[width - 1] & 0x0F) << 4);
        break;
    case 8: std::memcpy(out, in, std::size_t(width)); break;
    case 32: std::memcpy(out, in, std::size_t(width) * 4); break; // blue, green, red, alpha
    default:
        if (format == QImage::Format_BGR888) {
            std::memcpy(out, in, std::size_t(width) * 3);
        } else {
            // 32-bit pixels lie in memory as blue, green, red, alpha; the file keeps the first three.
            for (int x = 0; x < width; ++x, in += 4, out += 3) {
                out[0] = char(in[0]);
                out[1] = char(in[1]);
                out[2] = char(in[2]);
            }
        }
        break;
    }
}

} // namespace

void AppendBmp(QByteArray &out, const QImage &image)
{
    if (image.isNull())
        return;
    const Layout layout = layoutOf(image);
    const int width = layout.rows.width();
    const int height = layout.rows.height();
    const int paletteEntries = layout.bitsPerPixel <= 8 ? 1 << layout.bitsPerPixel : 0;
    const qint64 stride = strideOf(width, layout.bitsPerPixel);
    const qint64 pixelOffset = kFileHeaderSize + kInfoHeaderSize + 4LL * paletteEntries;
    const qint64 fileSize = pixelOffset + stride * height;

    const qsizetype start = out.size();
    out.resize(start + qsizetype(fileSize));
    char *file = out.data() + start;
    std::memset(file, 0, std::size_t(pixelOffset));
    file[0] = 'B';
    file[1] = 'M';
    put32(file + 2, std::uint32_t(fileSize));
    put32(file + 10, std::uint32_t(pixelOffset));
    char *info = file + kFileHeaderSize;
    put32(info, kInfoHeaderSize);
    put32(info + 4, std::uint32_t(width));
    put32(info + 8, std::uint32_t(height));
    put16(info + 12, 1);
    put16(info + 14, std::uint16_t(layout.bitsPerPixel));
    put32(info + 20, std::uint32_t(stride * height));
    put32(info + 24, 3780); // 96 dpi in pixels per metre
    put32(info + 28, 3780);
    writePalette(info + kInfoHeaderSize, layout.rows, paletteEntries);

    // Rows go bottom-up; the padding at the end of each row is zero.
    char *row = file + pixelOffset;
    const QImage::Format format = layout.rows.format();
    for (int y = height - 1; y >= 0; --y, row += stride) {
        const qint64 used = (qint64(width) * layout.bitsPerPixel + 7) / 8;
        std::memset(row + used, 0, std::size_t(stride - used));
        encodeRow(row, layout.rows.constScanLine(y), width, layout.bitsPerPixel, format);
    }
}

namespace {

// Checks the declared size against the limits and, for uncompressed pixels, against the bytes
// present, so that the image reader is never asked to allocate what the file does not hold.
bool plausible(QByteArrayView bmp)
{
    if (bmp.size() < kFileHeaderSize + kCoreHeaderSize || bmp[0] != 'B' || bmp[1] != 'M')
        return false;
    const char *info = bmp.data() + kFileHeaderSize;
    const std::uint32_t headerSize = get32(info);
    qint64 width = 0, height = 0;
    int bitsPerPixel = 0;
    std::uint32_t compression = kRgb;
    if (headerSize == kCoreHeaderSize) {
        width = get16(info + 4);
        height = get16(info + 6);
        bitsPerPixel = int(get16(info + 10));
    } else {
        if (headerSize < kInfoHeaderSize || bmp.size() < kFileHeaderSize + kInfoHeaderSize)
            return false;
        width = std::int32_t(get32(info + 4));
        height = std::abs(qint64(std::int32_t(get32(info + 8))));
        bitsPerPixel = int(get16(info + 14));
        compression = get32(info + 16);
    }
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide)
        return false;
    // The reader keeps 1-bit pictures at 1 bit, 4- and 8-bit ones at 8 bits, and the rest at 32.
    const int keptBits = bitsPerPixel == 1 ? 1 : bitsPerPixel <= 8 ? 8 : 32;
    if (strideOf(width, keptBits) * height > kMaxPixelBytes)
        return false;
    if (compression == kRgb || compression == kBitFields) {
        const qint64 pixelOffset = get32(bmp.data() + 10);
        if (pixelOffset + strideOf(width, bitsPerPixel) * height > bmp.size())
            return false;
    } else if (compression != kRle8 && compression != kRle4) {
        return false;
    }
    return true;
}

// The highest colour index a pixel of an indexed picture uses.
int highestIndex(const QImage &image)
{
    int highest = 0;
    for (int y = 0; y < image.height(); ++y) {
        if (image.format() == QImage::Format_Indexed8) {
            const uchar *row = image.constScanLine(y);
            highest = std::max<int>(highest, *std::max_element(row, row + image.width()));
            continue;
        }
        for (int x = 0; x < image.width(); ++x)
            highest = std::max(highest, image.pixelIndex(x, y));
    }
    return highest;
}

// The reader leaves the pixels a run-length picture skips, or ones naming colours the file does not
// list, with indices past the colour table, and such pixels draw in a colour of the reader's
// choosing. The table is lengthened with those colours, so that the picture writes back as it draws.
void coverStrayIndices(QImage &image)
{
    if (image.depth() > 8 || image.colorCount() >= 1 << image.depth())
        return;
    const int highest = highestIndex(image);
    const int listed = image.colorCount();
    if (highest < listed)
        return;
    const QImage drawn = image.convertToFormat(QImage::Format_ARGB32);
    QList<QRgb> colors = image.colorTable();
    colors.resize(highest + 1, qRgb(0, 0, 0));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int index = image.pixelIndex(x, y);
            if (index >= listed)
                colors[index] = drawn.pixel(x, y);
        }
    }
    image.setColorTable(colors);
}

// Qt's reader drops the fourth byte of 32-bit pixels; a picture with alpha keeps it there.
bool isPlain32Bit(QByteArrayView bmp)
{
    const char *info = bmp.data() + kFileHeaderSize;
    return get32(info) >= kInfoHeaderSize && get16(info + 14) == 32 && get32(info + 16) == kRgb;
}

// Rows run bottom-up unless the height is negative. plausible() has checked that the bytes hold them.
QImage decode32Bit(QByteArrayView bmp)
{
    const char *info = bmp.data() + kFileHeaderSize;
    const auto width = int(std::int32_t(get32(info + 4)));
    const auto storedHeight = std::int32_t(get32(info + 8));
    const int height = int(std::abs(qint64(storedHeight)));
    QImage image(width, height, QImage::Format_ARGB32);
    if (image.isNull())
        return image;
    const char *pixels = bmp.data() + get32(bmp.data() + 10);
    for (int row = 0; row < height; ++row) {
        const int y = storedHeight < 0 ? row : height - 1 - row;
        std::memcpy(image.scanLine(y), pixels + qint64(row) * width * 4, std::size_t(width) * 4);
    }
    return image;
}

} // namespace

QImage DecodeBmp(QByteArrayView bmp)
{
    if (!plausible(bmp))
        return {};
    if (isPlain32Bit(bmp))
        return decode32Bit(bmp);
    QImage image = QImage::fromData(bmp, "BMP");
    coverStrayIndices(image);
    return image;
}

} // namespace BmpCodec
