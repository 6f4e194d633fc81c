#include "BusyCard.h"
#include "model/card/TVkVellumPanel.h"
#include "model/document/CardStream.h"
#include "model/document/TCardDef.h"
#include "model/picture/JpegEncoder.h"
#include "model/picture/PictureFile.h"
#include "model/sheet/CardDefinitions.h"
#include "model/sheet/CardRenderer.h"
#include "model/sheet/CardSheetDrawing.h"
#include "model/sheet/CardSheetPdf.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QProcess>
#include <QTemporaryDir>
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
// with Qt's own JPEG writer encoding the same picture at the same quality in the same run. The two
// encoders take turns at going first, so neither always finds the picture in the cache.
void BM_ExportJpegVsQtWriter(benchmark::State &state)
{
    const std::unique_ptr<TVkVellumPanel> card = MakeBusyCard();
    Clock::duration renderTime{}, encodeTime{}, qtTime{};
    QByteArray ours, qt;
    bool oursFirst = true;
    for (auto _ : state) {
        const auto start = Clock::now();
        QImage bitmap;
        RenderCardToBitmap(*card, bitmap, card->Width(), card->Height());
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
    Clock::duration copyTime{}, renderTime{}, freshTime{};
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(ScaledCardCopy(*card, 0, 0).get());
        const auto copied = Clock::now();
        QImage bitmap;
        RenderCardToBitmap(*card, bitmap, card->Width(), card->Height());
        benchmark::DoNotOptimize(bitmap.constBits());
        const auto rendered = Clock::now();
        state.PauseTiming();
        const std::unique_ptr<TVkVellumPanel> fresh = MakeBusyCard();
        state.ResumeTiming();
        const auto freshStart = Clock::now();
        RenderCardToBitmap(*fresh, bitmap, fresh->Width(), fresh->Height());
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

// Runs a program to its end; false when it cannot start, fails or takes more than two minutes.
bool runProgram(const QString &program, const QStringList &arguments, const QString &home)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VELLUMAX_HOME"), home);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    return process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// The busy card exported by the program, from its saved card file to a JPEG file, against pdftoppm
// drawing the same card from the program's PDF of it (the card alone in the corner of its sheet, the
// page cut to the card) to a JPEG file of the same size and quality. Both are whole processes from
// a file to a file, timed in turns in the same run; the argument is the resolution, 0 for the
// screen's size.
void BM_ExportVsPdftoppm(benchmark::State &state)
{
    const int dpi = int(state.range(0));
    const int pictureDpi = dpi > 0 ? dpi : kCardSurfaceDpi;
    QTemporaryDir home;
    const std::unique_ptr<TVkVellumPanel> card = MakeBusyCard();
    const QString cardFile = home.filePath(QStringLiteral("busy.vkc"));
    QFile file(cardFile);
    if (!file.open(QIODevice::WriteOnly)) {
        state.SkipWithError("cannot save the card");
        return;
    }
    WriteCardStream(file, *card, BusyCardSheet());
    file.close();
    const TCardDef oneUp = ParseCardDef("\"One up\",910,550,1,1,0,0,0,0,0");
    const QString pdf = home.filePath(QStringLiteral("busy.pdf"));
    WriteCardSheetPdf(pdf, *card, oneUp, cmNone, QStringLiteral("busy"));
    const QSize size = CardSizeAtDpi(oneUp, pictureDpi);

    QStringList ours = {QStringLiteral("--export"), home.filePath(QStringLiteral("ours.jpg")),
                        QStringLiteral("--quality"), QString::number(kQuality)};
    if (dpi > 0)
        ours << QStringLiteral("--dpi") << QString::number(dpi);
    ours << cardFile;
    const QStringList theirs = {QStringLiteral("-r"),
                                QString::number(pictureDpi),
                                QStringLiteral("-W"),
                                QString::number(size.width()),
                                QStringLiteral("-H"),
                                QString::number(size.height()),
                                QStringLiteral("-jpeg"),
                                QStringLiteral("-jpegopt"),
                                QStringLiteral("quality=%1").arg(kQuality),
                                QStringLiteral("-singlefile"),
                                pdf,
                                home.filePath(QStringLiteral("theirs"))};
    Clock::duration oursTime{}, theirTime{};
    bool oursFirst = true;
    for (auto _ : state) {
        for (int turn = 0; turn < 2; ++turn) {
            const auto before = Clock::now();
            const bool mine = (turn == 0) == oursFirst;
            if (!(mine ? runProgram(QStringLiteral(VELLUMAX_BINARY), ours, home.path())
                       : runProgram(QStringLiteral("pdftoppm"), theirs, home.path()))) {
                state.SkipWithError(mine ? "vellumax failed" : "pdftoppm failed");
                return;
            }
            (mine ? oursTime : theirTime) += Clock::now() - before;
        }
        oursFirst = !oursFirst;
    }
    state.counters["export_ms"] = millisecondsPerIteration(oursTime, state);
    state.counters["pdftoppm_ms"] = millisecondsPerIteration(theirTime, state);
    state.counters["ratio"] = double(oursTime.count()) / double(theirTime.count());
    state.counters["same_size"] = QImage(home.filePath(QStringLiteral("ours.jpg"))).size() ==
                                  QImage(home.filePath(QStringLiteral("theirs.jpg"))).size();
}
BENCHMARK(BM_ExportVsPdftoppm)->Arg(0)->Arg(300)->Arg(600)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
