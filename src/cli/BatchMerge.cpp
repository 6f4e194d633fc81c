#include "cli/BatchMerge.h"

#include "cli/BatchCard.h"
#include "cli/BatchExport.h"
#include "cli/BatchOptions.h"
#include "cli/BatchPrint.h"
#include "model/merge/MergePdf.h"
#include "model/merge/MergeRecordScope.h"
#include "model/merge/MergeTableReader.h"
#include "model/platform/VkError.h"
#include "printer/MergePrinter.h"
#include "printer/TQdPrinter.h"

#include <QFileInfo>
#include <QPrinter>
#include <cstdio>
#include <optional>
#include <unistd.h>

namespace {

struct RecordRange {
    int first; // from 0
    int count;
};

RecordRange recordRange(const MergeTable &table, const BatchOptions &options)
{
    const int first = options.FirstRecord - 1;
    const int last = std::min(options.LastRecord.value_or(table.RecordCount()), table.RecordCount());
    if (first >= table.RecordCount() || last <= first)
        throw VkError(QStringLiteral("%1 にはレコード %2 がありません (%3 件)")
                          .arg(options.MergeTable)
                          .arg(options.FirstRecord)
                          .arg(table.RecordCount()));
    return {first, last - first};
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
        std::fprintf(stderr, "vellumax: %s\n",
                     qPrintable(QStringLiteral("警告: 差し込みデータに列 %1 がありません").arg(column)));
}

// OUT.png -> OUT-0001.png, numbered by the record's place in the table.
QString numberedName(const QString &output, int record)
{
    const QFileInfo file(output);
    const QString stem = output.left(output.size() - file.fileName().size()) + file.completeBaseName();
    const QString suffix = file.suffix().isEmpty() ? QString() : u'.' + file.suffix();
    return QStringLiteral("%1-%2%3").arg(stem).arg(record + 1, 4, 10, QLatin1Char('0')).arg(suffix);
}

void exportRecords(BatchCard &card, const BatchOptions &options, const MergeTable &table, RecordRange range)
{
    QStringList missing;
    const auto progress = progressOnTerminal(range.count);
    for (int record = range.first; record < range.first + range.count; ++record) {
        const MergeRecordScope shown(options.ExportBack ? card.Back() : card.Surface(), table, record);
        for (const QString &column : shown.MissingColumns())
            if (!missing.contains(column))
                missing.append(column);
        BatchOptions one = options;
        one.OutputFile = numberedName(options.OutputFile, record);
        ExportBatchCard(card, one);
        if (progress)
            progress(record - range.first);
    }
    reportMissing(missing);
}

// The card's back as --back and the window's last choice give it; none for a card printed on one
// side. The back's offsets are those kept for the printer; a PDF file (no printer) leaves them, as
// they correct a printer, to whoever prints it.
std::optional<MergeBackSide> backSide(BatchCard &card, const BatchOptions &options,
                                      const std::optional<QString> &printerName)
{
    if (!card.HasBackSide() || options.FrontOnly)
        return std::nullopt;
    BackSidePlacement placement = printerName ? card.BackSide().PlacementOn(*printerName)
                                              : BackSidePlacement{.Turn = card.BackSide().Placement.Turn};
    placement.Turn = options.BackTurn.value_or(placement.Turn);
    return MergeBackSide{card.Back(), placement};
}

void printRecords(BatchCard &card, const BatchOptions &options, const MergeTable &table,
                  const MergePlan &plan)
{
    TQdPrinter printer;
    PrepareBatchPrinter(printer, card, options);
    QStringList missing;
    const std::optional<MergeBackSide> back = backSide(card, options, printer.Printer().printerName());
    if (back)
        CheckBatchTwoSided(printer, back->Placement.Turn);
    PrintMergeSheets(printer, card.Title(), card.Surface(), card.CardDef(),
                     options.Marks.value_or(card.Settings().GuessMark), table, plan,
                     progressOnTerminal(plan.SheetCount()), &missing, back ? &*back : nullptr);
    reportMissing(missing);
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
    if (!options.SheetName.isEmpty())
        card.UseSheet(options.SheetName);
    CheckBatchStartCell(card, options);
    const MergePlan plan(range.first, range.count, options.PerRecord,
                         std::int64_t(card.CardDef().Columns) * card.CardDef().Lines, options.Run.StartCell);
    if (options.Command == BatchCommand::Print) {
        printRecords(card, options, table, plan);
        return;
    }
    QStringList missing;
    const std::optional<MergeBackSide> back = backSide(card, options, std::nullopt);
    WriteMergePdf(options.OutputFile, card.Surface(), card.CardDef(),
                  options.Marks.value_or(card.Settings().GuessMark), card.Title(), table, plan,
                  progressOnTerminal(plan.SheetCount()), &missing,
                  options.Adjustment.value_or(PrintAdjustment()), back ? &*back : nullptr);
    reportMissing(missing);
}
