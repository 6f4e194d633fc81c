#include "BusyCard.h"

#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/merge/MergePdf.h"
#include "model/merge/MergePlan.h"
#include "model/merge/MergeTable.h"
#include "model/sheet/CardSheetDrawing.h"
#include "model/sheet/CardSheetPdf.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

constexpr int kRecords = 1000;

MergeTable staffTable()
{
    std::vector<QStringList> records;
    records.reserve(kRecords);
    for (int person = 1; person <= kRecords; ++person)
        records.push_back({QStringLiteral("社員%1").arg(person, 4, 10, QLatin1Char('0')),
                           QStringLiteral("営業部 第%1課").arg(person % 7 + 1)});
    return MergeTable({QStringLiteral("氏名"), QStringLiteral("部署")}, std::move(records),
                      TableEncoding::Utf8);
}

double milliseconds(std::chrono::steady_clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

// A thousand records of the busy card, a card a record ten to a sheet, against the busy card's own
// sheet written alone: the time a merged sheet takes beside a plain one, and what each added page
// costs the file when the pictures are stored once for all of them.
void BM_MergeThousandRecordsToPdf(benchmark::State &state)
{
    auto card = MakeBusyCard();
    card->Object(0).SetCaption({QStringLiteral("{{氏名}}"), QStringLiteral("{{部署}}")});
    const TCardDef sheet = BusyCardSheet();
    const MergeTable table = staffTable();
    const MergePlan plan(0, kRecords, MergeLayout::CardPerRecord, std::int64_t(sheet.Columns) * sheet.Lines);
    QTemporaryDir folder;
    const QString single = folder.filePath(QStringLiteral("single.pdf"));
    const QString merged = folder.filePath(QStringLiteral("merged.pdf"));
    using Clock = std::chrono::steady_clock;
    Clock::duration singleTime{}, mergeTime{};
    // Both are timed after a first sheet, so that neither pays for the first use of fonts and pictures.
    WriteCardSheetPdf(single, *card, sheet, cmCornerCrosses, QStringLiteral("single"));
    for (auto _ : state) {
        const auto start = Clock::now();
        WriteCardSheetPdf(single, *card, sheet, cmCornerCrosses, QStringLiteral("single"));
        const auto middle = Clock::now();
        WriteMergePdf(merged, *card, sheet, cmCornerCrosses, QStringLiteral("merge"), table, plan);
        singleTime += middle - start;
        mergeTime += Clock::now() - middle;
    }
    const double iterations = double(state.iterations());
    const double singleMs = milliseconds(singleTime) / iterations;
    const double perSheetMs = milliseconds(mergeTime) / iterations / plan.SheetCount();
    const double singleKB = double(QFileInfo(single).size()) / 1024.0;
    const double mergedKB = double(QFileInfo(merged).size()) / 1024.0;
    state.counters["single_sheet_ms"] = singleMs;
    state.counters["merge_per_sheet_ms"] = perSheetMs;
    state.counters["time_ratio"] = perSheetMs / singleMs;
    state.counters["single_pdf_KB"] = singleKB;
    state.counters["merge_pdf_KB"] = mergedKB;
    state.counters["KB_per_added_page"] = (mergedKB - singleKB) / (plan.SheetCount() - 1);
}
BENCHMARK(BM_MergeThousandRecordsToPdf)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
