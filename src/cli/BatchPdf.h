#pragma once

class BatchCard;
class BatchOptions;

// --pdf: the sheets of the card's card sheet, or of the one --sheet names, from the start cell, with
// the crop marks chosen, as a PDF file; moved only when --offset asks. A card with a back side gives
// each sheet's back as the page after it, for a printer that prints both sides, unless --back none
// leaves it out. With --press, the card a page for a print shop instead.
void WriteBatchPdf(BatchCard &card, const BatchOptions &options);
