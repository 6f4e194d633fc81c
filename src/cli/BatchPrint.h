#pragma once

class BatchCard;
class QString;
class TQdPrinter;
class BatchOptions;

// --print: the card's sheet, or the one --sheet names, printed by the print command's own path on
// the default printer or the one named, as many copies as asked. Throws VkError naming the printer
// when no printer of that name is installed.
void PrintBatchCard(BatchCard &card, const BatchOptions &options);

// Makes the installed printer of that name the current one; throws VkError naming it when no
// printer has that name.
void SelectBatchPrinter(TQdPrinter &printer, const QString &name);

// Makes the printer --printer names, or the default one, current with the copies asked; throws
// VkError when there is no such printer or none at all.
void PrepareBatchPrinter(TQdPrinter &printer, const BatchOptions &options);
