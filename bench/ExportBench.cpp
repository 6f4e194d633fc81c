#include "BusyCard.h"
#include "card/TVkVellumPanel.h"
#include "commands/JpegEncoder.h"
#include "print/CardRenderer.h"
#include "print/TCardDef.h"

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

// The export of the busy card as a JPEG (drawing the card, then libjpeg), side by side with Qt's own
// JPEG writer encoding the same picture at the same quality in the same run.
void BM_ExportJpegVsQtWriter(benchmark::State &state)
{
    const std::unique_ptr<TVkVellumPanel> card = MakeBusyCard();
    const TCardDef cardDef{};
    Clock::duration renderTime{}, encodeTime{}, qtTime{};
    qsizetype ourBytes = 0, qtBytes = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        QImage bitmap;
        RenderCardToBitmap(*card, cardDef, bitmap, card->Width(), card->Height());
        const auto rendered = Clock::now();
        const QByteArray jpeg = EncodeJpeg(bitmap, kQuality);
        const auto encoded = Clock::now();
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setQuality(kQuality);
        benchmark::DoNotOptimize(writer.write(bitmap));
        const auto written = Clock::now();

        renderTime += rendered - start;
        encodeTime += encoded - rendered;
        qtTime += written - encoded;
        ourBytes = jpeg.size();
        qtBytes = buffer.data().size();
    }
    state.counters["render_ms"] = millisecondsPerIteration(renderTime, state);
    state.counters["libjpeg_ms"] = millisecondsPerIteration(encodeTime, state);
    state.counters["qt_jpeg_ms"] = millisecondsPerIteration(qtTime, state);
    state.counters["encode_ratio"] = double(encodeTime.count()) / double(qtTime.count());
    state.counters["export_vs_qt_ratio"] = double((renderTime + encodeTime).count()) / double(qtTime.count());
    state.counters["jpeg_bytes"] = double(ourBytes);
    state.counters["qt_bytes"] = double(qtBytes);
}
BENCHMARK(BM_ExportJpegVsQtWriter)->Unit(benchmark::kMillisecond);

void BM_RenderCardToBitmap(benchmark::State &state)
{
    const std::unique_ptr<TVkVellumPanel> card = MakeBusyCard();
    const TCardDef cardDef{};
    for (auto _ : state) {
        QImage bitmap;
        RenderCardToBitmap(*card, cardDef, bitmap, card->Width(), card->Height());
        benchmark::DoNotOptimize(bitmap.constBits());
    }
}
BENCHMARK(BM_RenderCardToBitmap)->Unit(benchmark::kMillisecond);

} // namespace
