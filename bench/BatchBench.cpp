#include "BusyCard.h"

#include "model/card/TVkVellumPanel.h"
#include "model/document/CardStream.h"
#include "model/sheet/CardSheetPdf.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// The busy card's sheet as a PDF file through the model, in the benchmark's own process.
void BM_BusyCardSheetPdf(benchmark::State &state)
{
    const std::unique_ptr<TVkVellumPanel> card = MakeBusyCard();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    for (auto _ : state)
        WriteCardSheetPdf(pdf, *card, BusyCardSheet(), 2, QStringLiteral("busy"));
    state.counters["pdf_bytes"] = double(QFileInfo(pdf).size());
}
BENCHMARK(BM_BusyCardSheetPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

// The whole vellumax process, from start to exit, as a script sees it.
void runVellumax(benchmark::State &state, const QStringList &arguments, const QString &home)
{
    for (auto _ : state) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("VELLUMAX_HOME"), home);
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(VELLUMAX_BINARY), arguments);
        if (!process.waitForFinished(120000) || process.exitCode() != 0) {
            state.SkipWithError("vellumax failed");
            return;
        }
    }
}

QString saveCard(const TVkVellumPanel &card, const QString &path)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    WriteCardStream(file, card, BusyCardSheet());
    return path;
}

void BM_VellumaxVersion(benchmark::State &state)
{
    QTemporaryDir home;
    runVellumax(state, {QStringLiteral("--version")}, home.path());
}
BENCHMARK(BM_VellumaxVersion)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_VellumaxExportEmptyCard(benchmark::State &state)
{
    QTemporaryDir home;
    TVkVellumPanel empty;
    empty.SetBounds(0, 0, 455, 275);
    const QString card = saveCard(empty, home.filePath(QStringLiteral("empty.vkc")));
    runVellumax(state, {QStringLiteral("--export"), home.filePath(QStringLiteral("empty.png")), card},
                home.path());
}
BENCHMARK(BM_VellumaxExportEmptyCard)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_VellumaxPdfBusyCardSheet(benchmark::State &state)
{
    QTemporaryDir home;
    const QString card = saveCard(*MakeBusyCard(), home.filePath(QStringLiteral("busy.vkc")));
    const QString pdf = home.filePath(QStringLiteral("busy.pdf"));
    runVellumax(state,
                {QStringLiteral("--pdf"), pdf, QStringLiteral("--marks"), QStringLiteral("cross"), card},
                home.path());
    state.counters["pdf_bytes"] = double(QFileInfo(pdf).size());
}
BENCHMARK(BM_VellumaxPdfBusyCardSheet)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
