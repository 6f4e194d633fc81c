#include "model/picture/PictureLoader.h"

#include "model/dib/TQdDIB.h"
#include "model/platform/VkError.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>
#include <utility>

int BitmapFileDepth(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray header = file.read(62);
    if (header.size() < 26 || !header.startsWith("BM"))
        return 0;
    // After the 14-byte file header: the old 12-byte core header gives the bit count at 24, the
    // newer ones at 28, followed by the compression and, for bit fields, the red and green masks.
    const quint32 infoSize = qFromLittleEndian<quint32>(header.constData() + 14);
    if (infoSize == 12)
        return qFromLittleEndian<quint16>(header.constData() + 24);
    if (header.size() < 34)
        return 0;
    const int bitCount = qFromLittleEndian<quint16>(header.constData() + 28);
    if (bitCount != 16)
        return bitCount;
    constexpr quint32 kBitFields = 3;
    if (qFromLittleEndian<quint32>(header.constData() + 30) != kBitFields)
        return 15;
    // Six bits of green make 16-bit pixels; five, as plain 16-bit bitmaps have, make 15-bit ones.
    return header.size() >= 62 && qFromLittleEndian<quint32>(header.constData() + 58) == 0x7E0 ? 16 : 15;
}

bool PictureSizeAllowed(qint64 width, qint64 height, int bitsPerPixel)
{
    if (width <= 0 || height <= 0 || width > kMaxPictureSide || height > kMaxPictureSide)
        return false;
    const qint64 bytesPerLine = (width * bitsPerPixel + 31) / 32 * 4;
    return bytesPerLine * height <= kMaxPictureBytes;
}

QImage ReadPictureWithinLimits(QImageReader &reader)
{
    reader.setAllocationLimit(int(kMaxPictureBytes / (1024 * 1024)));
    const QSize size = reader.size();
    // Qt may widen a picture to 32 bits a pixel, so the bound assumes the widest result.
    if (!size.isValid() || !PictureSizeAllowed(size.width(), size.height(), 32))
        return QImage();
    QImage image;
    if (!reader.read(&image))
        return QImage();
    // Some formats announce one size and read another: a GIF's first frame inside a larger screen.
    if (!PictureSizeAllowed(image.width(), image.height(), image.depth()))
        return QImage();
    return image;
}

QImage LoadBmpPicture(const QString &path)
{
    QImageReader reader(path, "bmp");
    reader.setAutoTransform(false);
    QImage image = ReadPictureWithinLimits(reader);
    // A picture on the card is opaque, as a saved card keeps it: the alpha bytes of a 32-bit
    // bitmap are often all zero, which would leave the picture invisible until saved and reopened.
    if (image.hasAlphaChannel())
        image.convertTo(QImage::Format_RGB32);
    // A 24-bit file stays at the 32 bits Qt reads it into: the card draws those directly, and a
    // narrowing pass would double the time of a large picture.
    return image;
}

QImage LoadDibPicture(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QImage();
    try {
        TQdDIB picture;
        picture.LoadFromStream(file);
        QImage image;
        picture.AssignTo(image);
        return image;
    } catch (const std::exception &) {
        return QImage();
    }
}

namespace {

bool isJpegExtension(const QString &extension)
{
    return extension == QLatin1String("jpg") || extension == QLatin1String("jpeg") ||
           extension == QLatin1String("jpe");
}

// The format Qt's readers know a picture extension by; empty for an extension not read here.
QByteArray readerFormatOf(const QString &extension)
{
    static const std::pair<const char *, const char *> formats[] = {
        {"bmp", "bmp"}, {"dib", "bmp"},   {"jpg", "jpeg"}, {"jpeg", "jpeg"}, {"jpe", "jpeg"}, {"png", "png"},
        {"gif", "gif"}, {"webp", "webp"}, {"tif", "tiff"}, {"tiff", "tiff"}, {"svg", "svg"}};
    for (const auto &[suffix, format] : formats) {
        if (extension == QLatin1String(suffix))
            return format;
    }
    return {};
}

// The kind of picture the bytes hold, as a user knows it, or an empty text when they hold none.
QString contentKind(QFile &file)
{
    file.seek(0);
    const QByteArray format = QImageReader::imageFormat(&file);
    if (format.isEmpty())
        return {};
    return format == "tiff"   ? QStringLiteral("TIFF")
           : format == "webp" ? QStringLiteral("WebP")
                              : QString::fromLatin1(format).toUpper();
}

// Why a file gave no picture, found after the fact: the readers tell only that they failed.
QString failureReason(const QString &path)
{
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("PictureLoader", "ファイルを開けません。");
    const QByteArray format = readerFormatOf(info.suffix().toLower());
    if (format.isEmpty())
        return QCoreApplication::translate(
            "PictureLoader", "この種類のファイルは読めません。BMP、DIB、JPEG、PNG、GIF、WebP、TIFF、SVG の"
                             "画像が使えます。");
    if (file.size() == 0)
        return QCoreApplication::translate("PictureLoader", "ファイルが空です。");
    if (format == "svg")
        return file.size() > kMaxPictureBytes
                   ? QCoreApplication::translate("PictureLoader",
                                                 "SVG ファイルが大きすぎます。%1 MB までの SVG が使えます。")
                         .arg(kMaxPictureBytes / (1024 * 1024))
                   : QCoreApplication::translate("PictureLoader",
                                                 "SVG の図形が壊れているか、大きさが決まっていません。");
    // Every reader but the DIB's own reads the size from the header before the pixels.
    const QSize size = QImageReader(&file, format).size();
    if (size.isValid() && !PictureSizeAllowed(size.width(), size.height(), 32))
        return QCoreApplication::translate(
                   "PictureLoader", "画像が大きすぎます。縦横 %1 ピクセル、%2 MB までの画像が使えます。")
            .arg(kMaxPictureSide)
            .arg(kMaxPictureBytes / (1024 * 1024));
    const QString kind = contentKind(file);
    if (!kind.isEmpty() && kind.toLatin1().toLower() != format)
        return QCoreApplication::translate("PictureLoader",
                                           "中身は %1 の画像で、拡張子 .%2 の種類とは違います。")
            .arg(kind, info.suffix());
    return QCoreApplication::translate("PictureLoader",
                                       "画像が壊れているか、拡張子とは違う種類のファイルです。");
}

} // namespace

QImage LoadChosenPicture(const QString &path)
{
    QImage picture = LoadPictureFile(path);
    if (picture.isNull())
        throw VkError(QCoreApplication::translate("PictureLoader", "%1 を読み込めません。\n%2")
                          .arg(QFileInfo(path).absoluteFilePath(), failureReason(path)));
    return picture;
}

QImage LoadPictureFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return QImage();
    const QString extension = info.suffix().toLower();
    if (extension == QLatin1String("bmp"))
        return LoadBmpPicture(path);
    if (extension == QLatin1String("dib"))
        return LoadDibPicture(path);
    if (isJpegExtension(extension))
        return LoadJpegPicture(path);
    if (extension == QLatin1String("svg"))
        return LoadSvgPicture(path);
    static const std::pair<const char *, const char *> readerFormats[] = {
        {"png", "png"}, {"gif", "gif"}, {"webp", "webp"}, {"tif", "tiff"}, {"tiff", "tiff"}};
    for (const auto &[suffix, format] : readerFormats) {
        if (extension == QLatin1String(suffix))
            return LoadReaderPicture(path, format);
    }
    return QImage();
}
