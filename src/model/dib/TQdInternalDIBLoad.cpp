#include "model/dib/TQdInternalDIB.h"

#include "model/dib/DibBitFields.h"
#include "model/dib/DibStreamReader.h"
#include "model/dib/EQdDIBError.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace {

constexpr quint16 kBitmapFileType = 0x4D42; // "BM"
constexpr qint64 kFileHeaderSize = 14;
constexpr qint64 kInfoHeaderSize = 40;
constexpr qint64 kCoreHeaderSize = 12;
constexpr qint64 kMaskBytes = 12;
constexpr qint32 kDefaultPelsPerMeter = 3780; // 96 dots per inch
constexpr qint64 kMaxColorTable = 256;
constexpr qint64 kRowChunkBytes = 1 << 20;

quint16 u16(const uchar *bytes)
{
    return qFromLittleEndian<quint16>(bytes);
}

quint32 u32(const uchar *bytes)
{
    return qFromLittleEndian<quint32>(bytes);
}

qint32 i32(const uchar *bytes)
{
    return qFromLittleEndian<qint32>(bytes);
}

QList<QRgb> readColorTable(DibStreamReader &in, qint64 entries, int entrySize)
{
    const QByteArray bytes = in.readBytes(entries * entrySize);
    const auto *entry = reinterpret_cast<const uchar *>(bytes.constData());
    QList<QRgb> table;
    table.reserve(entries);
    for (qint64 i = 0; i < entries; ++i, entry += entrySize)
        table.append(qRgb(entry[2], entry[1], entry[0]));
    return table;
}

[[noreturn]] void offBitsTooSmall()
{
    throw EQdDIBInvalidDIB("TQdInternalDIB.LoadFromFile: bfOffBits is too small");
}

[[noreturn]] void tooLarge()
{
    throw EQdDIBInvalidDIB("TQdInternalDIB.LoadFromStream: Image is too large");
}

} // namespace

void TQdInternalDIB::LoadFromStream(QIODevice &stream)
{
    DibStreamReader in(stream);
    uchar fileHeader[kFileHeaderSize];
    in.read(fileHeader, kFileHeaderSize);
    if (u16(fileHeader) != kBitmapFileType)
        throw EQdDIBInvalidDIBFile("TQdInternalDIB.LoadFromFile: File type is invalid");
    const qint64 fileSize = u32(fileHeader + 2);
    const qint64 offBits = u32(fileHeader + 10);

    uchar headerSize[4];
    in.read(headerSize, 4);
    quint32 masks[3] = {};
    if (u32(headerSize) == kInfoHeaderSize)
        readInfoHeader(in, offBits, masks);
    else if (u32(headerSize) == kCoreHeaderSize)
        readCoreHeader(in, offBits);
    else
        throw EQdDIBInvalidDIB("TQdInternalDIB.LoadFromStream: Invalid Bitmap Header Size");

    if (header_.width <= 0 || header_.height == 0)
        throw EQdDIBInvalidDIB("TQdInternalDIB.LoadFromStream: Invalid Width or Height");
    checkSize();
    width_ = header_.width;
    height_ = int(qAbs(qint64(header_.height)));

    if (header_.bitCount == 16 || header_.bitCount == 32) {
        readBitFields(in, masks);
        return;
    }
    const bool runLength = header_.compression == kDibRle8 || header_.compression == kDibRle4;
    if (!runLength) {
        readRows(in);
        return;
    }
    // Run-length data is as long as the file says; a file size that says nothing sensible leaves
    // the rest of the stream to the data.
    QByteArray data;
    if (fileSize > offBits) {
        if (fileSize - offBits > kDibMaxPixelBytes)
            tooLarge();
        // A stream of known size has been checked to hold the data: it goes straight to its place.
        if (!stream.isSequential()) {
            readPixels(in, fileSize - offBits);
            return;
        }
        data = in.readBytes(fileSize - offBits);
    } else {
        data = in.readRest(kDibMaxPixelBytes);
    }
    pixels_ = DibPixelMemory(data.size(), useFileMapping_, DibPixelMemory::Contents::Overwritten);
    if (!data.isEmpty())
        std::memcpy(pixels_.data(), data.constData(), std::size_t(data.size()));
}

void TQdInternalDIB::readInfoHeader(DibStreamReader &in, qint64 offBits, quint32 masks[3])
{
    uchar b[kInfoHeaderSize - 4];
    in.read(b, sizeof b);
    header_.width = i32(b);
    header_.height = i32(b + 4);
    header_.planes = u16(b + 8);
    header_.bitCount = u16(b + 10);
    header_.compression = u32(b + 12);
    header_.sizeImage = u32(b + 16);
    header_.xPelsPerMeter = i32(b + 20) == 0 ? kDefaultPelsPerMeter : i32(b + 20);
    header_.yPelsPerMeter = i32(b + 24) == 0 ? kDefaultPelsPerMeter : i32(b + 24);
    header_.clrUsed = u32(b + 28);
    header_.clrImportant = u32(b + 32);

    static constexpr quint16 kBitCounts[] = {1, 4, 8, 16, 24, 32};
    if (std::find(std::begin(kBitCounts), std::end(kBitCounts), header_.bitCount) == std::end(kBitCounts))
        throw EQdDIBInvalidDIB("TQdInternalDIB.LoadFromStream: Invalid BitCout");
    if (header_.clrUsed == 0 && header_.bitCount <= 8)
        header_.clrUsed = 1u << header_.bitCount;

    qint64 maskBytes = 0;
    if (header_.compression == kDibBitFields) {
        uchar m[kMaskBytes];
        in.read(m, kMaskBytes);
        for (int i = 0; i < 3; ++i)
            masks[i] = u32(m + 4 * i);
        maskBytes = kMaskBytes;
    }
    if (offBits < kFileHeaderSize + kInfoHeaderSize + maskBytes + 4 * qint64(header_.clrUsed))
        offBitsTooSmall();
    colorTable_ = readColorTable(in, std::min<qint64>(header_.clrUsed, kMaxColorTable), 4);
    in.skipTo(offBits);
    header_.clrUsed = quint32(colorTable_.size());
}

