#pragma once

#include "model/settings/BackSideSettings.h"

class QPrinter;
class QWidget;
struct PrintCommandContext;

// What the user answered when asked how a card's back is printed.
struct BackSidePrintAnswer {
    bool Cancelled = true;
    bool FrontOnly = false;
    BackSideSettings Settings;
};

// Asks how a card's back is printed on printer, starting from the choice kept in the settings file
// with that printer's offsets, and keeps the new choice there for the next time and for the command
// line, its offsets for that printer. Settings holds the choice as it applies to printer. Without
// manualFeedOffered the printer's two-sided mode is the only way to print the back; a printer that
// has none is not offered it.
BackSidePrintAnswer AskBackSidePrint(QWidget *parent, const QPrinter &printer, bool manualFeedOffered = true);

// Where the back lands on printer as the settings file keeps it, for showing it before printing.
BackSidePlacement KeptBackSidePlacement(const QPrinter &printer);

// The print command's part for a card with a back side, after the print dialog: asks how the back
// is printed, then prints both sides or the fronts alone. With hand feeding, the user is asked to
// turn the printed sheets over before the backs are printed, and may stop there. Cancelling the
// question prints nothing.
void PrintBothSides(const PrintCommandContext &context);
