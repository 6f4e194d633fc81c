#include "model/card/TextEffects.h"

#include "model/card/TextLayout.h"

#include <QPainter>
#include <QRect>
#include <algorithm>

namespace {

int mix(int under, int over, int alpha)
{
    return (under * (100 - alpha) + over * alpha) / 100;
}

QRgb average(QRgb left, QRgb up, QRgb centre, QRgb down, QRgb right)
{
    const auto sum = [&](int (*channel)(QRgb)) {
        return (channel(left) + channel(up) + channel(centre) + channel(down) + channel(right)) / 5;
    };
    return qRgba(sum(qRed), sum(qGreen), sum(qBlue), qAlpha(centre));
}

bool sameSize32(const QImage &a, const QImage &b)
{
    return a.size() == b.size() && a.depth() == 32 && b.depth() == 32;
}

} // namespace

QImage DrawInkMask(const TextLayout &plainInk, const QSize &size, const QRect &box)
{
    QImage mask(size, QImage::Format_RGB32);
    if (mask.isNull())
        return mask;
    mask.fill(Qt::white);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setPen(Qt::black);
    plainInk.Draw(painter, box);
    painter.end();
    for (int y = 0; y < mask.height(); ++y) {
        auto *pixels = reinterpret_cast<QRgb *>(mask.scanLine(y));
        for (int x = 0; x < mask.width(); ++x)
            pixels[x] = qGray(pixels[x]) < 128 ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    }
    return mask;
}

void BlendInk(QImage &composite, const QImage &mask, const QColor &color, int alphaPercent)
{
    if (!sameSize32(composite, mask))
        return;
    const int alpha = std::clamp(alphaPercent, 0, 100);
    const int red = color.red();
    const int green = color.green();
    const int blue = color.blue();
    for (int y = 0; y < composite.height(); ++y) {
        const auto *ink = reinterpret_cast<const QRgb *>(mask.constScanLine(y));
        auto *pixels = reinterpret_cast<QRgb *>(composite.scanLine(y));
        for (int x = 0; x < composite.width(); ++x) {
            if (!IsInk(ink[x]))
                continue;
            const QRgb p = pixels[x];
            pixels[x] = qRgba(mix(qRed(p), red, alpha), mix(qGreen(p), green, alpha),
                              mix(qBlue(p), blue, alpha), qAlpha(p));
        }
    }
}

QImage SmoothInkEdges(const QImage &composite, const QImage &mask, const QRect &object)
{
    QImage smooth = composite.copy();
    if (!sameSize32(composite, mask))
        return smooth;
    const QRect inner =
        object.adjusted(1, 1, -1, -1) & QRect(1, 1, composite.width() - 2, composite.height() - 2);
    for (int y = inner.top(); y <= inner.bottom(); ++y) {
        const auto *inkUp = reinterpret_cast<const QRgb *>(mask.constScanLine(y - 1));
        const auto *inkRow = reinterpret_cast<const QRgb *>(mask.constScanLine(y));
        const auto *inkDown = reinterpret_cast<const QRgb *>(mask.constScanLine(y + 1));
        const auto *up = reinterpret_cast<const QRgb *>(composite.constScanLine(y - 1));
        const auto *row = reinterpret_cast<const QRgb *>(composite.constScanLine(y));
        const auto *down = reinterpret_cast<const QRgb *>(composite.constScanLine(y + 1));
        auto *out = reinterpret_cast<QRgb *>(smooth.scanLine(y));
        for (int x = inner.left(); x <= inner.right(); ++x) {
            const bool cornerAcross = IsInk(inkRow[x - 1]) != IsInk(inkRow[x + 1]);
            const bool cornerDown = IsInk(inkUp[x]) != IsInk(inkDown[x]);
            if (cornerAcross && cornerDown)
                out[x] = average(row[x - 1], up[x], row[x], down[x], row[x + 1]);
        }
    }
    return smooth;
}
