#pragma once

class BatchCard;
class BatchOptions;

// --merge with --pdf, --print or --export: the card once per record of the table in the chosen
// range. PDF and print lay records out a sheet or a card per record; export writes one picture per
// record, numbered by record (OUT-0001.png ...). Fields naming no column of the table are reported
// on standard error and printed as typed; progress goes to standard error when it is a terminal.
// Throws VkError naming the table, the line or the file at fault, before anything is written.
void RunBatchMerge(BatchCard &card, const BatchOptions &options);
