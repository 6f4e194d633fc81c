#include "ui/print/TwoSidedPrintCommand.h"

#include "model/platform/IniFile.h"
#include "model/platform/ProgramFolder.h"
#include "printer/DuplexForOneJob.h"
#include "printer/SheetPrinter.h"
#include "printer/TQdPrinter.h"
#include "printer/TwoSidedPrinter.h"
#include "ui/platform/MessageBox.h"
#include "ui/print/PrintCommands.h"
#include "ui/print/TfrmBackSidePrint.h"

#include <QCoreApplication>
#include <QPrinter>

namespace {

const QString kSettingsFileName = QStringLiteral("VELLUMAX.INI");

QString turnOverText(SheetTurn turn)
{
    return QCoreApplication::translate(
               "TwoSidedPrintCommand",
               "表面を印刷しました。\n印刷した用紙を%1を軸に裏返して差し直し、OK を押すと裏面を印刷します。")
        .arg(turn == SheetTurn::LongEdge ? QCoreApplication::translate("TwoSidedPrintCommand", "長辺")
                                         : QCoreApplication::translate("TwoSidedPrintCommand", "短辺"));
}

} // namespace

BackSidePrintAnswer AskBackSidePrint(QWidget *parent, const QPrinter &printer, bool manualFeedOffered)
{
    TfrmBackSidePrint dialog(parent);
    BackSideSettings kept;
    kept.Load(IniFile(ProgramFile(kSettingsFileName)));
    const QString printerName = printer.printerName();
    const BackSideSettings onPrinter{.Placement = kept.PlacementOn(printerName),
                                     .ManualFeed = kept.ManualFeed};
    dialog.OfferManualFeed(manualFeedOffered);
    dialog.SetDuplexAvailable(PrintsBothSides(printer, SheetTurn::LongEdge) ||
                              PrintsBothSides(printer, SheetTurn::ShortEdge));
    dialog.SetChoice(onPrinter);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    if (dialog.FrontOnly())
        return {.Cancelled = false, .FrontOnly = true, .Settings = onPrinter};
    const BackSideSettings choice = dialog.Choice();
    kept.ManualFeed = choice.ManualFeed;
    kept.SetPlacementOn(printerName, choice.Placement);
    IniFile ini(ProgramFile(kSettingsFileName));
    kept.Save(ini);
    return {.Cancelled = false, .FrontOnly = false, .Settings = choice};
}

BackSidePlacement KeptBackSidePlacement(const QPrinter &printer)
{
    BackSideSettings kept;
    kept.Load(IniFile(ProgramFile(kSettingsFileName)));
    return kept.PlacementOn(printer.printerName());
}

void PrintBothSides(const PrintCommandContext &context)
{
    const BackSidePrintAnswer answer = AskBackSidePrint(context.DialogParent, context.Printer.Printer());
    if (answer.Cancelled)
        return;
    if (answer.FrontOnly) {
        PrintCardSheet(context.Printer, context.Caption, context.Surface, context.CardDef, context.GuessMark,
                       context.Run);
        return;
    }
    const BackSideSettings &settings = answer.Settings;
    PrintTwoSidedCardSheet(
        context.Printer, context.Caption, context.Surface, *context.Back, context.CardDef, context.GuessMark,
        settings.Placement, settings.ManualFeed ? BackSideFeed::Manual : BackSideFeed::Duplex,
        [&] {
            return VkMessageBox(turnOverText(settings.Placement.Turn), MB_OKCANCEL | MB_ICONINFORMATION,
                                context.DialogParent) == IDOK;
        },
        context.Run);
}
