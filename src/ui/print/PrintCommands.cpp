#include "ui/print/PrintCommands.h"

#include "model/card/TVkVellumPanel.h"
#include "model/document/CardStream.h"
#include "printer/SheetPrinter.h"
#include "printer/TQdPrinter.h"
#include "ui/print/TQdPrintDialog.h"
#include "ui/print/TQdPrinterSetupDialog.h"
#include "ui/print/TfrmPaperSetup.h"
#include "ui/print/TfrmPrint.h"
#include "ui/print/TfrmPrintAdjust.h"
#include "ui/print/TwoSidedPrintCommand.h"

void PrintCard(const PrintCommandContext &context)
{
    context.Printer.CheckPrinterChanges();
    context.Printer.CheckNoPrinter();
    context.ReadAdjustments();
    TfrmPrint form(context.Printer, context.Surface, context.CardDef, context.GuessMark, context.Run, true,
                   context.DialogParent);
    form.OnAdjust = [&context, &form] { AdjustPrintPosition(context, &form); };
    if (context.Back && SideHasContent(*context.Back))
        form.SetBackSide(*context.Back, KeptBackSidePlacement(context.Printer.Printer()));
    if (form.exec() != QDialog::Accepted)
        return;
    context.Run = form.Run();
    if (!context.PrintDialog.Execute(context.DialogParent) ||
        !ConfirmSheetOnPaper(context.Printer, context.CardDef, context.DialogParent))
        return;
    if (context.Back && SideHasContent(*context.Back)) {
        PrintBothSides(context);
        return;
    }
    PrintCardSheet(context.Printer, context.Caption, context.Surface, context.CardDef, context.GuessMark,
                   context.Run);
    // The partly used sheet is used up now.
    context.Run.StartCell = 0;
}

void AdjustPrintPosition(const PrintCommandContext &context, QWidget *parent)
{
    context.Printer.CheckPrinterChanges();
    context.Printer.CheckNoPrinter();
    context.ReadAdjustments();
    TfrmPrintAdjust dialog(context.Printer, context.Adjustments, context.CardDef, context.Caption, parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    context.Adjustments = dialog.Adjustments();
    context.Printer.SetAdjustments(context.Adjustments);
    context.SaveAdjustments();
}

void PrinterSetup(const PrintCommandContext &context)
{
    context.PrinterSetupDialog.Execute(context.DialogParent);
}

void PaperSetup(const PrintCommandContext &context)
{
    context.Printer.CheckPrinterChanges();
    context.ReadAdjustments();
    TfrmPaperSetup dialog(context.Printer, context.PrinterSetupDialog, context.DialogParent);
    dialog.SelectCurrentDefinition(context.CardDef);
    dialog.SetGuessMark(context.GuessMark);
    const bool hasBack = context.Back && SideHasContent(*context.Back);
    dialog.SetPreviewCards(
        {.Card = &context.Surface,
         .GuessMark = context.GuessMark,
         .StartCell = context.Run.StartCell,
         .Back = hasBack ? context.Back : nullptr,
         .BackPlacement = hasBack ? KeptBackSidePlacement(context.Printer.Printer()) : BackSidePlacement()});
    if (dialog.exec() != QDialog::Accepted)
        return;
    context.Run.StartCell = dialog.StartCell();
    context.SetModified();
    const TCardDef &chosen = dialog.WorkingCopy();
    const bool resized =
        chosen.CardSizeX != context.CardDef.CardSizeX || chosen.CardSizeY != context.CardDef.CardSizeY;
    const bool turned = dialog.Orientation() != context.Surface.Orientation();
    context.SetCardDef(chosen);
    context.Surface.SetOrientation(dialog.Orientation());
    context.CardIndex = dialog.SelectedIndex();
    context.GuessMark = dialog.GuessMark();
    // Objects are measured against the card's old size, before the surface takes the new one.
    if (resized)
        context.KeepObjectsOnCard();
    context.LayoutCardSurface();
    // A card turned upright, or back across, is narrower or lower than before: what no longer lies
    // on it is brought back onto it.
    if (turned)
        context.KeepObjectsOnCard();
}
