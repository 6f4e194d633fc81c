#pragma once

#include "model/document/TCardDef.h"
#include "model/settings/PrinterAdjustments.h"
#include "model/sheet/SheetRun.h"

#include <QString>
#include <functional>

class QWidget;
class TQdPrintDialog;
class TQdPrinter;
class TQdPrinterSetupDialog;
class TVkVellumPanel;

// What the print, printer setup and paper setup commands use of the main window.
struct PrintCommandContext {
    TQdPrinter &Printer;
    TQdPrintDialog &PrintDialog;
    TQdPrinterSetupDialog &PrinterSetupDialog;
    TVkVellumPanel &Surface; // the card's front
    const TVkVellumPanel *Back = nullptr;
    const TCardDef &CardDef;
    std::function<void(const TCardDef &)> SetCardDef;
    int &CardIndex;
    int &GuessMark;
    SheetRun &Run;                   // the start cell and count the print dialog offers
    PrinterAdjustments &Adjustments; // each printer's correction, as the settings keep it
    // Reads the corrections from the settings file again, where another window may have changed them.
    std::function<void()> ReadAdjustments;
    std::function<void()> SaveAdjustments;
    QString Caption; // names the print job
    std::function<void()> SetModified;
    std::function<void()> KeepObjectsOnCard;
    std::function<void()> LayoutCardSurface;
    QWidget *DialogParent = nullptr;
};

// acPrint: with each printer's correction read again, the sheet's preview with the start cell and the number
// of sheets or cards, then the print dialog, then the card in every cell chosen, on both sides when the card
// has a back side. A sheet that runs off the paper prints only when the user confirms it. The start cell goes
// back to the first after printing; nothing of the card changes.
void PrintCard(const PrintCommandContext &context);
// acPrintAdjust: the print position adjustment, from the corrections the settings file holds; OK keeps each
// printer's correction in the settings file at once and makes the printer follow it.
void AdjustPrintPosition(const PrintCommandContext &context, QWidget *parent);
// acPrintSetup: the paper setup dialog; OK makes its working copy the card's sheet, its orientation the
// card's and the start cell chosen in its preview the next print's, and marks the card modified,
// without an undo step.
void PaperSetup(const PrintCommandContext &context);
// The printer setup menu command: the printer setup dialog and nothing else.
void PrinterSetup(const PrintCommandContext &context);
