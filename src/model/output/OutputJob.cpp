#include "model/output/OutputJob.h"

#include "model/merge/MergeTable.h"
#include "model/output/OutputLimits.h"
#include "model/output/SheetCells.h"
#include "model/platform/VkError.h"

#include <QCoreApplication>

namespace {

// A record's number of cards as a spreadsheet's cell holds it, full-width digits too.
int copiesOf(const MergeTable &table, int record, int column)
{
    const QString value = table.Record(record)[column].normalized(QString::NormalizationForm_KC).trimmed();
    if (value.isEmpty())
        return 1;
    bool isNumber = false;
    const int copies = value.toInt(&isNumber);
    if (!isNumber || copies < 0 || copies > OutputLimits::kMostCards)
        throw VkError(
            QCoreApplication::translate(
                "OutputJob", "差し込みデータのレコード %1 の列 %2 の値 %3 は部数になりません (0～%4 の整数)")
                .arg(record + 1)
                .arg(table.Columns()[column], table.Record(record)[column])
                .arg(OutputLimits::kMostCards));
    return copies;
}

} // namespace

BackSidePlacement OutputJob::PrinterBackPlacement(const BackSidePlacement &kept) const
{
    BackSidePlacement placement = kept;
    placement.Turn = BackTurn.value_or(kept.Turn);
    return placement;
}

BackSidePlacement OutputJob::PdfBackPlacement(const BackSidePlacement &kept) const
{
    return {.Turn = BackTurn.value_or(kept.Turn)};
}

StartCellFault OutputJob::StartFault(const TCardDef &cardDef) const
{
    const std::int64_t cells = CellsOnSheet(cardDef);
    if (cells <= 0)
        return StartCellFault::NoCells;
    return Run.StartCell >= cells ? StartCellFault::PastSheet : StartCellFault::None;
}

std::optional<RecordRange> OutputJob::Records(int recordCount) const
{
    return RecordRange::Of(FirstRecord, LastRecord, recordCount);
}

MergePlan OutputJob::Plan(const TCardDef &cardDef, const RecordRange &records) const
{
    return MergePlan(records.First, records.Count, PerRecord, CellsOnSheet(cardDef), Run.StartCell);
}

MergePlan OutputJob::Plan(const TCardDef &cardDef, const MergeTable &table, const RecordRange &records) const
{
    MergePlan plan = Plan(cardDef, records);
    if (CopiesColumn.isEmpty())
        return plan;
    const int column = table.ColumnIndex(CopiesColumn);
    if (column < 0)
        throw VkError(QCoreApplication::translate("OutputJob", "差し込みデータに部数の列 %1 がありません")
                          .arg(CopiesColumn));
    std::vector<int> copies;
    std::int64_t cards = 0;
    for (int record = records.First; record < records.First + records.Count; ++record) {
        copies.push_back(copiesOf(table, record, column));
        cards += copies.back();
    }
    if (cards > OutputLimits::kMostMergeCards)
        throw VkError(
            QCoreApplication::translate("OutputJob", "差し込みで印刷するカードが多すぎます (%1 枚まで)")
                .arg(OutputLimits::kMostMergeCards));
    plan.SetCopies(copies);
    return plan;
}
