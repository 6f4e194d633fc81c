#include "model/settings/BackSideSettings.h"

#include "model/platform/IniFile.h"
#include "model/settings/PrinterSettingsKey.h"
#include "model/sheet/PrintAdjustment.h"

#include <algorithm>

namespace {

const QString kSection = QStringLiteral("BackSide");
const QString kPrinterSection = QStringLiteral("BackSideOffset");
// A correction of more than 10 cm is no correction: a value beyond is held to it.
constexpr int kMaxOffsetTenthMm = 1000;

int offset(const IniFile &ini, const QString &key)
{
    return std::clamp(ini.ReadInteger(kSection, key, 0), -kMaxOffsetTenthMm, kMaxOffsetTenthMm);
}

QString millimetres(int tenthMm)
{
    return QString::number(tenthMm / 10.0, 'f', 1);
}

} // namespace

BackSidePlacement BackSideSettings::PlacementOn(const QString &printerName) const
{
    for (const PrinterOffsets &offsets : OffsetsByPrinter) {
        if (offsets.PrinterName.compare(printerName, Qt::CaseInsensitive) == 0)
            return {Placement.Turn, offsets.OffsetXTenthMm, offsets.OffsetYTenthMm};
    }
    return Placement;
}

void BackSideSettings::SetPlacementOn(const QString &printerName, const BackSidePlacement &placement)
{
    Placement.Turn = placement.Turn;
    for (PrinterOffsets &offsets : OffsetsByPrinter) {
        if (offsets.PrinterName.compare(printerName, Qt::CaseInsensitive) == 0) {
            offsets.OffsetXTenthMm = placement.OffsetXTenthMm;
            offsets.OffsetYTenthMm = placement.OffsetYTenthMm;
            return;
        }
    }
    OffsetsByPrinter.push_back({printerName, placement.OffsetXTenthMm, placement.OffsetYTenthMm});
}

void BackSideSettings::Load(const IniFile &ini)
{
    Placement.Turn = ini.ReadInteger(kSection, QStringLiteral("Turn"), 0) == 1 ? SheetTurn::ShortEdge
                                                                               : SheetTurn::LongEdge;
    Placement.OffsetXTenthMm = offset(ini, QStringLiteral("OffsetX"));
    Placement.OffsetYTenthMm = offset(ini, QStringLiteral("OffsetY"));
    ManualFeed = ini.ReadBool(kSection, QStringLiteral("ManualFeed"), false);
    OffsetsByPrinter.clear();
    for (const QString &key : ini.ReadSection(kPrinterSection)) {
        // Millimetres as the front's correction writes them, without its scale.
        const std::optional<PrintAdjustment> read =
            ParsePrintAdjustment(ini.ReadString(kPrinterSection, key, {}));
        if (read && read->ScaleHundredthPercent == PrintAdjustment().ScaleHundredthPercent)
            SetPlacementOn(PrinterNameOfSettingsKey(key),
                           {Placement.Turn, read->OffsetXTenthMm, read->OffsetYTenthMm});
    }
}

bool BackSideSettings::Save(IniFile &ini) const
{
    bool ok = ini.WriteInteger(kSection, QStringLiteral("Turn"), int(Placement.Turn));
    ok &= ini.WriteInteger(kSection, QStringLiteral("OffsetX"), Placement.OffsetXTenthMm);
    ok &= ini.WriteInteger(kSection, QStringLiteral("OffsetY"), Placement.OffsetYTenthMm);
    ok &= ini.WriteBool(kSection, QStringLiteral("ManualFeed"), ManualFeed);
    for (const PrinterOffsets &offsets : OffsetsByPrinter)
        ok &=
            ini.WriteString(kPrinterSection, PrinterSettingsKey(offsets.PrinterName),
                            millimetres(offsets.OffsetXTenthMm) + u',' + millimetres(offsets.OffsetYTenthMm));
    return ok;
}
