#include "model/dib/TQdInternalDIB.h"

#include "model/dib/DibRunLength.h"
#include "model/dib/EQdDIBError.h"

#include <cstring>

namespace {

void expandNibbles(const uchar *source, int width, uchar *target)
{
    for (int x = 0; x + 1 < width; x += 2, ++source) {
        target[x] = *source >> 4;
        target[x + 1] = *source & 0x0F;
    }
    if (width & 1)
        target[width - 1] = *source >> 4;
}

} // namespace

TQdInternalDIB::TQdInternalDIB(bool useFileMapping) : useFileMapping_(useFileMapping)
{
}

DibPixelFormat TQdInternalDIB::PixelFormat() const
{
    const quint32 compression = header_.compression;
    switch (header_.bitCount) {
    case 1:
        if (compression == kDibRgb)
            return DibPixelFormat::Bits1;
        throw EQdDIBInvalidDIB("TQdInternalDIB.GetPixelFormat: Invalid DIB(1Bit)");
    case 4:
        if (compression == kDibRgb)
            return DibPixelFormat::Bits4;
        if (compression == kDibRle4)
            return DibPixelFormat::Bits4Rle;
        throw EQdDIBInvalidDIB("TQdInternalDIB.GetPixelFormat: Invalid DIB(4Bit)");
    case 8:
        if (compression == kDibRgb)
            return DibPixelFormat::Bits8;
        if (compression == kDibRle8)
            return DibPixelFormat::Bits8Rle;
        throw EQdDIBInvalidDIB("TQdInternalDIB.GetPixelFormat: Invalid DIB(8Bit)");
    case 24:
        if (compression == kDibRgb)
            return DibPixelFormat::Bits24;
        throw EQdDIBInvalidDIB("TQdInternalDIB.GetPixelFormat: Invalid DIB(24Bit)");
    default: throw EQdDIBInvalidDIB("TQdInternalDIB.GetPixelFormat: Invalid DIB(Illegal BitCount)");
    }
}

QImage TQdInternalDIB::ToImage() const
{
    switch (PixelFormat()) {
    case DibPixelFormat::Bits1: return plainImage(QImage::Format_Mono);
    case DibPixelFormat::Bits4:
    case DibPixelFormat::Bits8: return plainImage(QImage::Format_Indexed8);
    // The file's blue, green, red order is a pixel format of its own: the rows are shown as they are.
    case DibPixelFormat::Bits24: return plainImage(QImage::Format_BGR888);
    case DibPixelFormat::Bits4Rle: return runLengthImage(4);
    case DibPixelFormat::Bits8Rle: return runLengthImage(8);
    }
    return QImage();
}

std::unique_ptr<TQdInternalDIB> TQdInternalDIB::Clone(bool useFileMapping) const
{
    auto copy = std::make_unique<TQdInternalDIB>(useFileMapping);
    copy->header_ = header_;
    copy->colorTable_ = colorTable_;
    copy->width_ = width_;
    copy->height_ = height_;
    copy->pixels_ = DibPixelMemory(pixels_.size(), useFileMapping, DibPixelMemory::Contents::Overwritten);
    if (pixels_.size() > 0)
        std::memcpy(copy->pixels_.data(), pixels_.data(), std::size_t(pixels_.size()));
    return copy;
}

const uchar *TQdInternalDIB::storedRow(int line) const
{
    return pixels_.data() + qint64(line) * dibBytesPerLine(width_, header_.bitCount);
}

namespace {

// Indices beyond the file's colour table show black, as they would on a palette that is filled up.
QList<QRgb> fullColorTable(QList<QRgb> table, int bitCount)
{
    table.resize(1 << bitCount, qRgb(0, 0, 0));
    return table;
}

QImage newImage(int width, int height, QImage::Format format)
{
    QImage image(width, height, format);
    if (image.isNull())
        throw EQdDIBOutOfResources("GetMemory: Out of memory");
    return image;
}

} // namespace

QImage TQdInternalDIB::plainImage(QImage::Format format) const
{
    const int bitCount = header_.bitCount;
    if (pixels_.size() < dibBytesPerLine(width_, bitCount) * height_)
        throw EQdDIBInvalidDIB("TQdInternalDIB: Pixel data is too short");
    // Without a colour table to give it, the bitmap shows the rows where they are.
    if (bitCount == 24) {
        QImage shared = pixels_.SharedImage(width_, height_, dibBytesPerLine(width_, bitCount), format);
        if (shared.isNull())
            throw EQdDIBOutOfResources("GetMemory: Out of memory");
        return shared;
    }
    QImage image = newImage(width_, height_, format);
    if (bitCount <= 8)
        image.setColorTable(fullColorTable(colorTable_, bitCount));
    uchar *const bits = image.bits();
    const qsizetype bytesPerLine = image.bytesPerLine();
    for (int y = 0; y < height_; ++y) {
        const uchar *source = storedRow(y);
        uchar *target = bits + y * bytesPerLine;
        switch (bitCount) {
        case 1: std::memcpy(target, source, std::size_t((width_ + 7) / 8)); break;
        case 4: expandNibbles(source, width_, target); break;
        default: std::memcpy(target, source, std::size_t(width_)); break;
        }
    }
    return image;
}

QImage TQdInternalDIB::runLengthImage(int bitCount) const
{
    QImage image = newImage(width_, height_, QImage::Format_Indexed8);
    image.setColorTable(fullColorTable(colorTable_, bitCount));
    const DibRunLength::Target target{image.bits(), image.bytesPerLine(), width_, height_,
                                      header_.height > 0};
    const QByteArrayView data(reinterpret_cast<const char *>(pixels_.data()), qsizetype(pixels_.size()));
    if (!DibRunLength::decode(data, bitCount, target))
        throw EQdDIBInvalidDIB("TQdInternalDIB: Run-length data runs out of the picture");
    return image;
}
