#include "commands/PictureLoader.h"

#include "dib/TQdDIB.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

namespace {

// Bits per pixel from the bitmap's header: after the 14-byte file header, the info header gives
// it at offset 14 (new headers) or 10 (the old 12-byte core header). 0 when unknown.
int bmpBitCount(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray header = file.read(30);
    if (header.size() < 26)
        return 0;
    const quint32 infoSize = qFromLittleEndian<quint32>(header.constData() + 14);
    const qsizetype offset = infoSize == 12 ? 24 : 28;
    return header.size() >= offset + 2 ? qFromLittleEndian<quint16>(header.constData() + offset) : 0;
}

} // namespace

bool PictureSizeAllowed(qint64 width, qint64 height, int bitsPerPixel)
{
    if (width <= 0 || height <= 0 || width > kMaxPictureSide || height > kMaxPictureSide)
        return false;
    const qint64 bytesPerLine = (width * bitsPerPixel + 31) / 32 * 4;
    return bytesPerLine * height <= kMaxPictureBytes;
}

QImage LoadBmpPicture(const QString &path)
{
    QImageReader reader(path, "bmp");
    reader.setAllocationLimit(int(kMaxPictureBytes / (1024 * 1024)));
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    // Qt may widen a picture to 32 bits a pixel, so the bound assumes the widest result.
    if (!size.isValid() || !PictureSizeAllowed(size.width(), size.height(), 32))
        return QImage();
    QImage image;
    if (!reader.read(&image))
        return QImage();
    // Qt widens 24-bit bitmaps to 32 bits; the picture keeps the file's depth, as JPEGs do.
    if (image.format() == QImage::Format_RGB32 && bmpBitCount(path) == 24)
        image.convertTo(QImage::Format_RGB888);
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
    if (extension == QLatin1String("jpg") || extension == QLatin1String("jpeg") ||
        extension == QLatin1String("jpe"))
        return LoadJpegPicture(path);
    return QImage();
}
