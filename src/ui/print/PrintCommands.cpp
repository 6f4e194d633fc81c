#include "ui/print/PrintCommands.h"

#include "model/document/CardStream.h"
#include "printer/SheetPrinter.h"
#include "printer/TQdPrinter.h"
#include "ui/print/TQdPrintDialog.h"
#include "ui/print/TQdPrinterSetupDialog.h"
#include "ui/print/TfrmPaperSetup.h"
#include "ui/print/TwoSidedPrintCommand.h"

void PrintCard(const PrintCommandContext &context)
{
    if (!context.PrintDialog.Execute(context.DialogParent))
        return;
    if (context.Back && SideHasContent(*context.Back)) {
        PrintBothSides(context);
        return;
    }
    PrintCardSheet(context.Printer, context.Caption, context.Surface, context.CardDef, context.GuessMark);
}

void PrinterSetup(const PrintCommandContext &context)
{
    context.PrinterSetupDialog.Execute(context.DialogParent);
}

void PaperSetup(const PrintCommandContext &context)
{
    context.Printer.CheckPrinterChanges();
    TfrmPaperSetup dialog(context.Printer, context.PrinterSetupDialog, context.DialogParent);
    dialog.SelectCurrentDefinition(context.CardDef);
    dialog.SetGuessMark(context.GuessMark);
    if (dialog.exec() != QDialog::Accepted)
        return;
    context.SetModified();
    const TCardDef &chosen = dialog.WorkingCopy();
    const bool resized =
        chosen.CardSizeX != context.CardDef.CardSizeX || chosen.CardSizeY != context.CardDef.CardSizeY;
    context.SetCardDef(chosen);
    context.CardIndex = dialog.SelectedIndex();
    context.GuessMark = dialog.GuessMark();
    // Objects are measured against the card's old size, before the surface takes the new one.
    if (resized)
        context.KeepObjectsOnCard();
    context.LayoutCardSurface();
}
