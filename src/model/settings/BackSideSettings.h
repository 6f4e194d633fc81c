#pragma once

#include "model/sheet/BackSideSheet.h"

#include <QString>
#include <vector>

class IniFile;

// How the back side of a card was printed last, as VELLUMAX.INI keeps it in a section of its own:
// the turn, the back's offsets, and whether the printer prints both sides itself or the user feeds
// the printed fronts in again. Each printer feeds the back its own way, so the offsets measured on
// one are kept under its name in [BackSideOffset] ("X,Y" in millimetres); the offsets of
// [BackSide] serve a printer without its own. A file without the section reads as a turn about the
// long edge, no offsets, on a printer that prints both sides.
struct BackSideSettings {
    struct PrinterOffsets {
        QString PrinterName;
        int OffsetXTenthMm = 0;
        int OffsetYTenthMm = 0;
    };

    BackSidePlacement Placement;
    bool ManualFeed = false;
    std::vector<PrinterOffsets> OffsetsByPrinter{};

    // The turn with the offsets of that printer (names compare without regard to case, as the print
    // system compares them), or those of Placement when it has none of its own.
    BackSidePlacement PlacementOn(const QString &printerName) const;
    // Keeps the turn for every printer and the offsets for that printer alone.
    void SetPlacementOn(const QString &printerName, const BackSidePlacement &placement);

    void Load(const IniFile &ini);
    // Returns false when the file could not be written.
    bool Save(IniFile &ini) const;
};
