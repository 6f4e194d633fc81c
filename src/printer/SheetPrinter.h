#pragma once

#include "model/sheet/CardSheetDrawing.h"

#include <QString>

class TQdPrinter;

// The current printer's sheet as its driver gives it.
PrinterPage CurrentPrinterPage(TQdPrinter &printer);

// Prints one sheet on the current printer as a job named title. The job is ended whatever happens;
// errors of the printer reach the caller. A sheet DrawCardSheet refuses starts no job.
void PrintCardSheet(TQdPrinter &printer, const QString &title, const TVkVellumPanel &card,
                    const TCardDef &cardDef, int guessMark);
