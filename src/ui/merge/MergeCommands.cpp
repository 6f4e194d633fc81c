#include "ui/merge/MergeCommands.h"

#include "model/card/TVkVellumPanel.h"
#include "model/document/CardStream.h"
#include "model/merge/MergePdf.h"
#include "model/merge/MergeRecord.h"
#include "model/merge/MergeSheetDrawing.h"
#include "model/output/OutputLimits.h"
#include "model/output/SheetCells.h"
#include "model/platform/IniFile.h"
#include "model/platform/ProgramFolder.h"
#include "model/settings/MergeNumbering.h"
#include "printer/MergePrinter.h"
#include "printer/TQdPrinter.h"
#include "ui/merge/MergeBar.h"
#include "ui/platform/FileDialogSize.h"
#include "ui/platform/MessageBox.h"
#include "ui/print/TQdPrintDialog.h"
#include "ui/print/TfrmPrint.h"
#include "ui/print/TwoSidedPrintCommand.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QProgressDialog>
#include <algorithm>
#include <optional>

namespace {

bool hasBackSide(const MergeCommandContext &context)
{
    return context.Back && SideHasContent(*context.Back);
}

MergePlan planOf(const MergeCommandContext &context, std::int64_t startCell = 0)
{
    OutputJob job = context.Bar.Job();
    job.Run.StartCell = startCell;
    MergePlan plan =
        job.Plan(context.CardDef, context.Bar.Table(), context.Bar.PrintRecords().value_or(RecordRange()));
    plan.SetCardsBefore(MergeNumbering(context.Surface, job.ContinueNumbering).CardsBefore());
    return plan;
}

// Keeps the number the run's last card showed in its {{連番}} fields, for a later run to continue.
void keepNumbering(const MergeCommandContext &context, const MergePlan &plan)
{
    if (!MergeNumbering(context.Surface, context.Bar.Job().ContinueNumbering).Keep(plan.CardCount()))
        VkMessageBox(QCoreApplication::translate("MergeCommands", "連番を設定ファイルに保存できません。"),
                     MB_OK | MB_ICONEXCLAMATION, context.DialogParent);
}

// The cell a merge saved as a PDF file starts at (from 0), asked by number, so that a sheet of which
// some cards are used can be printed from the file later; -1 when cancelled.
std::int64_t askStartCell(const MergeCommandContext &context)
{
    const std::int64_t cells = CellsOnSheet(context.CardDef);
    if (cells <= 1)
        return 0;
    QInputDialog dialog(context.DialogParent);
    dialog.setObjectName(QStringLiteral("dlgMergePdfStart"));
    dialog.setWindowTitle(QCoreApplication::translate("MergeCommands", "PDF ファイルに保存"));
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setIntRange(1, int(std::min<std::int64_t>(cells, OutputLimits::kMostCards)));
    dialog.setIntValue(1);
    dialog.setLabelText(
        QCoreApplication::translate("MergeCommands", "印刷を始める位置 (1～%1 番目のカードから)：")
            .arg(dialog.intMaximum()));
    if (dialog.exec() != QDialog::Accepted)
        return -1;
    return dialog.intValue() - 1;
}

// A progress dialog for a long run of sheets, with a cancel button that ends the run.
class ProgressOfSheets {
public:
    ProgressOfSheets(QWidget *parent, int sheets)
        : dialog_(QCoreApplication::translate("MergeCommands", "差し込み印刷をしています..."),
                  QCoreApplication::translate("MergeCommands", "キャンセル"), 0, sheets, parent)
    {
        dialog_.setObjectName(QStringLiteral("dlgMergeProgress"));
        dialog_.setWindowTitle(kApplicationTitle);
        dialog_.setWindowModality(Qt::WindowModal);
        dialog_.setMinimumDuration(500);
    }
    std::function<bool(int)> Callback()
    {
        return [this](int sheet) {
            dialog_.setValue(sheet);
            QApplication::processEvents();
            return !dialog_.wasCanceled();
        };
    }

private:
    QProgressDialog dialog_;
};

} // namespace

