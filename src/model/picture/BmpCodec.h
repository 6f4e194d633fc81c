#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>

// The pictures inside card documents are complete BMP files.
namespace BmpCodec {

// Appends image as a BMP file in its own pixel format: 1 bit for a two-colour picture, 4 or 8 bits
// with its palette for an indexed one, 32 bits with the alpha in each pixel's fourth byte for a
// picture with an alpha channel, 24 bits for everything else. A null image appends nothing.
void AppendBmp(QByteArray &out, const QImage &image);

// The picture of a BMP file of any kind the desktop stores (1 to 32 bits, run-length coded, bit
// fields, old and new headers), or a null image when the bytes are not one. Pictures of an absurd
// size, and uncompressed ones whose pixels the bytes do not hold, are refused before anything is
// allocated. Plain 32-bit pixels come back with their fourth byte as alpha
// (QImage::Format_ARGB32), whatever it holds; whether that byte means anything is for the reader of
// the document to say.
QImage DecodeBmp(QByteArrayView bmp);

// The largest picture accepted: a side of 32,767 pixels, 128 MB of pixel memory.
constexpr int kMaxSide = 32767;
constexpr qint64 kMaxPixelBytes = 128LL * 1024 * 1024;

} // namespace BmpCodec
