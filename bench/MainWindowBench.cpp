#include "ui/app/TfrmMain.h"
#include "ui/card/CardSurfaceView.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Counts paints of the card on screen.
class PaintWatch : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

} // namespace

// From an existing application object to the card's first paint: building the window, reading the
// settings and the card sheets, laying out the card and showing it.
static void BM_MainWindowToFirstPaint(benchmark::State &state)
{
    QTemporaryDir home;
    QFile::copy(QDir(QCoreApplication::applicationDirPath()).filePath("../CardDef.Def"),
                home.filePath("CardDef.Def"));
    qputenv("VELLUMAX_HOME", home.path().toUtf8());
    for (auto _ : state) {
        TfrmMain form;
        PaintWatch watch;
        form.SurfaceView().installEventFilter(&watch);
        if (!form.Startup({})) {
            state.SkipWithError("no card sheets");
            break;
        }
        form.show();
        while (!watch.painted)
            QCoreApplication::processEvents();
    }
    qunsetenv("VELLUMAX_HOME");
}
BENCHMARK(BM_MainWindowToFirstPaint)->Unit(benchmark::kMillisecond);
