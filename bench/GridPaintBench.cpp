#include "model/card/TVkVellumPanel.h"

#include <QImage>
#include <benchmark/benchmark.h>

namespace {

// An object's worth of a large card painted again over the finest line or dot grid (one pixel
// apart), as on every step of a drag.
void BM_FinestGridRepaintSmallArea(benchmark::State &state)
{
    TVkVellumPanel card;
    card.SetBounds(0, 0, 2000, 1400);
    card.SetShowGrid(true);
    card.SetGridSize(1);
    card.SetGridStyle(state.range(0) != 0 ? gsDot : gsLine);
    QImage surface(card.Width(), card.Height(), QImage::Format_RGB32);
    card.Paint(surface, surface.rect());
    for (auto _ : state) {
        card.Paint(surface, QRect(200, 100, 40, 30));
        benchmark::DoNotOptimize(surface.constBits());
    }
}
BENCHMARK(BM_FinestGridRepaintSmallArea)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
