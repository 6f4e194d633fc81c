// The main window's picture of the card, the export command and the about box. The command bodies
// live in src/commands and the drawing in src/print.
#include "model/card/TVkVellumPanel.h"
#include "model/document/CardStream.h"
#include "model/output/OutputJob.h"
#include "model/output/PictureExport.h"
#include "model/sheet/BackSideSheet.h"
#include "model/sheet/CardRenderer.h"
#include "model/sheet/CardSheetPdf.h"
#include "printer/TQdPrinter.h"
#include "ui/app/DocumentCommands.h"
#include "ui/app/MergeCommandWiring.h"
#include "ui/app/TfrmMain.h"
#include "ui/card/CardSurfaceView.h"
#include "ui/export/ExportCommand.h"
#include "ui/help/TfrmVersion.h"
#include "ui/print/TwoSidedPrintCommand.h"

#include <QAction>
#include <QImage>
#include <functional>
#include <memory>
#include <optional>

void TfrmMain::RenderCardToBitmap(QImage &bitmap, int width, int height) const
{
    ::RenderCardToBitmap(Panel(), bitmap, width, height);
}

// The whole sheet with the paper setup's crop marks, a print shop's copy: no printer's correction,
// and the back on a second page, turned as it was last printed, when the card has one.
void TfrmMain::WriteSheetPdf(const QString &path)
{
    const QString title = DocumentName();
    const TVkVellumPanel &front = document_.Side(CardSide::Front);
    const TVkVellumPanel &back = document_.Side(CardSide::Back);
    const OutputJob job;
    if (job.PrintsBack(SideHasContent(back)))
        WriteTwoSidedCardSheetPdf(path, front, back, CardDef(), settings_.GuessMark,
                                  job.PdfBackPlacement(KeptBackSidePlacement(Printer().Printer())).Turn,
                                  title);
    else
        WriteCardSheetPdf(path, front, CardDef(), settings_.GuessMark, title);
}

void TfrmMain::connectExportCommands()
{
    ExportCommand::Context context;
    context.DialogParent = this;
    context.SaveDialog = &documents_->SaveDialog();
    context.PrepareSaveDialog = [this](const QString &title, const QString &filter) {
        documents_->PrepareSaveDialog(title, filter);
    };
    context.SaveDirectory = &settings_.SaveDirectory;
    // The card as the screen shows it: with the record bar's record in its fields while a table is
    // open.
    context.RenderCard = [this](const PictureExport &picture) {
        return picture.Render(Panel(), CardDef(), SurfaceView().ShownRecord());
    };
    context.WriteSheetPdf = [this](const QString &path) { WriteSheetPdf(path); };
    auto exporter = std::make_shared<ExportCommand>(std::move(context));
    OnExecute(Action("acSaveAsBitmap"), [exporter] { exporter->SaveAsBitmap(); });
    OnExecute(Action("acSaveAsPdf"), [this, exporter] {
        if (!RunOpenMergeInstead(*this, "acMergePdf"))
            exporter->SaveAsPdf();
    });
    OnExecute(Action("acVersion"), [this] {
        TfrmVersion box(this);
        box.exec();
    });
}
