#include "model/platform/BackSideSettings.h"

#include "model/platform/IniFile.h"

#include <algorithm>

namespace {

const QString kSection = QStringLiteral("BackSide");
// A correction of more than 10 cm is no correction: a value beyond is held to it.
constexpr int kMaxOffsetTenthMm = 1000;

int offset(const IniFile &ini, const QString &key)
{
    return std::clamp(ini.ReadInteger(kSection, key, 0), -kMaxOffsetTenthMm, kMaxOffsetTenthMm);
}

} // namespace

void BackSideSettings::Load(const IniFile &ini)
{
    Placement.Turn = ini.ReadInteger(kSection, QStringLiteral("Turn"), 0) == 1 ? SheetTurn::ShortEdge
                                                                               : SheetTurn::LongEdge;
    Placement.OffsetXTenthMm = offset(ini, QStringLiteral("OffsetX"));
    Placement.OffsetYTenthMm = offset(ini, QStringLiteral("OffsetY"));
    ManualFeed = ini.ReadBool(kSection, QStringLiteral("ManualFeed"), false);
}

bool BackSideSettings::Save(IniFile &ini) const
{
    bool ok = ini.WriteInteger(kSection, QStringLiteral("Turn"), int(Placement.Turn));
    ok &= ini.WriteInteger(kSection, QStringLiteral("OffsetX"), Placement.OffsetXTenthMm);
    ok &= ini.WriteInteger(kSection, QStringLiteral("OffsetY"), Placement.OffsetYTenthMm);
    ok &= ini.WriteBool(kSection, QStringLiteral("ManualFeed"), ManualFeed);
    return ok;
}
