#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class QImageReader;

// Pictures for picture objects, card backgrounds and the picture dialog's preview. The reader is
// chosen by the file's extension, whatever the bytes are; every failure gives a null image and
// nothing else (no message, no output).

// Pictures larger than this are refused before anything is allocated for their pixels.
inline constexpr int kMaxPictureSide = 32767;
inline constexpr qint64 kMaxPictureBytes = qint64(128) * 1024 * 1024;

// "bmp", "dib", "jpg", "jpeg", "jpe", "png", "gif", "webp", "tif", "tiff" and "svg", in any letter
// case; any other extension fails. Pictures other than bitmaps and JPEGs keep their alpha only when
// some pixel is transparent (see PictureWithAlphaWhereUsed); an SVG gives its rendering.
QImage LoadPictureFile(const QString &path);

// The picture a user chose for the card. A file that gives none raises a VkError naming the file
// and the reason: not readable, not a kind of picture this program reads, too large, or damaged.
QImage LoadChosenPicture(const QString &path);
// PNG, GIF (its first frame), WebP or TIFF, read by Qt's image reader for the format named.
QImage LoadReaderPicture(const QString &path, const char *format);
// The rendering of an SVG file at the size it gives itself, its longer side held to
// kMaxSvgRenderingSide so that a drawing declared huge still makes a modest stand-in picture.
QImage LoadSvgPicture(const QString &path);
QImage RenderSvgPicture(const QByteArray &svg);
inline constexpr int kMaxSvgRenderingSide = 1024;
// The bytes of an SVG file that Qt SVG can draw; empty for any other file.
QByteArray LoadSvgSource(const QString &path);
bool IsSvgFileName(const QString &path);

// Colour JPEGs come out as 24-bit RGB; greyscale ones as 8-bit indexed with at most 236 grey levels.
QImage LoadJpegPicture(const QString &path);
// The bitmap as Qt reads it: 1-bit and 8-bit files stay indexed, the others take 32 bits a pixel.
QImage LoadBmpPicture(const QString &path);
QImage LoadDibPicture(const QString &path);

// The bits per pixel a bitmap file (.bmp or .dib, with its file header) stores its picture in,
// which the loaded image may have widened: 1, 4, 8, 15 (five bits a colour), 16, 24 or 32.
// 0 for a file that is not a bitmap.
int BitmapFileDepth(const QString &path);
// The bits per pixel a picture file stores: BitmapFileDepth for bitmaps, the depth Qt's reader
// finds for the other formats (24 for colour without alpha); 0 for JPEGs, SVG and unreadable files.
int PictureFileDepth(const QString &path);

// The picture a reader is set up for, refused before anything is allocated when it is larger than
// the limits above; a null image on any failure.
QImage ReadPictureWithinLimits(QImageReader &reader);

// True when a picture of this size and depth stays within the limits above.
bool PictureSizeAllowed(qint64 width, qint64 height, int bitsPerPixel);
