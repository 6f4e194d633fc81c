// The main window's picture of the card, the export command and the about box. The command bodies
// live in src/commands and the drawing in src/print.
#include "model/card/TVkVellumPanel.h"
#include "model/sheet/CardRenderer.h"
#include "ui/app/DocumentCommands.h"
#include "ui/app/TfrmMain.h"
#include "ui/commands/ExportCommand.h"
#include "ui/commands/TfrmVersion.h"

#include <QAction>
#include <QImage>
#include <memory>

void TfrmMain::RenderCardToBitmap(QImage &bitmap, int width, int height) const
{
    ::RenderCardToBitmap(Panel(), CardDef(), bitmap, width, height);
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
    // At the surface's own size the scale is exactly 1.
    context.RenderCard = [this] {
        QImage bitmap;
        RenderCardToBitmap(bitmap, Panel().Width(), Panel().Height());
        return bitmap;
    };
    context.RenderCardAtDpi = [this](int dpi) { return ::RenderCardAtDpi(Panel(), CardDef(), dpi); };
    auto exporter = std::make_shared<ExportCommand>(std::move(context));
    OnExecute(Action("acSaveAsBitmap"), [exporter] { exporter->SaveAsBitmap(); });
    OnExecute(Action("acVersion"), [this] {
        TfrmVersion box(this);
        box.exec();
    });
}
