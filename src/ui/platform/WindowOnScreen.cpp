#include "ui/platform/WindowOnScreen.h"

#include "ui/platform/DialogPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace {

// Enough of the top edge to take hold of the window with the pointer.
constexpr int kGripWidth = 100;
constexpr int kGripHeight = 20;

bool reachable(const QRect &rect)
{
    const QRect grip(rect.left(), rect.top(), rect.width(), std::min(rect.height(), kGripHeight));
    const auto screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [&grip](const QScreen *screen) {
        const QRect shared = grip.intersected(screen->availableGeometry());
        return shared.height() == grip.height() && shared.width() >= std::min(grip.width(), kGripWidth);
    });
}

} // namespace

QRect KeepOnScreens(const QRect &rect, const QWidget *window)
{
    return reachable(rect) ? rect : FitOnScreen(rect, window);
}
