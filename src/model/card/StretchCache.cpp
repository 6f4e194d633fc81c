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

bool SamplesDirectly(QImage::Format format)
{
    switch (format) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
    case QImage::Format_Indexed8:
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_RGB888:
    case QImage::Format_BGR888: return true;
    default: return false;
    }
}

namespace {

// The opaque colour of each index of an indexed picture, as converting the picture to 32 bits
// would give it (indices beyond the colour table included), so that sampling the indices directly
// draws the same pixels.
std::vector<QRgb> opaqueColors(const QImage &picture)
{
    const QImage::Format format = picture.format();
    const int count = format == QImage::Format_Indexed8 ? 256 : 2;
    QImage indices(count, 1, format);
    indices.setColorTable(picture.colorTable());
    uchar *bits = indices.scanLine(0);
    if (format == QImage::Format_Indexed8) {
        for (int i = 0; i < count; ++i)
            bits[i] = uchar(i);
    } else {
        bits[0] = format == QImage::Format_Mono ? 0x40 : 0x02; // pixel 0 off, pixel 1 on
    }
    const QImage colors = indices.convertToFormat(QImage::Format_ARGB32);
    std::vector<QRgb> table(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        table[std::size_t(i)] = colors.pixel(i, 0) | 0xFF000000u;
    return table;
}

// Fills stretched from the source rows and columns, each pixel fetched from its row's bytes.
template <class Fetch>
void sample(const QImage &source, const std::vector<int> &rows, const std::vector<int> &columns,
            QImage &stretched, Fetch fetch)
{
    for (int y = 0; y < stretched.height(); ++y) {
        const uchar *in = source.constScanLine(rows[std::size_t(y)]);
        auto *out = reinterpret_cast<QRgb *>(stretched.scanLine(y));
        for (int x = 0; x < stretched.width(); ++x)
            out[x] = fetch(in, columns[std::size_t(x)]);
    }
}

void sampleInto(const QImage &source, const std::vector<int> &rows, const std::vector<int> &columns,
                QImage &stretched)
{
    switch (source.format()) {
    case QImage::Format_Mono: {
        const std::vector<QRgb> colors = opaqueColors(source);
        sample(source, rows, columns, stretched,
               [&colors](const uchar *in, int x) { return colors[(in[x >> 3] >> (7 - (x & 7))) & 1]; });
        break;
    }
    case QImage::Format_MonoLSB: {
        const std::vector<QRgb> colors = opaqueColors(source);
        sample(source, rows, columns, stretched,
               [&colors](const uchar *in, int x) { return colors[(in[x >> 3] >> (x & 7)) & 1]; });
        break;
    }
    case QImage::Format_Indexed8: {
        const std::vector<QRgb> colors = opaqueColors(source);
        sample(source, rows, columns, stretched, [&colors](const uchar *in, int x) { return colors[in[x]]; });
        break;
    }
    case QImage::Format_RGB888:
        sample(source, rows, columns, stretched, [](const uchar *in, int x) {
            const uchar *pixel = in + 3 * x;
            return qRgb(pixel[0], pixel[1], pixel[2]);
        });
        break;
    case QImage::Format_BGR888:
        sample(source, rows, columns, stretched, [](const uchar *in, int x) {
            const uchar *pixel = in + 3 * x;
            return qRgb(pixel[2], pixel[1], pixel[0]);
        });
        break;
    default:
        sample(source, rows, columns, stretched,
               [](const uchar *in, int x) { return reinterpret_cast<const QRgb *>(in)[x] | 0xFF000000u; });
        break;
    }
}

// A picture with transparency keeps it, premultiplied as the painter blends it fastest.
QImage stretchWithAlpha(const QImage &picture, const QSize &size, const QRect &part)
{
    const QImage source =
        picture.format() == QImage::Format_ARGB32 ? picture : picture.convertToFormat(QImage::Format_ARGB32);
    QImage stretched(part.size(), QImage::Format_ARGB32_Premultiplied);
    if (stretched.isNull())
        return {};
    const std::vector<int> columns = sourceIndices(source.width(), size.width(), part.left(), part.width());
    const std::vector<int> rows = sourceIndices(source.height(), size.height(), part.top(), part.height());
    sample(source, rows, columns, stretched,
           [](const uchar *in, int x) { return qPremultiply(reinterpret_cast<const QRgb *>(in)[x]); });
    return stretched;
}

} // namespace

QImage StretchNearest(const QImage &picture, const QSize &size, const QRect &visible)
{
    const QRect part = visible.intersected(QRect(QPoint(0, 0), size));
    if (picture.isNull() || part.isEmpty())
        return {};
    if (picture.hasAlphaChannel())
        return stretchWithAlpha(picture, size, part);
    const QImage source =
        SamplesDirectly(picture.format()) ? picture : picture.convertToFormat(QImage::Format_ARGB32);
    QImage stretched(part.size(), QImage::Format_RGB32);
    if (stretched.isNull())
        return {};
    const std::vector<int> columns = sourceIndices(source.width(), size.width(), part.left(), part.width());
    const std::vector<int> rows = sourceIndices(source.height(), size.height(), part.top(), part.height());
    sampleInto(source, rows, columns, stretched);
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
        // The page keeps the picture's own pixels, as the card shows them: a page description would
        // otherwise store it as JPEG and blur the sharp edges of a logo or a drawing.
        canvas.save();
        canvas.setRenderHint(QPainter::LosslessImageRendering);
        canvas.drawImage(QRectF(destination), picture);
        canvas.restore();
        return;
    }
    // The cached part ignores the clip, so that a repaint of a small dirty area reuses a copy made
    // for the whole device.
    const QRect visible = reachablePart(canvas, destination, false).translated(-destination.topLeft());
    if (visible.isEmpty())
        return;
    if (picture.cacheKey() != pictureKey_ || destination.size() != size_ || !visible_.contains(visible)) {
        // A picture in a form that cannot be sampled is converted once, not at every new size.
        if (SamplesDirectly(picture.format()))
            converted_ = QImage();
        else if (picture.cacheKey() != pictureKey_ || converted_.isNull())
            converted_ = picture.convertToFormat(QImage::Format_ARGB32);
        stretched_ = StretchNearest(converted_.isNull() ? picture : converted_, destination.size(), visible);
        pictureKey_ = picture.cacheKey();
        size_ = destination.size();
        visible_ = visible;
    }
    canvas.drawImage(destination.topLeft() + visible.topLeft(), stretched_,
                     visible.translated(-visible_.topLeft()));
}

void StretchCache::Clear()
{
    *this = StretchCache();
}
