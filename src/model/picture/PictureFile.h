#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

// The card surface's 5 pixels per millimetre as a resolution.
constexpr int kCardSurfaceDpi = 127;

// The picture files a card is exported as.
enum class PictureFileType { Bmp, Jpeg, Png };

// The type that a file name's extension names (.bmp or .dib, .jpg or .jpeg, .png, in any case);
// none for any other name.
std::optional<PictureFileType> PictureFileTypeOfName(const QString &path);

// The picture as a file of the given type with its resolution, dots per inch, in the header: a
// 24-bit uncompressed BMP, a baseline JPEG at a quality of 1 to 100 (through libjpeg), or a PNG.
// Throws VkError when the picture cannot be encoded.
QByteArray EncodePictureFile(const QImage &picture, PictureFileType type, int dpi, int jpegQuality);

// Writes the bytes beside the file at path and renames them over it, so a failed write keeps the
// old file. Throws VkError naming the path when the file cannot be written.
void WritePictureFile(const QString &path, const QByteArray &bytes);

// A picture at the card surface's own size as a BMP file, or as a JPEG file at a quality of 1 to
// 100, written as WritePictureFile does.
void WriteBmpFile(const QString &path, const QImage &picture);
void WriteJpegFile(const QString &path, const QImage &picture, int quality);
