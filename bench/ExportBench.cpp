#include "BusyCard.h"
#include "model/card/TVkVellumPanel.h"
#include "model/picture/JpegEncoder.h"
#include "model/sheet/CardRenderer.h"
#include "model/sheet/TCardDef.h"

#include <QBuffer>
#include <QImageWriter>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kQuality = 80;

double millisecondsPerIteration(Clock::duration total, const benchmark::State &state)
{
    return std::chrono::duration<double, std::milli>(total).count() / double(state.iterations());
}

QByteArray encodeWithQt(const QImage &picture)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(kQuality);
    writer.write(picture);
    return buffer.data();
}

// The export of the busy card at screen size as a JPEG: drawing the card, then libjpeg, side by side
// with Qt's own JPEG writer encoding a picture of the same size at the same quality in the same
// run; export_vs_qt_ratio is the whole export's time over the writer's. The two encoders take turns
// at going first, so neither always finds the picture in the cache.
void BM_ExportJpegVsQtWriter(benchmark::State &state)
{
    const std::unique_ptr<TVkVellumPanel> card = MakeBusyCard();
    const TCardDef cardDef{};
    Clock::duration renderTime{}, encodeTime{}, qtTime{};
    QByteArray ours, qt;
    bool oursFirst = true;
    for (auto _ : state) {
        const auto start = Clock::now();
        QImage bitmap;
        RenderCardToBitmap(*card, cardDef, bitmap, card->Width(), card->Height());
        renderTime += Clock::now() - start;
        for (int turn = 0; turn < 2; ++turn) {
            const auto before = Clock::now();
            if ((turn == 0) == oursFirst) {
                ours = EncodeJpeg(bitmap, kQuality);
                encodeTime += Clock::now() - before;
            } else {
                qt = encodeWithQt(bitmap);
                qtTime += Clock::now() - before;
            }
        }
        oursFirst = !oursFirst;
    }
    state.counters["render_ms"] = millisecondsPerIteration(renderTime, state);
    state.counters["libjpeg_ms"] = millisecondsPerIteration(encodeTime, state);
    state.counters["qt_jpeg_ms"] = millisecondsPerIteration(qtTime, state);
    state.counters["encode_ratio"] = double(encodeTime.count()) / double(qtTime.count());
    state.counters["export_vs_qt_ratio"] = double((renderTime + encodeTime).count()) / double(qtTime.count());
    state.counters["jpeg_bytes"] = double(ours.size());
    state.counters["same_bytes_as_qt"] = ours == qt ? 1 : 0;
}
BENCHMARK(BM_ExportJpegVsQtWriter)->Unit(benchmark::kMillisecond);

// Where the drawing's time goes: the card drawn as it is, the export's way at its own size, beside
// the copy through the document bytes that the export once drew from, and the drawing of a fresh
// card whose pictures have never been stretched (the first export from the command line).
void BM_RenderCardToBitmap(benchmark::State &state)
{
    const std::unique_ptr<TVkVellumPanel> card = MakeBusyCard();
    const TCardDef cardDef{};
    Clock::duration copyTime{}, renderTime{}, freshTime{};
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(ScaledCardCopy(*card, cardDef, 0, 0).get());
        const auto copied = Clock::now();
        QImage bitmap;
        RenderCardToBitmap(*card, cardDef, bitmap, card->Width(), card->Height());
        benchmark::DoNotOptimize(bitmap.constBits());
        const auto rendered = Clock::now();
        state.PauseTiming();
        const std::unique_ptr<TVkVellumPanel> fresh = MakeBusyCard();
        state.ResumeTiming();
        const auto freshStart = Clock::now();
        RenderCardToBitmap(*fresh, cardDef, bitmap, fresh->Width(), fresh->Height());
        benchmark::DoNotOptimize(bitmap.constBits());
        freshTime += Clock::now() - freshStart;
        copyTime += copied - start;
        renderTime += rendered - copied;
    }
    state.counters["copy_ms"] = millisecondsPerIteration(copyTime, state);
    state.counters["render_ms"] = millisecondsPerIteration(renderTime, state);
    state.counters["fresh_render_ms"] = millisecondsPerIteration(freshTime, state);
}
BENCHMARK(BM_RenderCardToBitmap)->Unit(benchmark::kMillisecond);

} // namespace
