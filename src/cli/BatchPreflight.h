#pragma once

class BatchCard;
class BatchOptions;

// --preflight: a line on standard output for each thing a print shop would refuse or print badly,
// naming the side, the object and the problem; fields are compared with the table of --merge.
// Answers the exit status: 0 with nothing found, 2 with findings.
int RunBatchPreflight(const BatchCard &card, const BatchOptions &options);
