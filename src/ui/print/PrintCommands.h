#pragma once

#include "model/sheet/TCardDef.h"

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
    QString Caption; // names the print job
    std::function<void()> SetModified;
    std::function<void()> KeepObjectsOnCard;
    std::function<void()> LayoutCardSurface;
    QWidget *DialogParent = nullptr;
};

// acPrint: after the print dialog, one sheet of the card in every cell of the current card sheet,
// on both sides when the card has a back side. Nothing of the card changes.
void PrintCard(const PrintCommandContext &context);
// acPrintSetup: the paper setup dialog; OK makes its working copy the card's sheet and marks the
// card modified, without an undo step.
void PaperSetup(const PrintCommandContext &context);
// The printer setup menu command: the printer setup dialog and nothing else.
void PrinterSetup(const PrintCommandContext &context);
