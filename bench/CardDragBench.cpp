#include "BusyCard.h"

#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "ui/card/CardSurfaceView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QWindow>
#include <benchmark/benchmark.h>

namespace {

void sendMouse(QWidget &view, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(at), QPointF(view.mapToGlobal(at)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(&view, &event);
}

// One step of dragging a picture across the busy card: the mouse-move event and the repaint that
// shows the picture's outline at its new place.
void BM_BusyCardDragPicture(benchmark::State &state)
{
    auto card = MakeBusyCard();
    CardSurfaceView view(*card);
    view.show();
    // Until the window is exposed a repaint draws nothing.
    QElapsedTimer waiting;
    waiting.start();
    while (!view.windowHandle()->isExposed() && waiting.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    view.repaint();
    TVkDragLabel &picture = card->Object(kBusyCardFirstPicture);
    QPoint at = picture.BoundsRect().center();
    sendMouse(view, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    int dx = 3;
    for (auto _ : state) {
        if (at.x() + dx > 420 || at.x() + dx < 40)
            dx = -dx;
        at += QPoint(dx, dx > 0 ? 1 : -1);
        sendMouse(view, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
        view.repaint();
    }
    sendMouse(view, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}
BENCHMARK(BM_BusyCardDragPicture)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);

} // namespace
