#include "model/sheet/SheetLibrary.h"
#include "printer/TQdPrinter.h"
#include "ui/print/TQdPrinterSetupDialog.h"
#include "ui/print/TfrmPaperSetup.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kSheets = 2000;

// A folder of sheet templates holding kSheets business card sheets of 40 makers, as large as the
// sheets of every template package together.
struct LibraryFolder {
    LibraryFolder()
    {
        QByteArray xml = "<?xml version=\"1.0\"?>\n<Glabels-templates>\n";
        for (int i = 0; i < kSheets; ++i)
            xml += QStringLiteral(
                       "<Template brand=\"Maker%1\" part=\"MC-%2\" size=\"A4\" description=\"Business "
                       "cards 91x55 10 up\"><Meta category=\"business-card\"/><Label-rectangle "
                       "width=\"91mm\" height=\"55mm\"><Layout nx=\"2\" ny=\"5\" x0=\"14mm\" "
                       "y0=\"11mm\" dx=\"91mm\" dy=\"55mm\"/></Label-rectangle></Template>\n")
                       .arg(i % 40)
                       .arg(10000 + i)
                       .toUtf8();
        xml += "</Glabels-templates>\n";
        QFile file(dir.filePath("bench-templates.xml"));
        if (file.open(QIODevice::WriteOnly))
            file.write(xml);
        qputenv("VELLUMAX_HOME", home.path().toUtf8());
        QFile::copy(QDir(QCoreApplication::applicationDirPath()).filePath("../CardDef.Def"),
                    home.filePath("CardDef.Def"));
    }
    ~LibraryFolder() { qunsetenv("VELLUMAX_HOME"); }
    SheetLibrarySources Sources() const { return {.TemplateFolders = {dir.path()}}; }
    QTemporaryDir dir;
    QTemporaryDir home;
};

// The library and the printer the paper setup is made with; without a printer the dialog would
// stop at its message, so the benchmark is skipped.
struct PaperSetupParts {
    explicit PaperSetupParts(benchmark::State &state)
    {
        if (printer.Printers().empty())
            state.SkipWithError("no printer: the dialog would stop at its message");
    }
    bool Ready() const { return !printer.Printers().empty(); }
    std::unique_ptr<TfrmPaperSetup> Open()
    {
        auto dialog = std::make_unique<TfrmPaperSetup>(printer, setupDialog, nullptr, folder.Sources());
        dialog->show();
        dialog->findChild<QListView *>("lstLibrary")->viewport()->repaint();
        QCoreApplication::processEvents();
        return dialog;
    }
    const LibraryFolder folder;
    TQdPrinter printer;
    TQdPrinterSetupDialog setupDialog{printer};
};

} // namespace

// The paper setup from the command's call to its first paint, with kSheets sheets in the library
// and the list of found sheets drawn.
static void BM_PaperSetupOpenWithLibrary(benchmark::State &state)
{
    PaperSetupParts parts(state);
    if (!parts.Ready())
        return;
    for (auto _ : state)
        parts.Open();
}
BENCHMARK(BM_PaperSetupOpenWithLibrary)->Unit(benchmark::kMillisecond);

// One key typed into the search box: the sheets found again and the list drawn anew.
static void BM_PaperSetupSearchKeystroke(benchmark::State &state)
{
    PaperSetupParts parts(state);
    if (!parts.Ready())
        return;
    const std::unique_ptr<TfrmPaperSetup> dialog = parts.Open();
    auto *search = dialog->findChild<QLineEdit *>("edtSheetSearch");
    auto *list = dialog->findChild<QListView *>("lstLibrary");
    const QString typed = QStringLiteral("maker1 mc-1 91x55");
    int at = 0;
    for (auto _ : state) {
        at = at % typed.size() + 1;
        search->setText(typed.left(at));
        list->viewport()->repaint();
    }
}
BENCHMARK(BM_PaperSetupSearchKeystroke)->Unit(benchmark::kMillisecond);

// Reading every sheet this system has: the program's card stock and whatever template packages
// and label lists are installed.
static void BM_ReadSystemSheetLibrary(benchmark::State &state)
{
    const SheetLibrarySources sources = SystemSheetLibrarySources();
    for (auto _ : state)
        benchmark::DoNotOptimize(SheetLibrary::Read(sources).Sheets().size());
}
BENCHMARK(BM_ReadSystemSheetLibrary)->Unit(benchmark::kMillisecond);
