#include "model/picture/PictureAlpha.h"
#include "model/picture/PictureLoader.h"
#include "model/picture/SvgPicture.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>
#include <cmath>

QImage LoadReaderPicture(const QString &path, const char *format)
{
    QImageReader reader(path, format);
    reader.setAutoTransform(true);
    return PictureWithAlphaWhereUsed(ReadPictureWithinLimits(reader));
}

bool IsSvgFileName(const QString &path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0;
}

QByteArray LoadSvgSource(const QString &path)
{
    if (!IsSvgFileName(path) || !QFileInfo(path).isFile())
        return QByteArray();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxPictureBytes)
        return QByteArray();
    const QByteArray svg = file.readAll();
    return SvgPicture::NaturalSize(svg).isEmpty() ? QByteArray() : svg;
}

QImage LoadSvgPicture(const QString &path)
{
    return RenderSvgPicture(LoadSvgSource(path));
}

QImage RenderSvgPicture(const QByteArray &svg)
{
    QSize size = SvgPicture::NaturalSize(svg);
    if (size.isEmpty())
        return QImage();
    const int longer = std::max(size.width(), size.height());
    if (longer > kMaxSvgRenderingSide) {
        const double shrink = double(kMaxSvgRenderingSide) / longer;
        size = QSize(std::max(1, int(std::lround(size.width() * shrink))),
                     std::max(1, int(std::lround(size.height() * shrink))));
    }
    return PictureWithAlphaWhereUsed(SvgPicture::Render(svg, size));
}

int PictureFileDepth(const QString &path)
{
    if (const int bitmapDepth = BitmapFileDepth(path))
        return bitmapDepth;
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension == QLatin1String("svg") || extension.startsWith(QLatin1String("jp")))
        return 0;
    const QImageReader reader(path);
    switch (reader.imageFormat()) {
    case QImage::Format_Invalid: return 0;
    case QImage::Format_RGB32: return 24; // readers widen colour without alpha to 32 bits
    default: return QImage::toPixelFormat(reader.imageFormat()).bitsPerPixel();
    }
}
