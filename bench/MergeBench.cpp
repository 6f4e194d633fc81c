#include "BusyCard.h"

#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/merge/MergePdf.h"
#include "model/merge/MergeTable.h"
#include "model/sheet/CardSheetDrawing.h"
#include "model/sheet/CardSheetPdf.h"
#include "model/sheet/MergePlan.h"
#include "model/sheet/PrinterPage.h"

#include <QFileInfo>
#include <QPainter>
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

using Clock = std::chrono::steady_clock;

// The time to write a file, and the part of it from the start of the second sheet to the end: the
// sheets that find every picture already stored in the file.
struct SheetTimes {
    Clock::duration whole{};
    Clock::duration later{};
};

// The busy card's own sheet, unmerged, written sheets times into one file, timed as SheetTimes.
SheetTimes timePlainSheets(const QString &path, const TVkVellumPanel &card, const TCardDef &sheet, int sheets)
{
    const auto start = Clock::now();
    Clock::time_point second = start;
    WriteSheetsPdf(path, sheet, QStringLiteral("plain"), sheets,
                   [&](QPainter &painter, const PrinterPage &page, int index) {
                       if (index == 1)
                           second = Clock::now();
                       DrawCardSheet(painter, page, card, sheet, cmCornerCrosses);
                   });
    const auto end = Clock::now();
    return {end - start, end - second};
}

SheetTimes timeMerge(const QString &path, TVkVellumPanel &card, const TCardDef &sheet,
                     const MergeTable &table, const MergePlan &plan)
{
    const auto start = Clock::now();
    Clock::time_point second = start;
    WriteMergePdf(path, card, sheet, cmCornerCrosses, QStringLiteral("merge"), table, plan, [&](int index) {
        if (index == 1)
            second = Clock::now();
        return true;
    });
    const auto end = Clock::now();
    return {end - start, end - second};
}

// A thousand records of the busy card, a card a record ten to a sheet, against as many sheets of the
// busy card unmerged, in the same run. The first sheet of a file stores the card's pictures, above
// all the 12-megapixel background, once for all its sheets; so the first sheets are compared, both
// storing the pictures, and apart from them the later sheets, neither storing any. Spreading the
// first sheet's storing over a hundred sheets would hide what each merged sheet costs.
void BM_MergeThousandRecordsToPdf(benchmark::State &state)
{
    auto card = MakeBusyCard();
    card->Object(0).SetCaption({QStringLiteral("{{氏名}}"), QStringLiteral("{{部署}}")});
    const TCardDef sheet = BusyCardSheet();
    const MergeTable table = staffTable();
    const MergePlan plan(0, kRecords, MergeLayout::CardPerRecord, std::int64_t(sheet.Columns) * sheet.Lines);
    QTemporaryDir folder;
    const QString plain = folder.filePath(QStringLiteral("plain.pdf"));
    const QString merged = folder.filePath(QStringLiteral("merged.pdf"));
    SheetTimes plainTime, mergeTime;
    // Timed after a first file, so that neither pays for the first use of fonts.
    timePlainSheets(plain, *card, sheet, 1);
    for (auto _ : state) {
        const SheetTimes plainRun = timePlainSheets(plain, *card, sheet, plan.SheetCount());
        const SheetTimes mergeRun = timeMerge(merged, *card, sheet, table, plan);
        plainTime.whole += plainRun.whole;
        plainTime.later += plainRun.later;
        mergeTime.whole += mergeRun.whole;
        mergeTime.later += mergeRun.later;
    }
    const double iterations = double(state.iterations());
    const double laterSheets = double(plan.SheetCount() - 1) * iterations;
    const double plainFirstMs = milliseconds(plainTime.whole - plainTime.later) / iterations;
    const double mergeFirstMs = milliseconds(mergeTime.whole - mergeTime.later) / iterations;
    const double plainLaterMs = milliseconds(plainTime.later) / laterSheets;
    const double mergeLaterMs = milliseconds(mergeTime.later) / laterSheets;
    state.counters["plain_first_sheet_ms"] = plainFirstMs;
    state.counters["merge_first_sheet_ms"] = mergeFirstMs;
    state.counters["first_sheet_ratio"] = mergeFirstMs / plainFirstMs;
    state.counters["plain_later_sheet_ms"] = plainLaterMs;
    state.counters["merge_later_sheet_ms"] = mergeLaterMs;
    state.counters["later_sheet_ratio"] = mergeLaterMs / plainLaterMs;
    state.counters["plain_pdf_KB"] = double(QFileInfo(plain).size()) / 1024.0;
    state.counters["merge_pdf_KB"] = double(QFileInfo(merged).size()) / 1024.0;
}
BENCHMARK(BM_MergeThousandRecordsToPdf)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
