#include "model/sheet/PrintAdjustment.h"

#include "model/sheet/PrinterPage.h"

#include <QStringList>
#include <cmath>

namespace {

// A decimal number in hundredths of its unit, or nothing when the text is not one.
std::optional<long long> hundredths(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::abs(value) > 1e9)
        return std::nullopt;
    return std::llround(value * 100);
}

QString decimal(long long hundredths, int decimals)
{
    const QString text = QString::number(double(hundredths) / 100, 'f', decimals);
    // Trailing zeros say nothing: "1.50" is "1.5", "100.00" is "100".
    if (!text.contains(u'.'))
        return text;
    qsizetype end = text.size();
    while (text[end - 1] == u'0')
        --end;
    if (text[end - 1] == u'.')
        --end;
    return text.left(end);
}

} // namespace

QTransform PrintAdjustmentTransform(const PrinterPage &page)
{
    const PrintAdjustment &adjustment = page.Adjustment;
    if (adjustment.IsNone())
        return QTransform();
    const double scale = adjustment.ScaleHundredthPercent / 10000.0;
    const QPointF corner = -QPointF(page.PhysicalOffset);
    // Rounded rather than cut, so that the move is within half a pixel of what was measured.
    const QPointF move(std::round(adjustment.OffsetXTenthMm * double(page.Resolution.width()) / 254),
                       std::round(adjustment.OffsetYTenthMm * double(page.Resolution.height()) / 254));
    // Scaled about the paper's corner, then moved.
    return QTransform::fromTranslate(-corner.x(), -corner.y()) * QTransform::fromScale(scale, scale) *
           QTransform::fromTranslate(corner.x() + move.x(), corner.y() + move.y());
}

std::optional<PrintAdjustment> ParsePrintAdjustment(const QString &text)
{
    const QStringList items = text.split(u',');
    if (items.size() != 2 && items.size() != 3)
        return std::nullopt;
    const std::optional<long long> x = hundredths(items[0]);
    const std::optional<long long> y = hundredths(items[1]);
    const std::optional<long long> scale = items.size() == 3 ? hundredths(items[2]) : 10000;
    if (!x || !y || !scale)
        return std::nullopt;
    // Hundredths of a millimetre to tenths, halves away from zero.
    const auto tenthMm = [](long long value) { return (value + (value < 0 ? -5 : 5)) / 10; };
    const PrintAdjustment adjustment{.OffsetXTenthMm = int(tenthMm(*x)),
                                     .OffsetYTenthMm = int(tenthMm(*y)),
                                     .ScaleHundredthPercent = int(*scale)};
    if (std::abs(*x) > 10LL * PrintAdjustment::kMostOffsetTenthMm ||
        std::abs(*y) > 10LL * PrintAdjustment::kMostOffsetTenthMm ||
        *scale < PrintAdjustment::kLeastScaleHundredthPercent ||
        *scale > PrintAdjustment::kMostScaleHundredthPercent)
        return std::nullopt;
    return adjustment;
}

QString FormatPrintAdjustment(const PrintAdjustment &adjustment)
{
    return QStringLiteral("%1,%2,%3")
        .arg(decimal(adjustment.OffsetXTenthMm * 10LL, 1), decimal(adjustment.OffsetYTenthMm * 10LL, 1),
             decimal(adjustment.ScaleHundredthPercent, 2));
}
