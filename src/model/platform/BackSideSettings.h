#pragma once

#include "model/sheet/BackSideSheet.h"

class IniFile;

// How the back side of a card was printed last, as VELLUMAX.INI keeps it in a section of its own:
// the turn, the back's offsets, and whether the printer prints both sides itself or the user feeds
// the printed fronts in again. A file without the section reads as a turn about the long edge, no
// offsets, on a printer that prints both sides.
struct BackSideSettings {
    BackSidePlacement Placement;
    bool ManualFeed = false;

    void Load(const IniFile &ini);
    // Returns false when the file could not be written.
    bool Save(IniFile &ini) const;
};
