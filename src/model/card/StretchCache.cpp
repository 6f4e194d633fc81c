#include "model/card/StretchCache.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <vector>

namespace {

// Source index of each destination index, sampling at the centre of the destination pixel.
std::vector<int> sourceIndices(int sourceLength, int destinationLength, int first, int count)
{
    std::vector<int> indices(std::size_t(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        const qint64 d = first + i;
        indices[std::size_t(i)] = int((2 * d + 1) * sourceLength / (2 * qint64(destinationLength)));
    }
    return indices;
}

// The part of the destination that can reach the painter's device (and its clip, when asked);
// nothing outside is drawn.
QRect reachablePart(const QPainter &canvas, const QRect &destination, bool withinClip)
{
    const QPaintDevice *device = canvas.device();
    if (!device)
        return {};
    const QRect deviceRect(0, 0, device->width(), device->height());
    const QTransform toLogical = canvas.combinedTransform().inverted();
    QRect reachable = toLogical.mapRect(deviceRect).adjusted(-1, -1, 1, 1);
    if (withinClip && canvas.hasClipping())
        reachable &= canvas.clipBoundingRect().toAlignedRect();
    return reachable.intersected(destination);
}

// A PDF or other vector device scales a picture itself; drawn as it is, the same picture in many
// places is stored once, at its own resolution.
bool drawsVectors(const QPainter &canvas)
{
    const QPaintEngine *engine = canvas.paintEngine();
    return engine && engine->type() != QPaintEngine::Raster;
}

} // namespace

QImage StretchNearest(const QImage &picture, const QSize &size, const QRect &visible)
{
    const QRect part = visible.intersected(QRect(QPoint(0, 0), size));
    if (picture.isNull() || part.isEmpty())
        return {};
    const QImage source =
        picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32
            ? picture
            : picture.convertToFormat(QImage::Format_ARGB32);
    QImage stretched(part.size(), QImage::Format_RGB32);
    if (stretched.isNull())
        return {};
    const std::vector<int> columns = sourceIndices(source.width(), size.width(), part.left(), part.width());
    const std::vector<int> rows = sourceIndices(source.height(), size.height(), part.top(), part.height());
    for (int y = 0; y < part.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(rows[std::size_t(y)]));
        auto *out = reinterpret_cast<QRgb *>(stretched.scanLine(y));
        for (int x = 0; x < part.width(); ++x)
            out[x] = in[columns[std::size_t(x)]] | 0xFF000000u;
    }
    return stretched;
}

void StretchDrawBitmap(QPainter &canvas, const QRect &destination, const QImage &bitmap)
{
    if (bitmap.isNull() || destination.isEmpty())
        return;
    const QRect part = reachablePart(canvas, destination, true);
    if (part.isEmpty())
        return;
    canvas.drawImage(part.topLeft(),
                     StretchNearest(bitmap, destination.size(), part.translated(-destination.topLeft())));
}

void StretchCache::Draw(QPainter &canvas, const QRect &destination, const QImage &picture)
{
    if (picture.isNull() || destination.isEmpty())
        return;
    if (drawsVectors(canvas)) {
        canvas.drawImage(QRectF(destination), opaque(picture));
        return;
    }
    // The cached part ignores the clip, so that a repaint of a small dirty area reuses a copy made
    // for the whole device.
    const QRect visible = reachablePart(canvas, destination, false).translated(-destination.topLeft());
    if (visible.isEmpty())
        return;
    if (picture.cacheKey() != pictureKey_ || destination.size() != size_ || !visible_.contains(visible)) {
        stretched_ = StretchNearest(picture, destination.size(), visible);
        pictureKey_ = picture.cacheKey();
        size_ = destination.size();
        visible_ = visible;
    }
    canvas.drawImage(destination.topLeft() + visible.topLeft(), stretched_,
                     visible.translated(-visible_.topLeft()));
}

const QImage &StretchCache::opaque(const QImage &picture)
{
    if (!picture.hasAlphaChannel())
        return picture;
    // Kept, so that every drawing of the picture hands the device the same image.
    if (picture.cacheKey() != opaqueKey_) {
        opaque_ = picture.convertToFormat(QImage::Format_RGB32);
        opaqueKey_ = picture.cacheKey();
    }
    return opaque_;
}

void StretchCache::Clear()
{
    *this = StretchCache();
}
