#include "ui/app/MergeCommandWiring.h"

#include "ui/app/TfrmMain.h"
#include "ui/card/CardSurfaceView.h"
#include "ui/merge/MergeBar.h"
#include "ui/merge/MergeCommands.h"
#include "ui/merge/TfrmMergeTableEditor.h"
#include "ui/platform/MessageBox.h"
#include "ui/print/TQdPrintDialog.h"

#include <QAction>
#include <QCoreApplication>

namespace {

MergeCommandContext mergeContext(TfrmMain &frmMain, MergeBar &bar, TQdPrintDialog &printDialog)
{
    return {.Bar = bar,
            .Surface = frmMain.Document().Side(CardSide::Front),
            .Back = &frmMain.Document().Side(CardSide::Back),
            .CardDef = frmMain.CardDef(),
            .GuessMark = frmMain.Settings().GuessMark,
            .Printer = frmMain.Printer(),
            .PrintDialog = printDialog,
            .Caption = frmMain.windowTitle(),
            .DialogParent = &frmMain};
}

} // namespace

void ConnectMergeCommands(TfrmMain &frmMain)
{
    auto *bar = new MergeBar(&frmMain);
    frmMain.addToolBarBreak(Qt::TopToolBarArea);
    frmMain.addToolBar(Qt::TopToolBarArea, bar);
    auto *printDialog = new TQdPrintDialog(frmMain.Printer(), &frmMain);
    const auto context = [&frmMain, bar, printDialog] { return mergeContext(frmMain, *bar, *printDialog); };

    const auto showRecord = [&frmMain, bar] {
        frmMain.SurfaceView().SetMergeRecord(bar->IsOpen() ? &bar->Table() : nullptr, bar->CurrentRecord());
    };
    bar->OnRecordChanged = showRecord;
    bar->OnClosed = showRecord;
    bar->OnEncodingChosen = [&frmMain, bar, showRecord](std::optional<TableEncoding> encoding) {
        RunGuarded([&] { bar->OpenTable(bar->TablePath(), encoding); }, &frmMain);
    };

    QAction *print = bar->AddCommand(QCoreApplication::translate("MergeCommandWiring", "印刷..."));
    print->setObjectName(QStringLiteral("acMergePrint"));
    print->setToolTip(
        QCoreApplication::translate("MergeCommandWiring", "選んだレコードを差し込んで印刷します"));
    frmMain.OnExecute(print, [&frmMain, context] {
        frmMain.ReadPrintAdjustments();
        PrintMerge(context());
    });
    QAction *pdf = bar->AddCommand(QStringLiteral("PDF..."));
    pdf->setObjectName(QStringLiteral("acMergePdf"));
    pdf->setToolTip(QCoreApplication::translate("MergeCommandWiring",
                                                "選んだレコードを差し込んで PDF ファイルに保存します"));
    frmMain.OnExecute(pdf, [context] { SaveMergePdf(context()); });

    QAction *edit =
        bar->AddTableCommand(QCoreApplication::translate("MergeCommandWiring", "差し込みデータの編集..."));
    edit->setObjectName(QStringLiteral("acMergeEditTable"));
    edit->setToolTip(
        QCoreApplication::translate("MergeCommandWiring", "差し込みデータを表で編集して保存します"));
    frmMain.OnExecute(edit, [&frmMain, bar] {
        TfrmMergeTableEditor editor(bar->TablePath(), bar->Table(), &frmMain);
        editor.OnShown = [bar](const MergeTable &table, int record) { bar->ShowEdited(table, record); };
        editor.exec();
        // The table as its file now holds it: saved, or as it was.
        bar->OpenTable(editor.SavedPath().isEmpty() ? bar->TablePath() : editor.SavedPath());
    });

    frmMain.OnExecute(frmMain.Action("acMailMerge"), [&frmMain, context] {
        const QString path = ChooseMergeTable(&frmMain, frmMain.Settings().MergeTable);
        if (path.isEmpty())
            return;
        OpenMergeTable(context(), path);
        frmMain.Settings().MergeTable = path;
    });
}

bool RunOpenMergeInstead(TfrmMain &frmMain, const char *mergeCommand)
{
    auto *bar = frmMain.findChild<MergeBar *>(QStringLiteral("tbMerge"));
    if (!bar || !bar->IsOpen())
        return false;
    bar->findChild<QAction *>(QString::fromLatin1(mergeCommand))->trigger();
    return true;
}
