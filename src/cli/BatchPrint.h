#pragma once

class BatchCard;
class BatchOptions;

// --print: the card's sheet, or the one --sheet names, printed by the print command's own path on
// the default printer or the one named, as many copies as asked. Throws VkError naming the printer
// when no printer of that name is installed.
void PrintBatchCard(BatchCard &card, const BatchOptions &options);
