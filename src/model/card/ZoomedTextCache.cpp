#include "model/card/ZoomedTextCache.h"

#include "model/card/TextLayout.h"

#include <QPainter>

namespace {

// 16 MB a text object at most; a larger one is drawn directly each time.
constexpr qint64 kMaxKeptPixels = 4 * 1024 * 1024;

} // namespace

const QImage &ZoomedTextCache::Get(const QStringList &lines, const CardFont &font, const TextStyle &style,
                                   double scale, const QSize &size)
{
    if (!image_.isNull() && lines == lines_ && font == font_ && style == style_ && scale == scale_ &&
        size == size_)
        return image_;
    lines_ = lines;
    font_ = font;
    style_ = style;
    scale_ = scale;
    size_ = size;
    image_ = QImage();
    if (size.isEmpty() || qint64(size.width()) * size.height() > kMaxKeptPixels)
        return image_;
    image_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
    if (image_.isNull())
        return image_;
    image_.fill(Qt::transparent);
    QPainter painter(&image_);
    painter.setPen(ColorToQColor(font.Color));
    LayOutZoomedText(lines, font, style, scale, painter)->Draw(painter, QRect(QPoint(0, 0), size));
    return image_;
}
