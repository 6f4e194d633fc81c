#pragma once

#include "model/sheet/LibrarySheet.h"

#include <QString>
#include <vector>

// What one file of card sheets gave: its sound sheets, how many it held that are not rectangular
// cards (round or shaped labels, left out as the program cannot print them) or are damaged, and,
// when the whole file was refused, why.
struct SheetReadResult {
    std::vector<LibrarySheet> Sheets;
    int LeftOut = 0;
    int Broken = 0;
    QString Failure;
};

// Far beyond any maker's range, so that a hostile file cannot fill the memory with sheets.
inline constexpr int kMostSheetsInFile = 10000;

inline SheetReadResult RefusedSheetFile(const QString &why)
{
    SheetReadResult refusal;
    refusal.Failure = why;
    return refusal;
}
