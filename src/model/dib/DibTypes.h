#pragma once

#include <QtGlobal>

// The information header in its 40-byte form, whatever form the file had.
struct DibInfoHeader {
    qint32 width = 0;
    qint32 height = 0; // positive when rows are stored bottom-up
    quint16 planes = 1;
    quint16 bitCount = 0;
    quint32 compression = 0;
    quint32 sizeImage = 0;
    qint32 xPelsPerMeter = 0;
    qint32 yPelsPerMeter = 0;
    quint32 clrUsed = 0;
    quint32 clrImportant = 0;
};

enum DibCompression : quint32 { kDibRgb = 0, kDibRle8 = 1, kDibRle4 = 2, kDibBitFields = 3 };

// In the order the program lists them.
enum class DibPixelFormat { Bits1, Bits4, Bits4Rle, Bits8, Bits8Rle, Bits24 };

// Pictures beyond these bounds are refused before their pixels are allocated.
inline constexpr qint64 kDibMaxSide = 32767;
inline constexpr qint64 kDibMaxPixelBytes = qint64(128) * 1024 * 1024;

// Bytes of one stored row: rows are padded to whole 32-bit words.
inline qint64 dibBytesPerLine(qint64 width, int bitCount)
{
    return (width * bitCount + 31) / 32 * 4;
}
