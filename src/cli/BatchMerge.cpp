#include "cli/BatchMerge.h"

#include "cli/BatchCard.h"
#include "cli/BatchExport.h"
#include "cli/BatchOptions.h"
#include "cli/BatchPress.h"
#include "cli/BatchPrint.h"
#include "model/merge/MergePdf.h"
#include "model/merge/MergeRecord.h"
#include "model/merge/MergeTableReader.h"
#include "model/platform/VkError.h"
#include "model/settings/MergeNumbering.h"
#include "printer/MergePrinter.h"
#include "printer/TQdPrinter.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPrinter>
#include <cstdio>
#include <optional>
#include <unistd.h>

namespace {

RecordRange recordRange(const MergeTable &table, const BatchOptions &options)
{
    if (const std::optional<RecordRange> range = options.Job.Records(table.RecordCount()))
        return *range;
    throw VkError(QCoreApplication::translate("BatchMerge", "%1 にはレコード %2 がありません (%3 件)")
                      .arg(options.MergeTable)
                      .arg(options.Job.FirstRecord)
                      .arg(table.RecordCount()));
}

// A line of progress that rewrites itself, only where someone watches it.
std::function<bool(int)> progressOnTerminal(int total)
{
    if (!isatty(STDERR_FILENO))
        return {};
    return [total](int done) {
        std::fprintf(stderr, "\r%d / %d", done + 1, total);
        if (done + 1 == total)
            std::fputc('\n', stderr);
        return true;
    };
}

void reportMissing(const QStringList &missing)
{
    for (const QString &column : missing)
        std::fprintf(
            stderr, "vellumax: %s\n",
            qPrintable(QCoreApplication::translate("BatchMerge", "警告: 差し込みデータに列 %1 がありません")
                           .arg(column)));
}

// OUT.png -> OUT-0001.png, numbered by the record's place in the table.
QString numberedName(const QString &output, int record)
{
    const QFileInfo file(output);
    const QString stem = output.left(output.size() - file.fileName().size()) + file.completeBaseName();
    const QString suffix = file.suffix().isEmpty() ? QString() : u'.' + file.suffix();
    return QStringLiteral("%1-%2%3").arg(stem).arg(record + 1, 4, 10, QLatin1Char('0')).arg(suffix);
}

// Kept for the next run; a settings file that cannot be written costs the next run its count only.
void keepNumbering(MergeNumbering &numbering, std::int64_t cards)
{
    if (!numbering.Keep(cards))
        std::fprintf(stderr, "vellumax: %s\n",
                     qPrintable(QCoreApplication::translate("BatchMerge",
                                                            "警告: 連番を設定ファイルに保存できません")));
}

void exportRecords(BatchCard &card, const BatchOptions &options, const MergeTable &table, RecordRange range)
{
    const auto progress = progressOnTerminal(range.Count);
    const TVkVellumPanel &side = options.Picture.Back ? card.Back() : card.Surface();
    MergeNumbering numbering(side, options.Job.ContinueNumbering);
    MergeRecord shown(table, range.First);
    for (int record = range.First; record < range.First + range.Count; ++record) {
        shown.Show(record, numbering.CardsBefore() + record - range.First);
        BatchOptions one = options;
        one.OutputFile = numberedName(options.OutputFile, record);
        ExportBatchCard(card, one, &shown);
        if (progress)
            progress(record - range.First);
    }
    keepNumbering(numbering, range.Count);
    if (range.Count > 0)
        reportMissing(MergeRecord::MissingColumns(side, table));
}

// The card's back as --back and the window's last choice give it; none for a card printed on one
// side. The back's offsets are those kept for the printer; a PDF file (no printer) leaves them, as
// they correct a printer, to whoever prints it.
std::optional<MergeBackSide> backSide(BatchCard &card, const BatchOptions &options,
                                      const std::optional<QString> &printerName)
{
    const OutputJob &job = options.Job;
    if (!job.PrintsBack(card.HasBackSide()))
        return std::nullopt;
    return MergeBackSide{card.Back(),
                         printerName ? job.PrinterBackPlacement(card.BackSide().PlacementOn(*printerName))
                                     : job.PdfBackPlacement(card.BackSide().Placement)};
}

bool printRecords(BatchCard &card, const BatchOptions &options, const MergeTable &table,
                  const MergePlan &plan)
{
    TQdPrinter printer;
    PrepareBatchPrinter(printer, card, options);
    QStringList missing;
    const std::optional<MergeBackSide> back = backSide(card, options, printer.Printer().printerName());
    if (back)
        CheckBatchTwoSided(printer, back->Placement.Turn);
    const bool printed =
        PrintMergeSheets(printer, card.Title(), card.Surface(), card.CardDef(),
                         options.Marks.value_or(card.Settings().GuessMark), table, plan,
                         progressOnTerminal(plan.SheetCount()), &missing, back ? &*back : nullptr);
    reportMissing(missing);
    return printed;
}

// Each record's card, its front and back in turn, a page a side for a print shop.
void pressRecords(BatchCard &card, const BatchOptions &options, const MergeTable &table, RecordRange range)
{
    MergeNumbering numbering(card.Surface(), options.Job.ContinueNumbering);
    MergeRecord shown(table, range.First);
    const auto progress = progressOnTerminal(range.Count);
    WriteBatchPressPdf(
        card, options, range.Count,
        [&](int index) {
            shown.Show(range.First + index, numbering.CardsBefore() + index);
            if (progress)
                progress(index);
        },
        &shown);
    keepNumbering(numbering, range.Count);
    reportMissing(MergeRecord::MissingColumns(card.Surface(), table));
}

} // namespace

void RunBatchMerge(BatchCard &card, const BatchOptions &options)
{
    const MergeTable table = MergeTableReader::ReadFile(options.MergeTable);
    const RecordRange range = recordRange(table, options);
    if (options.Command == BatchCommand::Export) {
        exportRecords(card, options, table, range);
        return;
    }
    if (options.Press) {
        pressRecords(card, options, table, range);
        return;
    }
    if (!options.SheetName.isEmpty())
        card.UseSheet(options.SheetName);
    CheckBatchStartCell(card, options);
    MergePlan plan = options.Job.Plan(card.CardDef(), table, range);
    MergeNumbering numbering(card.Surface(), options.Job.ContinueNumbering);
    plan.SetCardsBefore(numbering.CardsBefore());
    if (options.Command == BatchCommand::Print) {
        if (printRecords(card, options, table, plan))
            keepNumbering(numbering, plan.CardCount());
        return;
    }
    QStringList missing;
    const std::optional<MergeBackSide> back = backSide(card, options, std::nullopt);
    WriteMergePdf(options.OutputFile, card.Surface(), card.CardDef(),
                  options.Marks.value_or(card.Settings().GuessMark), card.Title(), table, plan,
                  progressOnTerminal(plan.SheetCount()), &missing, options.Job.PdfAdjustment(),
                  back ? &*back : nullptr);
    keepNumbering(numbering, plan.CardCount());
    reportMissing(missing);
}
