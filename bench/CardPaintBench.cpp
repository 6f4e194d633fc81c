#include "BusyCard.h"

#include "model/card/CardZoom.h"
#include "model/card/StretchCache.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

QImage surfaceOf(const TVkVellumPanel &card)
{
    return QImage(card.Width(), card.Height(), QImage::Format_RGB32);
}

// Every pixel of the busy card, as after a scroll or a change of the background.
void BM_BusyCardFullRepaint(benchmark::State &state)
{
    auto card = MakeBusyCard();
    QImage surface = surfaceOf(*card);
    const QRect all(0, 0, card->Width(), card->Height());
    card->Paint(surface, all);
    for (auto _ : state) {
        card->Paint(surface, all);
        benchmark::DoNotOptimize(surface.constBits());
    }
}
BENCHMARK(BM_BusyCardFullRepaint)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);

// One object nudged by a pixel: only the rectangles it left and entered are painted again.
void BM_BusyCardRepaintAfterMove(benchmark::State &state)
{
    auto card = MakeBusyCard();
    QImage surface = surfaceOf(*card);
    card->Paint(surface, QRect(0, 0, card->Width(), card->Height()));
    TVkDragLabel &moved = card->Object(state.range(0));
    int step = 1;
    for (auto _ : state) {
        const QRect before = moved.BoundsRect();
        moved.SetLeft(moved.Left() + step);
        step = -step;
        card->Paint(surface, before | moved.BoundsRect());
        benchmark::DoNotOptimize(surface.constBits());
    }
}
// A plain text, a smoothed text and a picture.
BENCHMARK(BM_BusyCardRepaintAfterMove)
    ->Arg(0)
    ->Arg(15)
    ->Arg(kBusyCardFirstPicture)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

} // namespace

namespace {

// The busy card's background as every paint drew it before the stretched copy was kept, against
// the kept copy: the ratio is what the cache saves on each repaint.
void BM_BackgroundStretchEveryPaint(benchmark::State &state)
{
    auto card = MakeBusyCard();
    QImage surface = surfaceOf(*card);
    const QRect all(0, 0, card->Width(), card->Height());
    for (auto _ : state) {
        QPainter painter(&surface);
        StretchDrawBitmap(painter, all, card->Bitmap());
    }
}
BENCHMARK(BM_BackgroundStretchEveryPaint)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_BackgroundStretchKept(benchmark::State &state)
{
    auto card = MakeBusyCard();
    QImage surface = surfaceOf(*card);
    const QRect all(0, 0, card->Width(), card->Height());
    for (auto _ : state) {
        QPainter painter(&surface);
        card->PaintBackground(painter, all);
    }
}
BENCHMARK(BM_BackgroundStretchKept)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

namespace {

// What the card view does for a repaint at a zoom: the dirty part alone, drawn at the zoom.
void paintZoomedTile(TVkVellumPanel &card, const QRect &device, double scale)
{
    QImage tile(device.size(), QImage::Format_RGB32);
    QPainter canvas(&tile);
    canvas.translate(-device.topLeft());
    card.PaintZoomed(canvas, device, scale, 1.0);
    benchmark::DoNotOptimize(tile.constBits());
}

// One object nudged by a surface pixel at 400 %: the rectangles it left and entered, on screen.
void BM_BusyCardRepaintAfterMoveAt400(benchmark::State &state)
{
    auto card = MakeBusyCard();
    constexpr double scale = 4.0;
    TVkDragLabel &moved = card->Object(state.range(0));
    paintZoomedTile(*card, ZoomedRect(moved.BoundsRect(), scale), scale);
    int step = 1;
    for (auto _ : state) {
        const QRect before = moved.BoundsRect();
        moved.SetLeft(moved.Left() + step);
        step = -step;
        paintZoomedTile(*card, ZoomedRect(before | moved.BoundsRect(), scale).adjusted(-1, -1, 1, 1), scale);
    }
}
BENCHMARK(BM_BusyCardRepaintAfterMoveAt400)
    ->Arg(0)
    ->Arg(15)
    ->Arg(kBusyCardFirstPicture)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

// A change of zoom repaints a whole 1280 x 900 view of the card, with every stretched picture made
// again at the new size.
void BM_BusyCardZoomChange(benchmark::State &state)
{
    auto card = MakeBusyCard();
    const QRect view(200, 100, 1280, 900);
    bool larger = false;
    for (auto _ : state) {
        larger = !larger;
        paintZoomedTile(*card, view, larger ? 4.0 : 3.0);
    }
}
BENCHMARK(BM_BusyCardZoomChange)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);

} // namespace
