#include "ui/app/PrintCommandWiring.h"

#include "ui/app/MergeCommandWiring.h"
#include "ui/app/TfrmMain.h"
#include "ui/print/PrintCommands.h"
#include "ui/print/TQdPrintDialog.h"
#include "ui/print/TQdPrinterSetupDialog.h"

#include <QAction>

namespace {

PrintCommandContext printContext(TfrmMain &frmMain, TQdPrintDialog &printDialog,
                                 TQdPrinterSetupDialog &printerSetupDialog, SheetRun &run)
{
    MainSettings &settings = frmMain.Settings();
    return {.Printer = frmMain.Printer(),
            .PrintDialog = printDialog,
            .PrinterSetupDialog = printerSetupDialog,
            .Surface = frmMain.Document().Side(CardSide::Front),
            .Back = &frmMain.Document().Side(CardSide::Back),
            .CardDef = frmMain.CardDef(),
            .SetCardDef = [&frmMain](const TCardDef &cardDef) { frmMain.SetCardDef(cardDef); },
            .CardIndex = settings.CardIndex,
            .GuessMark = settings.GuessMark,
            .Run = run,
            .Adjustments = settings.PrintAdjustments,
            .ReadAdjustments = [&frmMain] { frmMain.ReadPrintAdjustments(); },
            .SaveAdjustments = [&frmMain] { frmMain.SavePrintAdjustments(); },
            .Caption = frmMain.windowTitle(),
            .SetModified = [&frmMain] { frmMain.SetModified(true); },
            .KeepObjectsOnCard = [&frmMain] { frmMain.KeepObjectsOnCard(); },
            .LayoutCardSurface = [&frmMain] { frmMain.LayoutCardSurface(); },
            .DialogParent = &frmMain};
}

} // namespace

void ConnectPrintCommands(TfrmMain &frmMain)
{
    auto *printDialog = new TQdPrintDialog(frmMain.Printer(), &frmMain);
    auto *printerSetupDialog = new TQdPrinterSetupDialog(frmMain.Printer(), &frmMain);
    // What the user chose to print lasts for the session, not in the settings.
    const auto run = std::make_shared<SheetRun>();
    const auto context = [&frmMain, printDialog, printerSetupDialog, run] {
        return printContext(frmMain, *printDialog, *printerSetupDialog, *run);
    };
    frmMain.OnExecute(frmMain.Action("acPrint"), [context, &frmMain] {
        if (!RunOpenMergeInstead(frmMain, "acMergePrint"))
            PrintCard(context());
    });
    frmMain.OnExecute(frmMain.Action("acPrintSetup"), [context] { PaperSetup(context()); });
    frmMain.OnExecute(frmMain.Action("mnuPrinterSetup"), [context] { PrinterSetup(context()); });
    frmMain.OnExecute(frmMain.Action("acPrintAdjust"),
                      [context, &frmMain] { AdjustPrintPosition(context(), &frmMain); });
}
