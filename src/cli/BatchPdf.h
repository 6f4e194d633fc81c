#pragma once

class BatchCard;
class BatchOptions;

// --pdf: the sheets of the card's card sheet, or of the one --sheet names, from the start cell, with
// the crop marks chosen, as a PDF file; moved only when --offset asks.
void WriteBatchPdf(BatchCard &card, const BatchOptions &options);
