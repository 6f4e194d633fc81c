#include "model/sheet/CalibrationSheet.h"

#include "model/sheet/CardSheetDrawing.h"
#include "model/sheet/CellBudget.h"

#include <QCoreApplication>
#include <QFont>
#include <QLocale>
#include <QPainter>

namespace {

constexpr int kCrossInsetTenthMm = 300;
constexpr int kCrossArmTenthMm = 100;
constexpr int kRulerStartTenthMm = -50; // a little before the corner, so a sheet fed short shows it
constexpr int kLineTenthMm = 2;

struct Device {
    const PrinterPage &page;

    int x(int tenthMm) const
    {
        return TenthMmToDevicePixels(tenthMm, page.Resolution.width()) - page.PhysicalOffset.x();
    }
    int y(int tenthMm) const
    {
        return TenthMmToDevicePixels(tenthMm, page.Resolution.height()) - page.PhysicalOffset.y();
    }
    // A line's width in device pixels, odd so that it is centred on its place.
    int lineWidth() const
    {
        return std::max(TenthMmToDevicePixels(kLineTenthMm, page.Resolution.width()), 1) | 1;
    }
    QFont font(int heightTenthMm) const
    {
        QFont font(QStringLiteral("Sans"));
        font.setPixelSize(std::max(TenthMmToDevicePixels(heightTenthMm, page.Resolution.height()), 1));
        return font;
    }
};

// A line across or down, lineWidth() wide and centred on the pixel row or column given.
void fillLine(QPainter &canvas, const Device &device, QPoint from, QPoint to)
{
    const int half = device.lineWidth() / 2;
    canvas.fillRect(QRect(QPoint(std::min(from.x(), to.x()) - half, std::min(from.y(), to.y()) - half),
                          QPoint(std::max(from.x(), to.x()) + half, std::max(from.y(), to.y()) + half)),
                    Qt::black);
}

void drawRulers(QPainter &canvas, const Device &device, QSize paperTenthMm)
{
    canvas.setFont(device.font(25));
    canvas.setPen(Qt::black);
    for (int at = kRulerStartTenthMm; at <= paperTenthMm.width(); at += 10) {
        const int tick = at % 100 == 0 ? 50 : at % 50 == 0 ? 35 : 20;
        fillLine(canvas, device, QPoint(device.x(at), device.y(0)), QPoint(device.x(at), device.y(tick)));
        if (at % 100 == 0 && at > 0)
            canvas.drawText(QPoint(device.x(at + 5), device.y(75)), QString::number(at / 10));
    }
    for (int at = kRulerStartTenthMm; at <= paperTenthMm.height(); at += 10) {
        const int tick = at % 100 == 0 ? 50 : at % 50 == 0 ? 35 : 20;
        fillLine(canvas, device, QPoint(device.x(0), device.y(at)), QPoint(device.x(tick), device.y(at)));
        if (at % 100 == 0 && at > 0)
            canvas.drawText(QPoint(device.x(60), device.y(at + 10)), QString::number(at / 10));
    }
}

void drawCrosses(QPainter &canvas, const Device &device, QSize paperTenthMm)
{
    canvas.setFont(device.font(25));
    for (const QPoint at : CalibrationCrossesTenthMm(paperTenthMm)) {
        fillLine(canvas, device, QPoint(device.x(at.x() - kCrossArmTenthMm), device.y(at.y())),
                 QPoint(device.x(at.x() + kCrossArmTenthMm), device.y(at.y())));
        fillLine(canvas, device, QPoint(device.x(at.x()), device.y(at.y() - kCrossArmTenthMm)),
                 QPoint(device.x(at.x()), device.y(at.y() + kCrossArmTenthMm)));
        canvas.drawText(QPoint(device.x(at.x() + 20), device.y(at.y() - 20)),
                        QStringLiteral("(%1, %2) mm").arg(at.x() / 10).arg(at.y() / 10));
    }
}

void drawCellOutlines(QPainter &canvas, const PrinterPage &page, const TCardDef &cardDef)
{
    const std::int64_t cells = std::int64_t(cardDef.Columns) * cardDef.Lines;
    if (cardDef.Columns <= 0 || cells > kMostCellsOnSheet)
        return;
    canvas.setPen(QPen(QColor(128, 128, 128), 1, Qt::DashLine));
    canvas.setBrush(Qt::NoBrush);
    for (std::int64_t cell = 0; cell < cells; ++cell)
        canvas.drawRect(CardCellRect(cardDef, page, cell % cardDef.Columns, cell / cardDef.Columns));
}

void drawNote(QPainter &canvas, const Device &device, QSize paperTenthMm, const QString &printerName)
{
    const PrintAdjustment &adjustment = device.page.Adjustment;
    const QString note =
        QCoreApplication::translate(
            "CalibrationSheet",
            "印刷位置の調整用テスト用紙\nプリンタ: %1\n現在の調整: 右へ %2 mm、下へ %3 mm、%4 %\n"
            "十字の中心と目盛りの 0 が用紙の左上からの位置に来るように、ずれを測って入力してください。")
            .arg(printerName, QLocale().toString(adjustment.OffsetXTenthMm / 10.0, 'f', 1),
                 QLocale().toString(adjustment.OffsetYTenthMm / 10.0, 'f', 1),
                 QLocale().toString(adjustment.ScaleHundredthPercent / 100.0, 'f', 2));
    canvas.setFont(device.font(35));
    const QRect box(QPoint(device.x(kCrossInsetTenthMm), device.y(paperTenthMm.height() / 2 + 200)),
                    QPoint(device.x(paperTenthMm.width() - kCrossInsetTenthMm),
                           device.y(paperTenthMm.height() / 2 + 700)));
    canvas.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, note);
}

} // namespace

QList<QPoint> CalibrationCrossesTenthMm(QSize paperTenthMm)
{
    const int right = (paperTenthMm.width() - kCrossInsetTenthMm) / 10 * 10;
    const int bottom = (paperTenthMm.height() - kCrossInsetTenthMm) / 10 * 10;
    const QPoint middle(paperTenthMm.width() / 20 * 10, paperTenthMm.height() / 20 * 10);
    return {QPoint(kCrossInsetTenthMm, kCrossInsetTenthMm), QPoint(right, kCrossInsetTenthMm), middle,
            QPoint(kCrossInsetTenthMm, bottom), QPoint(right, bottom)};
}

void DrawCalibrationSheet(QPainter &canvas, const PrinterPage &page, QSize paperTenthMm,
                          const TCardDef &cardDef, const QString &printerName)
{
    const Device device{page};
    canvas.save();
    canvas.setRenderHint(QPainter::Antialiasing, false);
    canvas.setTransform(PrintAdjustmentTransform(page), true);
    drawCellOutlines(canvas, page, cardDef);
    drawRulers(canvas, device, paperTenthMm);
    drawCrosses(canvas, device, paperTenthMm);
    drawNote(canvas, device, paperTenthMm, printerName);
    canvas.restore();
}
