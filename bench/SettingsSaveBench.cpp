#include "model/platform/IniFile.h"
#include "model/settings/MainSettings.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A settings file grown to a million lines by other programs' sections, with the main window's
// keys at its end.
QString millionLineSettings(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("VELLUMAX.INI"));
    QByteArray text;
    text.reserve(20 * 1000000);
    for (int i = 0; i < 1000000 - 2; ++i)
        text += "[Other" + QByteArray::number(i) + "]\r\n";
    text += "[Settings]\r\nGridSize=3\r\n";
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(text);
    return path;
}

// The main window's settings saved in one pass.
void BM_SaveSettingsTogether(benchmark::State &state)
{
    QTemporaryDir dir;
    IniFile ini(millionLineSettings(dir));
    MainSettings settings;
    for (auto _ : state) {
        settings.GridSize ^= 1;
        benchmark::DoNotOptimize(settings.Save(ini));
    }
}
BENCHMARK(BM_SaveSettingsTogether)->Unit(benchmark::kMillisecond)->Iterations(1);

// The peer: the same fifteen keys each written on its own, each write reading and saving the file.
void BM_SaveSettingsKeyByKey(benchmark::State &state)
{
    QTemporaryDir dir;
    IniFile ini(millionLineSettings(dir));
    for (auto _ : state) {
        for (int key = 0; key < 15; ++key)
            benchmark::DoNotOptimize(
                ini.WriteInteger(QStringLiteral("Settings"), QStringLiteral("Key%1").arg(key), key));
    }
}
BENCHMARK(BM_SaveSettingsKeyByKey)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
