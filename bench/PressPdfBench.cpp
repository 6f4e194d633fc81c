#include "BusyCard.h"

#include "model/card/TVkVellumPanel.h"
#include "model/document/TCardDef.h"
#include "model/sheet/CardSheetPdf.h"
#include "press/PressPdf.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <ctime>

namespace {

double processorSeconds(const std::function<void()> &work)
{
    const std::clock_t start = std::clock();
    work();
    return double(std::clock() - start) / CLOCKS_PER_SEC;
}

// The busy card, front and back, as a print shop's PDF/X-4 against its plain ten-up sheet PDF, in
// the same process: press_ratio is the processor time of the one over the other.
void BM_BusyCardPressPdf(benchmark::State &state)
{
    const std::unique_ptr<TVkVellumPanel> card = MakeBusyCard();
    const TCardDef sheet = BusyCardSheet();
    QTemporaryDir dir;
    double press = 0;
    double plain = 0;
    for (auto _ : state) {
        press += processorSeconds([&] {
            WritePressPdf(
                dir.filePath(QStringLiteral("press.pdf")), 2,
                [&card](int) {
                    return PressPage{card.get(), nullptr};
                },
                sheet, PressPdfOptions(), QStringLiteral("busy"));
        });
        plain += processorSeconds([&] {
            WriteCardSheetPdf(dir.filePath(QStringLiteral("sheet.pdf")), *card, sheet, 2,
                              QStringLiteral("busy"));
        });
    }
    state.counters["press_ratio"] = press / plain;
}
BENCHMARK(BM_BusyCardPressPdf)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