QString ChooseMergeTable(QWidget *parent, const QString &lastTable)
{
    QFileDialog dialog(parent, QCoreApplication::translate("MergeCommands", "差し込みデータを開く"));
    dialog.setObjectName(QStringLiteral("dlgOpenMergeTable"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QCoreApplication::translate(
        "MergeCommands", "差し込みデータ(*.csv *.tsv *.txt *.xlsx *.ods *.vcf);;すべてのファイル(*)"));
    dialog.setDirectory(lastTable.isEmpty() ? QDir::currentPath() : QFileInfo(lastTable).absolutePath());
    sizeFileDialogForReading(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

void OpenMergeTable(const MergeCommandContext &context, const QString &path)
{
    context.Bar.OpenTable(path);
    WarnAboutMissingColumns(context);
}

void WarnAboutMissingColumns(const MergeCommandContext &context)
{
    const QStringList missing = MergeRecord::MissingColumns(context.Surface, context.Bar.Table());
    if (missing.isEmpty())
        return;
    VkMessageBox(QCoreApplication::translate("MergeCommands", "差し込みデータに次の列がありません: %1\n"
                                                              "これらの項目は入力したとおりに印刷されます。")
                     .arg(missing.join(QCoreApplication::translate("MergeCommands", "、"))),
                 MB_OK | MB_ICONEXCLAMATION, context.DialogParent);
}

void SaveMergePdf(const MergeCommandContext &context)
{
    const MergeBar &bar = context.Bar;
    if (!bar.IsOpen() || !bar.PrintRecords())
        return;
    // A copies column the table cannot give is named before any dialog.
    planOf(context);
    const std::int64_t startCell = askStartCell(context);
    if (startCell < 0)
        return;
    QFileDialog dialog(context.DialogParent,
                       QCoreApplication::translate("MergeCommands", "PDF ファイルに保存"));
    dialog.setObjectName(QStringLiteral("dlgSaveMergePdf"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setNameFilter(QCoreApplication::translate("MergeCommands", "PDF ファイル(*.pdf)"));
    dialog.setDirectory(QFileInfo(bar.TablePath()).absolutePath());
    sizeFileDialogForReading(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const MergePlan plan = planOf(context, startCell);
    std::optional<MergeBackSide> back;
    if (hasBackSide(context)) {
        BackSideSettings settings;
        settings.Load(IniFile(ProgramFile(QStringLiteral("VELLUMAX.INI"))));
        back.emplace(MergeBackSide{*context.Back, bar.Job().PdfBackPlacement(settings.Placement)});
    }
    ProgressOfSheets progress(context.DialogParent, plan.SheetCount());
    if (WriteMergePdf(dialog.selectedFiles().first(), context.Surface, context.CardDef, context.GuessMark,
                      context.Caption, bar.Table(), plan, progress.Callback(), nullptr, {},
                      back ? &*back : nullptr))
        keepNumbering(context, plan);
}

void PrintMerge(const MergeCommandContext &context)
{
    const MergeBar &bar = context.Bar;
    if (!bar.IsOpen() || !bar.PrintRecords())
        return;
    planOf(context);
    context.Printer.CheckPrinterChanges();
    context.Printer.CheckNoPrinter();
    TfrmPrint form(context.Printer, context.Surface, context.CardDef, context.GuessMark, SheetRun(), false,
                   context.DialogParent);
    form.SetSheetDrawing([&context](QPainter &canvas, const PrinterPage &page, std::int64_t startCell) {
        DrawMergeSheet(canvas, page, context.Surface, context.CardDef, context.GuessMark, context.Bar.Table(),
                       planOf(context, startCell), 0);
    });
    if (hasBackSide(context)) {
        const BackSidePlacement placement = KeptBackSidePlacement(context.Printer.Printer());
        form.SetBackSide(
            *context.Back, placement,
            [&context, placement](QPainter &canvas, const PrinterPage &page, std::int64_t startCell) {
                DrawMergeBackSheet(canvas, page, {*context.Back, placement}, context.CardDef,
                                   context.GuessMark, context.Bar.Table(), planOf(context, startCell), 0);
            });
    }
    if (form.exec() != QDialog::Accepted || !context.PrintDialog.Execute(context.DialogParent) ||
        !ConfirmSheetOnPaper(context.Printer, context.CardDef, context.DialogParent))
        return;
    std::optional<MergeBackSide> back;
    if (hasBackSide(context)) {
        // Sheets that each differ are not fed in again by hand: one out of order spoils them all.
        const BackSidePrintAnswer answer =
            AskBackSidePrint(context.DialogParent, context.Printer.Printer(), false);
        if (answer.Cancelled)
            return;
        if (!answer.FrontOnly)
            back.emplace(MergeBackSide{*context.Back, answer.Settings.Placement});
    }
    const MergePlan plan = planOf(context, form.Run().StartCell);
    ProgressOfSheets progress(context.DialogParent, plan.SheetCount());
    if (PrintMergeSheets(context.Printer, context.Caption, context.Surface, context.CardDef,
                         context.GuessMark, bar.Table(), plan, progress.Callback(), nullptr,
                         back ? &*back : nullptr))
        keepNumbering(context, plan);
}
