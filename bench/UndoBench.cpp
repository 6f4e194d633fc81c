#include "app/CardStream.h"
#include "app/UndoHistory.h"
#include "card/TVkDragLabel.h"
#include "card/TVkVellumPanel.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstring>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

namespace {

QImage photo(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            row[x] = qRgb(x * 5 % 256, y * 3 % 256, (x ^ y) % 256);
    }
    return image;
}

// A full card: background picture, text blocks, shapes and pictures of several depths.
struct BusyCardFixture {
    TVkVellumPanel surface;
    TCardDef cardDef{};

    BusyCardFixture()
    {
        cardDef.CardSizeX = 910;
        cardDef.CardSizeY = 550;
        surface.SetBounds(0, 0, 455, 275);
        surface.SetPopupMenu(QStringLiteral("frmMain.Popup2"));
        surface.SetBitmap(photo(1365, 825));
        for (int i = 0; i < 20; ++i) {
            TVkDragLabel &text = add();
            CardFont font;
            font.SetSizeInPoints(8 + i % 10);
            text.SetFont(font);
            text.SetCaption({QStringLiteral("株式会社 見本 %1").arg(i), QStringLiteral("Tel 03-1234-5678")});
            text.SetBounds(10 + i * 3, 10 + i * 12, 200, 30);
        }
        for (int i = 0; i < 10; ++i) {
            TVkDragLabel &shape = add();
            shape.SetDrawMode(TDrawMode(1 + i % 7));
            shape.SetPenWidth(2);
            shape.SetBounds(300, 10 + i * 20, 120, 18);
        }
        for (const QImage &picture : {photo(800, 600), photo(640, 480), photo(320, 240)})
            add().LoadBitmap(picture);
        QImage logo = photo(256, 256).convertToFormat(QImage::Format_Indexed8);
        add().LoadBitmap(logo);
    }

    TVkDragLabel &add()
    {
        TVkDragLabel &object = surface.AddObject(std::make_unique<TVkDragLabel>());
        object.SetPopupMenu(QStringLiteral("frmMain.Popup1"));
        return object;
    }
};

BusyCardFixture &busyCard()
{
    static BusyCardFixture fixture;
    return fixture;
}

using Clock = std::chrono::steady_clock;

// A snapshot against a plain copy of as many bytes, timed side by side in the same run. The copy
// goes into 17 buffers in turn, as the snapshots do, so both write memory that is not in the cache.
void BM_TakeUndoSnapshotVsMemcpy(benchmark::State &state)
{
    BusyCardFixture &card = busyCard();
    UndoHistory history;
    for (int i = 0; i < UndoHistory::kSlotCount; ++i)
        history.TakeUndoSnapshot(card.surface, card.cardDef);
    const qsizetype bytes = history.Slot(history.UndoPosition()).size();
    const QByteArray from(bytes, 'a');
    std::vector<QByteArray> to(UndoHistory::kSlotCount, QByteArray(bytes, 'b'));
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
