#include "model/card/TVkDragLabel.h"

#include <QImage>
#include <benchmark/benchmark.h>

namespace {

// A name block as cards carry it, repainted as during a drag: horizontal (0) and vertical (1), plain
// and at opacity 50 (which lays the text out a second time for its mask).
void BM_RepaintNameBlock(benchmark::State &state)
{
    TVkDragLabel object;
    CardFont font;
    font.Name = QStringLiteral("ＭＳ 明朝");
    font.Height = -24;
    object.SetFont(font);
    object.SetCaption({QStringLiteral("山田太郎"), QStringLiteral("営業部長「東京支社」"),
                       QStringLiteral("ABC商事 第12期")});
    object.SetVertical(state.range(0) == 1);
    object.SetAlphaChannel(state.range(1) ? 50 : 100);
    object.SetAutoSize(true);
    QImage surface(455, 275, QImage::Format_RGB32);
    surface.fill(Qt::white);
    for (auto _ : state) {
        object.Paint(surface);
        benchmark::DoNotOptimize(surface.constBits());
    }
}
BENCHMARK(BM_RepaintNameBlock)
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 1})
    ->Args({1, 1})
    ->Unit(benchmark::kMicrosecond);

} // namespace
