#pragma once

#include <cstdint>

// How much one print of a card puts on paper: a number of whole sheets, or a number of cards. The
// first sheet fills from the start cell, for a sheet of which some cards are already used; the
// cells before it stay empty.
struct SheetRun {
    enum class Unit { Sheets, Cards };

    std::int64_t StartCell = 0; // from 0, row by row and left to right
    Unit CountUnit = Unit::Sheets;
    int Count = 1;

    bool operator==(const SheetRun &) const = default;
};
