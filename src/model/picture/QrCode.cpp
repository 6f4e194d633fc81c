#include "model/picture/QrCode.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <memory>
#include <qrencode.h>

namespace {

// Version 40 has 177 modules a side.
constexpr int kMaxQrSide = 177 + 2 * kMaxQrQuietZone;

QRecLevel recoveryLevel(TQrLevel level)
{
    switch (level) {
    case qlLow: return QR_ECLEVEL_L;
    case qlQuartile: return QR_ECLEVEL_Q;
    case qlHigh: return QR_ECLEVEL_H;
    case qlMedium: break;
    }
    return QR_ECLEVEL_M;
}

struct QrCodeFree {
    void operator()(QRcode *code) const { QRcode_free(code); }
};

struct QrInputFree {
    void operator()(QRinput *input) const { QRinput_free(input); }
};

// The assignment number of UTF-8 among the character sets a QR code can declare.
constexpr unsigned kUtf8Eci = 26;

QRcode *encodeBytes(const QByteArray &utf8, QRecLevel level)
{
    const bool ascii = std::all_of(utf8.begin(), utf8.end(), [](char c) { return uchar(c) < 0x80; });
    // Mode 8 keeps the bytes as they are; the library still packs runs of digits more tightly.
    if (ascii)
        return QRcode_encodeString(utf8.constData(), 0, level, QR_MODE_8, 1);
    // Left to guess, readers take short Japanese text for Shift_JIS, the older custom in Japan, so
    // text beyond ASCII says it is UTF-8. Plain ASCII stays as every reader knows it.
    const std::unique_ptr<QRinput, QrInputFree> input(QRinput_new2(0, level));
    if (!input || QRinput_appendECIheader(input.get(), kUtf8Eci) != 0 ||
        QRinput_append(input.get(), QR_MODE_8, int(utf8.size()),
                       reinterpret_cast<const uchar *>(utf8.constData())) != 0)
        return nullptr;
    return QRcode_encodeInput(input.get());
}

bool isDark(const QImage &modules, int x, int y)
{
    return qGray(modules.pixel(x, y)) < 128;
}

} // namespace

QImage EncodeQrCode(const QString &text, TQrLevel level, int quietZone)
{
    const QByteArray utf8 = text.toUtf8();
    if (utf8.isEmpty() || utf8.contains('\0'))
        return QImage();
    const std::unique_ptr<QRcode, QrCodeFree> code(encodeBytes(utf8, recoveryLevel(level)));
    if (!code)
        return QImage();
    const int margin = std::clamp(quietZone, 0, kMaxQrQuietZone);
    const int side = code->width + 2 * margin;
    QImage modules(side, side, QImage::Format_Mono);
    modules.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    modules.fill(0);
    for (int y = 0; y < code->width; ++y) {
        const unsigned char *row = code->data + qsizetype(y) * code->width;
        for (int x = 0; x < code->width; ++x) {
            if (row[x] & 1)
                modules.setPixel(margin + x, margin + y, 1);
        }
    }
    return modules;
}

bool DrawQrModules(QPainter &canvas, const QRect &destination, const QImage &modules)
{
    const int count = modules.width();
    if (count <= 0 || count > kMaxQrSide || modules.height() != count)
        return false;
    if (destination.isEmpty())
        return true;
    // Never less than a pixel a module, even where that overflows a tiny box.
    const int side = std::max(count, std::min(destination.width(), destination.height()));
    const QPaintEngine *engine = canvas.paintEngine();
    const bool onPixels = engine && engine->type() == QPaintEngine::Raster;
    // Where module i begins across the code. On pixels it begins on a whole pixel, so no module is
    // blurred, and modules differ by a pixel at most; a page gets exact squares to scale itself.
    const auto edge = [side, count, onPixels](int i) {
        return onPixels ? qreal((2 * qint64(i) * side + count) / (2 * qint64(count)))
                        : qreal(i) * side / count;
    };
    QPainterPath dark;
    dark.setFillRule(Qt::WindingFill);
    for (int y = 0; y < count; ++y) {
        for (int x = 0; x < count;) {
            if (!isDark(modules, x, y)) {
                ++x;
                continue;
            }
            const int runStart = x;
            while (x < count && isDark(modules, x, y))
                ++x;
            dark.addRect(QRectF(QPointF(edge(runStart), edge(y)), QPointF(edge(x), edge(y + 1))));
        }
    }
    canvas.save();
    canvas.setRenderHint(QPainter::Antialiasing, false);
    canvas.fillRect(destination, Qt::white);
    canvas.translate(destination.left() + (destination.width() - side) / 2,
                     destination.top() + (destination.height() - side) / 2);
    canvas.fillPath(dark, Qt::black);
    canvas.restore();
    return true;
}
