#include "BusyCard.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/document/CardStream.h"
#include "model/document/UndoHistory.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstring>

namespace {

// The busy card with the card definition it is printed with.
struct BusyCardFixture {
    std::unique_ptr<TVkVellumPanel> card = MakeBusyCard();
    TVkVellumPanel &surface = *card;
    TCardDef cardDef{};

    BusyCardFixture()
    {
        cardDef.CardSizeX = 910;
        cardDef.CardSizeY = 550;
    }
};

BusyCardFixture &busyCard()
{
    static BusyCardFixture fixture;
    return fixture;
}

using Clock = std::chrono::steady_clock;

// A snapshot against a plain copy of as many bytes, timed side by side in the same run. The copy
// goes into as many buffers in turn as the default history has slots, as the snapshots do, so both
// write memory that is not in the cache.
void BM_TakeUndoSnapshotVsMemcpy(benchmark::State &state)
{
    BusyCardFixture &card = busyCard();
    UndoHistory history;
    constexpr int slotCount = UndoHistory::kDefaultUndoCount + 1;
    for (int i = 0; i < slotCount; ++i)
        history.TakeUndoSnapshot(card.surface, card.cardDef);
    const qsizetype bytes = history.SlotSize(history.UndoPosition());
    const QByteArray from(bytes, 'a');
    std::vector<QByteArray> to;
    for (int i = 0; i < slotCount; ++i)
        to.emplace_back(bytes, char('b' + i)); // each its own memory, already touched
    Clock::duration snapshotTime{}, copyTime{};
    std::size_t next = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        history.TakeUndoSnapshot(card.surface, card.cardDef);
        const auto middle = Clock::now();
        QByteArray &target = to[next++ % to.size()];
        std::memcpy(target.data(), from.constData(), std::size_t(bytes));
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
        snapshotTime += middle - start;
        copyTime += Clock::now() - middle;
    }
    state.counters["bytes"] = double(bytes);
    state.counters["snapshot_ms"] =
        std::chrono::duration<double, std::milli>(snapshotTime).count() / double(state.iterations());
    state.counters["memcpy_ms"] =
        std::chrono::duration<double, std::milli>(copyTime).count() / double(state.iterations());
    state.counters["ratio"] = double(snapshotTime.count()) / double(copyTime.count());
    state.counters["history_MB"] = double(history.MemoryBytes()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_TakeUndoSnapshotVsMemcpy)->Unit(benchmark::kMillisecond);

// The history after a full run of small edits at the depth given (the default 16 steps, the
// deepest 100), each moving one text by one pixel, against the memory of one snapshot (the document
// it holds): what the pictures shared between steps save.
void BM_HistoryMemoryAfterAFullRunOfSmallEdits(benchmark::State &state)
{
    const int depth = int(state.range(0));
    BusyCardFixture &card = busyCard();
    TVkVellumPanel surface;
    CopySurface(card.surface, surface, card.cardDef);
    double ratio = 0;
    double historyMB = 0;
    for (auto _ : state) {
        UndoHistory history(depth);
        for (int step = 0; step < depth; ++step) {
            history.TakeUndoSnapshot(surface, card.cardDef);
            TVkDragLabel &text = surface.Object(step % kBusyCardFirstPicture);
            text.SetLeft(text.Left() + 1);
        }
        const double snapshotBytes = double(history.SlotSize(1));
        ratio = double(history.MemoryBytes()) / snapshotBytes;
        historyMB = double(history.MemoryBytes()) / (1024.0 * 1024.0);
    }
    state.counters["memory_ratio"] = ratio;
    state.counters["history_MB"] = historyMB;
}
BENCHMARK(BM_HistoryMemoryAfterAFullRunOfSmallEdits)
    ->Arg(UndoHistory::kDefaultUndoCount)
    ->Arg(UndoHistory::kMaxUndoCount)
    ->Unit(benchmark::kMillisecond);

void BM_Undo(benchmark::State &state)
{
    BusyCardFixture &card = busyCard();
    TVkVellumPanel surface;
    CopySurface(card.surface, surface, card.cardDef);
    UndoHistory history;
    history.TakeUndoSnapshot(surface, card.cardDef);
    const UndoHistory::RestoreHooks hooks;
    for (auto _ : state) {
        history.Undo(surface, card.cardDef, hooks);
        state.PauseTiming();
        history.Redo(surface, card.cardDef, hooks);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Undo)->Unit(benchmark::kMillisecond);

void BM_SaveCard(benchmark::State &state)
{
    BusyCardFixture &card = busyCard();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("busy.vkc"));
    for (auto _ : state) {
        QSaveFile file(path);
        file.open(QIODevice::WriteOnly);
        WriteCardStream(file, card.surface, card.cardDef);
        benchmark::DoNotOptimize(file.commit());
    }
}
BENCHMARK(BM_SaveCard)->Unit(benchmark::kMillisecond);

void BM_OpenCard(benchmark::State &state)
{
    BusyCardFixture &card = busyCard();
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("busy.vkc")));
    file.open(QIODevice::ReadWrite);
    WriteCardStream(file, card.surface, card.cardDef);
    file.close();
    for (auto _ : state) {
        file.open(QIODevice::ReadOnly);
        const uchar *bytes = file.map(0, file.size());
        TVkVellumPanel surface;
        benchmark::DoNotOptimize(
            ReadCardStream(QByteArrayView(reinterpret_cast<const char *>(bytes), file.size()), surface).ok);
        file.close();
    }
}
BENCHMARK(BM_OpenCard)->Unit(benchmark::kMillisecond);

} // namespace