void TQdInternalDIB::readCoreHeader(DibStreamReader &in, qint64 offBits)
{
    uchar b[kCoreHeaderSize - 4];
    in.read(b, sizeof b);
    header_.width = u16(b);
    header_.height = u16(b + 2);
    header_.planes = u16(b + 4);
    header_.bitCount = u16(b + 6);
    static constexpr quint16 kBitCounts[] = {1, 4, 8, 24};
    if (std::find(std::begin(kBitCounts), std::end(kBitCounts), header_.bitCount) == std::end(kBitCounts))
        throw EQdDIBInvalidDIB("TQdInternalDIB.LoadFromStream: Invalid BitCount");
    const qint64 entries = header_.bitCount == 24 ? 0 : qint64(1) << header_.bitCount;
    if (offBits < kFileHeaderSize + kCoreHeaderSize + 3 * entries)
        offBitsTooSmall();
    colorTable_ = readColorTable(in, entries, 3);
    in.skipTo(offBits);

    header_.compression = kDibRgb;
    header_.sizeImage = 0;
    header_.xPelsPerMeter = kDefaultPelsPerMeter;
    header_.yPelsPerMeter = kDefaultPelsPerMeter;
    header_.clrUsed = quint32(entries);
    header_.clrImportant = 0;
}

void TQdInternalDIB::checkSize() const
{
    const qint64 width = header_.width;
    const qint64 height = qAbs(qint64(header_.height));
    if (width > kDibMaxSide || height > kDibMaxSide)
        tooLarge();
    // 16- and 32-bit pictures are kept at 24 bits; 4-bit ones are shown one byte a pixel.
    const int storedBits = header_.bitCount >= 16 ? 24 : header_.bitCount;
    const int shownBits = storedBits == 4 ? 8 : storedBits;
    if (dibBytesPerLine(width, shownBits) * height > kDibMaxPixelBytes)
        tooLarge();
}

void TQdInternalDIB::readPixels(DibStreamReader &in, qint64 dataSize)
{
    in.require(dataSize);
    pixels_ = DibPixelMemory(dataSize, useFileMapping_, DibPixelMemory::Contents::Overwritten);
    in.read(pixels_.data(), dataSize);
}

qint64 TQdInternalDIB::rowInMemory(qint64 rowInFile) const
{
    return header_.height > 0 ? height_ - 1 - rowInFile : rowInFile;
}

void TQdInternalDIB::readRows(DibStreamReader &in)
{
    const qint64 line = dibBytesPerLine(width_, header_.bitCount);
    in.require(line * height_);
    pixels_ = DibPixelMemory(line * height_, useFileMapping_, DibPixelMemory::Contents::Overwritten);
    if (header_.height < 0) {
        in.read(pixels_.data(), line * height_);
        return;
    }
    for (qint64 row = 0; row < height_; ++row)
        in.read(pixels_.data() + rowInMemory(row) * line, line);
}

void TQdInternalDIB::readBitFields(DibStreamReader &in, const quint32 masks[3])
{
    const int bitCount = header_.bitCount;
    const DibBitFields fields = header_.compression == kDibBitFields
                                    ? DibBitFields(masks[0], masks[1], masks[2])
                                    : DibBitFields::defaultFor(bitCount);
    const qint64 sourceLine = dibBytesPerLine(width_, bitCount);
    const qint64 targetLine = dibBytesPerLine(width_, 24);
    in.require(sourceLine * height_);
    pixels_ = DibPixelMemory(targetLine * height_, useFileMapping_);

    // Rows are read a block at a time and converted in file order, each into its place from the top.
    const qint64 rowsPerChunk = std::max<qint64>(1, kRowChunkBytes / sourceLine);
    QByteArray chunk(qsizetype(std::min<qint64>(rowsPerChunk, height_) * sourceLine), Qt::Uninitialized);
    for (qint64 first = 0; first < height_; first += rowsPerChunk) {
        const qint64 rows = std::min<qint64>(rowsPerChunk, height_ - first);
        in.read(chunk.data(), rows * sourceLine);
        const auto *source = reinterpret_cast<const uchar *>(chunk.constData());
        for (qint64 row = 0; row < rows; ++row)
            fields.convertRow(source + row * sourceLine, bitCount, width_,
                              pixels_.data() + rowInMemory(first + row) * targetLine);
    }
    header_.bitCount = 24;
    header_.compression = kDibRgb;
    header_.sizeImage = 0;
}
