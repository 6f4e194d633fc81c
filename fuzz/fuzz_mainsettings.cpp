#include "FuzzSupport.h"
#include "model/platform/IniFile.h"
#include "model/settings/BackSideSettings.h"
#include "model/settings/MainSettings.h"

#include <cstdlib>

// The main window's settings come from a file anybody may have edited: every key must read as a
// value the window can use.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const IniFile ini(WriteFuzzFile(data, size, QStringLiteral("VELLUMAX.INI")));
    MainSettings settings;
    settings.Load(ini, QRect(20, 20, 430, 500));
    if (settings.Position.width() <= 0 || settings.Position.height() <= 0)
        std::abort();
    if (settings.UndoCount < 0 || settings.UndoCount > MainSettings::MaxUndoCount)
        std::abort();
    if (settings.GridStyle != 0 && settings.GridStyle != 1)
        std::abort();
    BackSideSettings backSide;
    backSide.Load(ini);
    const SheetTurn turn = backSide.Placement.Turn;
    if ((turn != SheetTurn::LongEdge && turn != SheetTurn::ShortEdge) ||
        std::abs(backSide.Placement.OffsetXTenthMm) > 1000 ||
        std::abs(backSide.Placement.OffsetYTenthMm) > 1000)
        std::abort();
    return 0;
}
