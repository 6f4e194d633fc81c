#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/document/TCardDef.h"
#include "model/document/UndoHistory.h"
#include "model/picture/PictureLoader.h"

#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

// A 12-megapixel photograph stand-in: smooth gradients, shapes and grain, so the decoder meets
// the mix of flat and busy blocks that camera pictures have.
const QString &twelveMegapixelJpeg()
{
    static QTemporaryDir folder;
    static const QString path = [] {
        QImage image(4000, 3000, QImage::Format_RGB32);
        QRandomGenerator random(12);
        for (int y = 0; y < image.height(); ++y) {
            auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const int grain = int(random.bounded(24));
                row[x] =
                    qRgb((x / 16 + grain) & 0xFF, (y / 12 + grain) & 0xFF, ((x + y) / 28 + grain) & 0xFF);
            }
        }
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        for (int i = 0; i < 40; ++i) {
            painter.setBrush(QColor::fromHsv(i * 9, 160, 220));
            painter.drawEllipse(QPoint(100 * i, 75 * i), 300, 200);
        }
        painter.end();
        const QString file = folder.filePath(QStringLiteral("photo.jpg"));
        QImageWriter writer(file, "jpeg");
        writer.setQuality(90);
        writer.write(image);
        return file;
    }();
    return path;
}

QImage readWithQt(const QString &path)
{
    QImageReader reader(path, "jpeg");
    return reader.read();
}

void BM_LoadPictureFileJpeg12MP(benchmark::State &state)
{
    const QString &path = twelveMegapixelJpeg();
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadPictureFile(path));
}
BENCHMARK(BM_LoadPictureFileJpeg12MP)->Unit(benchmark::kMillisecond);

void BM_QImageReaderJpeg12MP(benchmark::State &state)
{
    const QString &path = twelveMegapixelJpeg();
    for (auto _ : state)
        benchmark::DoNotOptimize(readWithQt(path));
}
BENCHMARK(BM_QImageReaderJpeg12MP)->Unit(benchmark::kMillisecond);

// Both readers in turns on the same file, so the ratio sees the same machine load and caches. Ours
// is timed until its picture is in the pixel format Qt's reader gives, so that both have done the
// same work.
void BM_JpegLoaderToQtRatio(benchmark::State &state)
{
    using Clock = std::chrono::steady_clock;
    const QString &path = twelveMegapixelJpeg();
    const QImage::Format qtFormat = readWithQt(path).format();
    Clock::duration ours{}, qt{};
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(LoadPictureFile(path).convertToFormat(qtFormat));
        const auto middle = Clock::now();
        benchmark::DoNotOptimize(readWithQt(path));
        ours += middle - start;
        qt += Clock::now() - middle;
    }
    state.counters["ratio"] = double(ours.count()) / double(qt.count());
}
BENCHMARK(BM_JpegLoaderToQtRatio)->Unit(benchmark::kMillisecond)->Iterations(10);

// What the user waits for when adding that picture to an empty card: loading it, the undo
// snapshot taken before the change, and the first paint of the card with the picture on it.
void BM_AddTwelveMegapixelPicture(benchmark::State &state)
{
    const QString &path = twelveMegapixelJpeg();
    const TCardDef cardDef{};
    QImage screen(455, 275, QImage::Format_RGB32);
    for (auto _ : state) {
        TVkVellumPanel surface;
        surface.SetBounds(0, 0, 455, 275);
        UndoHistory history;
        const QImage picture = LoadPictureFile(path);
        history.TakeUndoSnapshot(surface, cardDef);
        TVkDragLabel &object = surface.AddObject(std::make_unique<TVkDragLabel>());
        object.SetAutoSize(true);
        object.SetBitmap(picture);
        surface.Paint(screen, QRect(0, 0, 455, 275));
        benchmark::DoNotOptimize(screen.constBits());
    }
}
BENCHMARK(BM_AddTwelveMegapixelPicture)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
