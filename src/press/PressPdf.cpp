#include "press/PressPdf.h"

#include "model/document/TCardDef.h"
#include "model/platform/OutputFile.h"
#include "model/platform/VkError.h"
#include "model/sheet/CardSheetDrawing.h"
#include "press/CmykProfile.h"
#include "press/CropMarks.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>

namespace {

constexpr int kDpi = 1200;
constexpr double kPointsPerPixel = 72.0 / kDpi;

// Where the card lies on its page, in the drawing's pixels from the page's upper left corner.
struct PressGeometry {
    QRect card;
    int bleed;
    QSize pagePoints;
};

PressGeometry geometryOf(const TCardDef &cardDef, int bleedTenthMm)
{
    const QSize card(TenthMmToDevicePixels(cardDef.CardSizeX, kDpi),
                     TenthMmToDevicePixels(cardDef.CardSizeY, kDpi));
    if (card.isEmpty())
        throw VkError(QCoreApplication::translate("PressPdf", "カードの大きさがありません"));
    const int bleed = TenthMmToDevicePixels(bleedTenthMm, kDpi);
    const int margin = bleed + int(std::ceil(CropMarkReach() / kPointsPerPixel));
    const QSize pagePoints(int(std::ceil((card.width() + 2 * margin) * kPointsPerPixel)),
                           int(std::ceil((card.height() + 2 * margin) * kPointsPerPixel)));
    return {QRect(QPoint(margin, margin), card), bleed, pagePoints};
}

// rect of the drawing as PDF points from the page's lower left corner.
QRectF inPoints(const QRectF &rect, const QSize &pagePoints)
{
    return QRectF(rect.left() * kPointsPerPixel, pagePoints.height() - rect.bottom() * kPointsPerPixel,
                  rect.width() * kPointsPerPixel, rect.height() * kPointsPerPixel);
}

QByteArray drawPages(int pageCount, const std::function<PressPage(int)> &pageAt,
                     const PressGeometry &geometry, const QString &title)
{
    QByteArray drawn;
    QBuffer buffer(&drawn);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kDpi);
        writer.setPageSize(QPageSize(geometry.pagePoints, QString(), QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(title);
        QPainter painter;
        if (!painter.begin(&writer))
            throw VkError(QCoreApplication::translate("PressPdf", "PDF を描けません"));
        const QRect cell(geometry.card.topLeft(), geometry.card.size());
        const QRect bleed = cell.adjusted(-geometry.bleed, -geometry.bleed, geometry.bleed, geometry.bleed);
        for (int index = 0; index < pageCount; ++index) {
            if (index > 0)
                writer.newPage();
            const PressPage page = pageAt(index);
            painter.save();
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setClipRect(bleed);
            DrawCardUpright(painter, cell, *page.Side, page.Record, geometry.bleed);
            painter.restore();
        }
        painter.end();
    }
    return drawn;
}

} // namespace

QString WritePressPdf(const QString &path, int pageCount, const std::function<PressPage(int page)> &pageAt,
                      const TCardDef &cardDef, const PressPdfOptions &options, const QString &title)
{
    const CmykProfile profile = CmykProfile::Load(options.ProfilePath);
    const PressGeometry geometry = geometryOf(cardDef, options.BleedTenthMm);
    const QRect &card = geometry.card;
    const QRect bleed = card.adjusted(-geometry.bleed, -geometry.bleed, geometry.bleed, geometry.bleed);
    PdfxPages boxes{.Trim = inPoints(card, geometry.pagePoints),
                    .Bleed = inPoints(bleed, geometry.pagePoints),
                    .Marks = {},
                    .Title = title};
    boxes.Marks = CropMarks(boxes.Trim, geometry.bleed * kPointsPerPixel);
    const QByteArray pdf =
        MakePdfx(drawPages(pageCount, pageAt, geometry, title), profile, options.Level, boxes);
    OutputFile file(path);
    if (!file.Open() || !file.Write(pdf) || !file.Commit())
        throw VkError(QCoreApplication::translate("PressPdf", "ファイル %1 を作成できません: %2")
                          .arg(path, file.ErrorString()));
    return profile.Name();
}
