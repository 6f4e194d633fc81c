#include "model/picture/PictureAlpha.h"

#include <QPainter>
#include <array>

namespace {

bool usesAlpha(const QImage &picture)
{
    if (!picture.hasAlphaChannel())
        return false;
    if (picture.format() == QImage::Format_Indexed8) {
        // A see-through colour in the table counts only when some pixel is painted with it.
        std::array<bool, 256> clear{};
        const QList<QRgb> colors = picture.colorTable();
        for (qsizetype i = 0; i < colors.size() && i < qsizetype(clear.size()); ++i)
            clear[std::size_t(i)] = qAlpha(colors[i]) != 255;
        for (int y = 0; y < picture.height(); ++y) {
            const uchar *row = picture.constScanLine(y);
            for (int x = 0; x < picture.width(); ++x)
                if (clear[row[x]])
                    return true;
        }
        return false;
    }
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(row[x]) != 255)
                return true;
    }
    return false;
}

} // namespace

QImage OpaquePicture(const QImage &picture)
{
    if (!picture.hasAlphaChannel())
        return picture;
    if (picture.format() == QImage::Format_Indexed8) {
        QImage indexed = picture;
        QList<QRgb> colors = indexed.colorTable();
        for (QRgb &color : colors)
            color |= 0xFF000000u;
        indexed.setColorTable(colors);
        return indexed;
    }
    QImage opaque = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < opaque.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(opaque.scanLine(y));
        for (int x = 0; x < opaque.width(); ++x)
            row[x] |= 0xFF000000u;
    }
    opaque.reinterpretAsFormat(QImage::Format_RGB32);
    return opaque;
}

QImage PictureWithAlphaWhereUsed(const QImage &picture)
{
    if (picture.isNull())
        return picture;
    if (usesAlpha(picture))
        return picture.convertToFormat(QImage::Format_ARGB32);
    const QImage opaque = OpaquePicture(picture);
    switch (opaque.format()) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
    case QImage::Format_Indexed8:
    case QImage::Format_RGB32:
    case QImage::Format_RGB888: return opaque;
    default: return opaque.convertToFormat(QImage::Format_RGB32);
    }
}

QImage PictureOverColor(const QImage &picture, const QColor &color)
{
    if (!picture.hasAlphaChannel())
        return picture;
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(color);
    QPainter painter(&flat);
    painter.drawImage(0, 0, picture);
    return flat;
}
