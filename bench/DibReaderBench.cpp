#include "model/picture/PictureLoader.h"

#include <QFile>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

void put16(QByteArray &bytes, quint16 value)
{
    bytes.append(char(value & 0xFF)).append(char(value >> 8));
}

void put32(QByteArray &bytes, quint32 value)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes.append(char((value >> shift) & 0xFF));
}

QByteArray bitmapFile(int width, int height, int bitCount, quint32 compression, int colours,
                      const QByteArray &pixels)
{
    const quint32 offBits = 14 + 40 + 4 * quint32(colours);
    QByteArray bytes("BM");
    put32(bytes, offBits + quint32(pixels.size()));
    put32(bytes, 0);
    put32(bytes, offBits);
    put32(bytes, 40);
    put32(bytes, quint32(width));
    put32(bytes, quint32(height));
    put16(bytes, 1);
    put16(bytes, quint16(bitCount));
    put32(bytes, compression);
    put32(bytes, quint32(pixels.size()));
    put32(bytes, 2835);
    put32(bytes, 2835);
    put32(bytes, quint32(colours));
    put32(bytes, 0);
    for (int i = 0; i < colours; ++i)
        put32(bytes, quint32(i * 0x010101));
    return bytes + pixels;
}

QString writeFile(const QString &name, const QByteArray &bytes)
{
    static QTemporaryDir folder;
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("Cannot write %s", qPrintable(path));
    return path;
}

// A 12-megapixel 24-bit picture with gradients and grain.
const QString &largeTwentyFourBit()
{
    static const QString path = [] {
        const int width = 4000;
        const int height = 3000;
        const int line = (width * 3 + 3) / 4 * 4;
        QByteArray pixels(qsizetype(line) * height, '\0');
        QRandomGenerator random(24);
        for (int y = 0; y < height; ++y) {
            auto *row = reinterpret_cast<uchar *>(pixels.data()) + qsizetype(y) * line;
            for (int x = 0; x < width; ++x) {
                const int grain = int(random.bounded(16));
                row[3 * x] = uchar(x / 16 + grain);
                row[3 * x + 1] = uchar(y / 12 + grain);
                row[3 * x + 2] = uchar((x + y) / 28 + grain);
            }
        }
        return writeFile(QStringLiteral("photo.dib"), bitmapFile(width, height, 24, 0, 0, pixels));
    }();
    return path;
}

// A 12-megapixel 8-bit run-length picture of flat bands broken by short stretches of detail, as
// scanned logos and diagrams compress.
const QString &largeRunLength()
{
    static const QString path = [] {
        const int width = 4000;
        const int height = 3000;
        QByteArray data;
        QRandomGenerator random(8);
        for (int y = 0; y < height; ++y) {
            int x = 0;
            while (x < width) {
                const int count = std::min(width - x, 1 + int(random.bounded(255)));
                if (random.bounded(4) == 0 && count >= 3) {
                    data.append('\0').append(char(count));
                    for (int i = 0; i < count; ++i)
                        data.append(char(random.bounded(256)));
                    if (count & 1)
                        data.append('\0');
                } else {
                    data.append(char(count)).append(char(y / 12 + x / 16));
                }
                x += count;
            }
            data.append('\0').append('\0');
        }
        data.append('\0').append('\1');
        return writeFile(QStringLiteral("logo.dib"), bitmapFile(width, height, 8, 1, 256, data));
    }();
    return path;
}

// What a user opens is a file, and Qt's reader reads a file much faster than a memory buffer.
QImage readWithQt(const QString &path)
{
    QImageReader reader(path, "bmp");
    return reader.read();
}

// Both readers on the same file in one loop, so the ratio sees the same machine load and caches.
// They take turns at going first, so that the first read's cold memory falls on neither alone.
// Ours is timed until its picture is in the pixel format Qt's reader gives, so that both have
// done the same work.
void compareWithQt(benchmark::State &state, const QString &path)
{
    using Clock = std::chrono::steady_clock;
    const QImage::Format qtFormat = readWithQt(path).format();
    Clock::duration ours{};
    Clock::duration qt{};
    bool oursFirst = true;
    for (auto _ : state) {
        for (int turn = 0; turn < 2; ++turn) {
            const auto start = Clock::now();
            if ((turn == 0) == oursFirst) {
                benchmark::DoNotOptimize(LoadPictureFile(path).convertToFormat(qtFormat));
                ours += Clock::now() - start;
            } else {
                benchmark::DoNotOptimize(readWithQt(path));
                qt += Clock::now() - start;
            }
        }
        oursFirst = !oursFirst;
    }
    state.counters["dib_ms"] =
        std::chrono::duration<double, std::milli>(ours).count() / double(state.iterations());
    state.counters["qt_ms"] =
        std::chrono::duration<double, std::milli>(qt).count() / double(state.iterations());
    state.counters["ratio"] = double(ours.count()) / double(qt.count());
}

void BM_DibToQtRatio24Bit12MP(benchmark::State &state)
{
    compareWithQt(state, largeTwentyFourBit());
}
BENCHMARK(BM_DibToQtRatio24Bit12MP)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_DibToQtRatioRle8Bit12MP(benchmark::State &state)
{
    compareWithQt(state, largeRunLength());
}
// A read takes a few milliseconds, so the benchmark runs as many as it needs for a steady figure.
BENCHMARK(BM_DibToQtRatioRle8Bit12MP)->Unit(benchmark::kMillisecond);

} // namespace
