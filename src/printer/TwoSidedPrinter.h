#pragma once

#include "model/sheet/BackSideSheet.h"
#include "model/sheet/SheetRun.h"

#include <QString>
#include <functional>

class TQdPrinter;

// How the back of the sheet reaches the printer: the printer turns the sheet over itself, or the
// user feeds the printed fronts in again.
enum class BackSideFeed { Duplex, Manual };

// Prints the sheets of run on both sides on the current printer, the back card behind every front
// cell the run fills, for the placement's turn. Duplex: one job, each sheet's front followed by its
// back, in the printer's two-sided mode for that turn, copies kept together a sheet at a time.
// Manual: the fronts as one job, then turnOver is asked (after the fronts have gone to the printer;
// false cancels the backs) and the backs follow, sheet by sheet in the fronts' order, as a
// second job named after title with " (裏面)". Errors of the printer reach the caller; a sheet DrawCardSheet
// refuses starts no job.
void PrintTwoSidedCardSheet(TQdPrinter &printer, const QString &title, const TVkVellumPanel &front,
                            const TVkVellumPanel &back, const TCardDef &cardDef, int guessMark,
                            const BackSidePlacement &placement, BackSideFeed feed,
                            const std::function<bool()> &turnOver = {}, const SheetRun &run = {});
