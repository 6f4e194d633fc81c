#include "model/output/PressPreflight.h"

#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/document/TCardDef.h"
#include "model/merge/MergeRecord.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

// How far the object reaches past each edge of the card, in tenths of a millimetre: left, top,
// right, bottom; negative while it stays inside.
std::array<double, 4> reachPastEdges(const QRect &rect, const TVkVellumPanel &side, double tenthMmPerPixel)
{
    return {-rect.left() * tenthMmPerPixel, -rect.top() * tenthMmPerPixel,
            (rect.left() + rect.width() - side.Width()) * tenthMmPerPixel,
            (rect.top() + rect.height() - side.Height()) * tenthMmPerPixel};
}

QString lowResolution(int dpi)
{
    return QCoreApplication::translate("PressPreflight", "画像の解像度が %1 dpi です (%2 dpi 以上が必要です)")
        .arg(dpi)
        .arg(PressPreflight::kLeastDpi);
}

QString objectName(const TVkDragLabel &object)
{
    if (object.IsText())
        return QCoreApplication::translate("PressPreflight", "テキスト「%1」")
            .arg(object.Caption().join(u' ').left(20));
    if (object.IsQrCode())
        return QCoreApplication::translate("PressPreflight", "QR コード");
    if (object.IsPicture())
        return QCoreApplication::translate("PressPreflight", "画像");
    return QCoreApplication::translate("PressPreflight", "図形");
}

} // namespace

PressPreflight::PressPreflight(const TCardDef &cardDef, int bleedTenthMm, const MergeTable *table)
    : cardDef_(cardDef), bleedTenthMm_(bleedTenthMm), table_(table)
{
}

std::vector<PreflightFinding> PressPreflight::Check(const TVkVellumPanel &side, bool back) const
{
    std::vector<PreflightFinding> findings;
    if (side.Width() <= 0 || cardDef_.CardSizeX <= 0)
        return findings;
    const double tenthMmPerPixel = double(cardDef_.CardSizeX) / side.Width();
    const auto add = [&](int object, const QString &problem) { findings.push_back({back, object, problem}); };
    // The background picture is enlarged to cover the bleed too.
    if (!side.Bitmap().isNull() && side.SvgData().isEmpty()) {
        const double inches = double(cardDef_.CardSizeX + 2 * bleedTenthMm_) / 254;
        const int dpi = int(std::lround(side.Bitmap().width() / inches));
        if (dpi < kLeastDpi)
            add(-1, lowResolution(dpi));
    }
    for (int index = 0; index < side.ObjectCount(); ++index) {
        const TVkDragLabel &object = side.Object(index);
        if (!object.Visible())
            continue;
        const std::array<double, 4> reach = reachPastEdges(object.ShownRect(nullptr), side, tenthMmPerPixel);
        const bool shortOfBleed =
            std::any_of(reach.begin(), reach.end(), [this](double r) { return r >= 0 && r < bleedTenthMm_; });
        const bool nearEdge = std::any_of(reach.begin(), reach.end(), [](double r) {
            return r < 0 && r > -PressPreflight::kSafetyTenthMm;
        });
        if (shortOfBleed)
            add(index,
                QCoreApplication::translate("PressPreflight",
                                            "仕上がり線を越えていますが、塗り足し (%1 mm) まで届いていません")
                    .arg(bleedTenthMm_ / 10.0));
        else if (nearEdge && (object.IsText() || object.IsPicture()))
            add(index, QCoreApplication::translate("PressPreflight", "仕上がり線から %1 mm 以内にあります")
                           .arg(kSafetyTenthMm / 10));
        if (object.IsPicture() && !object.IsQrCode() && !object.IsVectorPicture() && object.Width() > 0) {
            const double inches = object.Width() * tenthMmPerPixel / 254;
            const int dpi = int(std::lround(object.Bitmap().width() / inches));
            if (dpi < kLeastDpi)
                add(index, lowResolution(dpi));
        }
        if (object.IsShape() && object.PenWidth() * tenthMmPerPixel * 10 < kThinnestLineHundredthMm)
            add(index, QCoreApplication::translate("PressPreflight", "線の太さが 0.1 mm 未満です"));
        if (table_)
            for (const QString &column : MergeRecord::ObjectMissingColumns(object, *table_))
                add(index, QCoreApplication::translate("PressPreflight", "差し込みデータに列 %1 がありません")
                               .arg(column));
    }
    return findings;
}

QString PressPreflight::Describe(const PreflightFinding &finding, const TVkVellumPanel &side)
{
    const QString sideName = finding.Back ? QCoreApplication::translate("PressPreflight", "裏面")
                                          : QCoreApplication::translate("PressPreflight", "表面");
    const QString what = finding.Object < 0
                             ? QCoreApplication::translate("PressPreflight", "背景")
                             : QCoreApplication::translate("PressPreflight", "オブジェクト %1 (%2)")
                                   .arg(finding.Object + 1)
                                   .arg(objectName(side.Object(finding.Object)));
    return QStringLiteral("%1 %2: %3").arg(sideName, what, finding.Problem);
}
