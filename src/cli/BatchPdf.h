#pragma once

class BatchCard;
class BatchOptions;

// --pdf: the card's sheet, or the one --sheet names, with the crop marks chosen, as a PDF file.
void WriteBatchPdf(BatchCard &card, const BatchOptions &options);
