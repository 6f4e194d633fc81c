#pragma once

#include "model/sheet/BackSideSheet.h"

class BatchCard;
class QString;
class TQdPrinter;
class BatchOptions;

// --print: the sheets of the card's card sheet, or of the one --sheet names, from the start cell, printed by
// the print command's own path on the default printer or the one named, as many copies as asked. A card
// with a back side is printed on both sides by the printer, with the back's offsets the window keeps,
// unless --back none. Throws VkError naming the printer when no printer of that name is installed.
void PrintBatchCard(BatchCard &card, const BatchOptions &options);

// Makes the installed printer of that name the current one; throws VkError naming it when no
// printer has that name.
void SelectBatchPrinter(TQdPrinter &printer, const QString &name);

// Makes the printer --printer names, or the default one, current with the copies asked and with
// the printer's correction from the settings, or the one --offset gives; throws VkError when there
// is no such printer or none at all.
void PrepareBatchPrinter(TQdPrinter &printer, const BatchCard &card, const BatchOptions &options);

// Throws VkError when the start cell --start asks for is not on the card's sheet.
void CheckBatchStartCell(const BatchCard &card, const BatchOptions &options);

// Throws VkError naming the printer when it cannot print both sides of a sheet turned that way,
// rather than printing the backs on sheets of their own.
void CheckBatchTwoSided(TQdPrinter &printer, SheetTurn turn);
