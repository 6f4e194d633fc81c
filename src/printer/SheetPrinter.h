#pragma once

#include "model/sheet/CardSheetDrawing.h"
#include "model/sheet/SheetRun.h"

#include <QString>

class TQdPrinter;

// The current printer's sheet as its driver gives it, with the printer's correction.
PrinterPage CurrentPrinterPage(TQdPrinter &printer);

// Prints the sheets of run on the current printer as one job named title, the card in every cell
// the run fills and the others empty. The job is ended whatever happens; errors of the printer
// reach the caller. A sheet DrawCardSheet refuses starts no job.
void PrintCardSheet(TQdPrinter &printer, const QString &title, const TVkVellumPanel &card,
                    const TCardDef &cardDef, int guessMark, const SheetRun &run = {});

// Prints the test sheet of the print position adjustment for cardDef on the current printer as a
// job named title, corrected by adjustment rather than the printer's stored correction.
void PrintCalibrationSheet(TQdPrinter &printer, const QString &title, const TCardDef &cardDef,
                           const PrintAdjustment &adjustment);
