#pragma once

#include <cstdint>

// One kind of card sheet. The record is also the first 289 bytes of every card document, so its
// layout is a file format: packed, little-endian, lengths in tenths of a millimetre.
#pragma pack(push, 1)
struct TCardDef {
    char Name[256];          // CP932; ends at the first zero byte or fills all 256 bytes
    std::int32_t CardSizeX;  // card width
    std::int32_t CardSizeY;  // card height
    std::int32_t Columns;    // cards across the sheet
    std::int32_t Lines;      // rows of cards down the sheet
    std::int32_t LeftMargin; // paper's left edge to the first column
    std::int32_t TopMargin;  // paper's top edge to the first row
    std::int32_t ColumnSpace;
    std::int32_t LineSpace;
    std::uint8_t System; // 1: shipped with the program (cannot be deleted or renamed)
};
#pragma pack(pop)

static_assert(sizeof(TCardDef) == 289, "TCardDef is the 289-byte header of every card document");
