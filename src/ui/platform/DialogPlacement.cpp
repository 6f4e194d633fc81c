#include "ui/platform/DialogPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

QRect availableArea(const QWidget *window)
{
    const QWidget *anchor = window->parentWidget() ? window->parentWidget() : window;
    QScreen *screen = anchor->screen() ? anchor->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

} // namespace

void CenterOnScreen(QWidget *dialog)
{
    const QRect area = availableArea(dialog);
    QRect frame = dialog->frameGeometry();
    frame.moveCenter(area.center());
    dialog->move(std::max(area.left(), frame.left()), std::max(area.top(), frame.top()));
}

QRect FitOnScreen(const QRect &rect, const QWidget *window)
{
    const QRect area = availableArea(window);
    const QSize minimum = window->minimumSizeHint().expandedTo(window->minimumSize());
    const int width = std::clamp(rect.width(), std::min(minimum.width(), area.width()), area.width());
    const int height = std::clamp(rect.height(), std::min(minimum.height(), area.height()), area.height());
    const int left = std::clamp(rect.left(), area.left(), area.right() + 1 - width);
    const int top = std::clamp(rect.top(), area.top(), area.bottom() + 1 - height);
    return QRect(left, top, width, height);
}
