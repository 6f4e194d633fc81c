#include "ui/card/CardSurfaceView.h"

#include "model/card/CardZoom.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace {

Qt::CursorShape cursorShape(int cursor)
{
    switch (cursor) {
    case crSizeWE: return Qt::SizeHorCursor;
    case crSizeNS: return Qt::SizeVerCursor;
    case crSizeNWSE: return Qt::SizeFDiagCursor;
    case crSizeNESW: return Qt::SizeBDiagCursor;
    default: return Qt::ArrowCursor;
    }
}

} // namespace

QPoint CardSurfaceView::SurfacePoint(const QPointF &screenPoint) const
{
    const double scale = panel_.ZoomScale();
    return QPoint(int(std::floor(screenPoint.x() / scale)), int(std::floor(screenPoint.y() / scale)));
}

QRect CardSurfaceView::ScreenRect(const QRect &surfaceRect) const
{
    return ZoomedRect(surfaceRect, panel_.ZoomScale());
}

QPoint CardSurfaceView::surfacePoint(const QMouseEvent *event) const
{
    return SurfacePoint(event->position());
}

QPoint CardSurfaceView::objectPoint(const TVkDragLabel &object, const QMouseEvent *event) const
{
    return surfacePoint(event) - object.BoundsRect().topLeft();
}

CardSurfaceView::CardSurfaceView(TVkVellumPanel &panel, QWidget *parent)
    : QWidget(parent), panel_(panel), objectMouse_(panel)
{
    setObjectName(QStringLiteral("zzCardBase"));
    setAttribute(Qt::WA_OpaquePaintEvent); // the paint covers every pixel
    setMouseTracking(true);                // hovering over a selected object shows its resize cursor
    // Rounding at a zoom or on a high-resolution screen may reach one screen pixel further.
    panel_.OnRepaintRequested = [this](const QRect &rect) {
        // A record's values may draw a text larger than its bounds, wherever it was before.
        if (shownRecord_)
            update();
        else
            update(ScreenRect(rect).adjusted(-1, -1, 1, 1));
    };
    panel_.OnBoundsChanged = [this] { followBounds(); };
    followBounds();
}

CardSurfaceView::~CardSurfaceView()
{
    panel_.OnRepaintRequested = nullptr;
    panel_.OnBoundsChanged = nullptr;
}

void CardSurfaceView::followBounds()
{
    const QRect bounds = panel_.BoundsRect();
    setGeometry(QRect(bounds.topLeft(), ScreenRect(QRect(QPoint(0, 0), bounds.size())).size()));
}

void CardSurfaceView::paintEvent(QPaintEvent *event)
{
    const QSize size(panel_.Width(), panel_.Height());
    if (size.isEmpty())
        return;
    if (panel_.Zoom() != 100 || devicePixelRatioF() != 1.0) {
        // The screen image of 100 % would be stale when the view comes back to it.
        buffer_ = QImage();
        paintZoomed(event->rect());
        return;
    }
    if (buffer_.size() != size) {
        // A new buffer is painted whole: the text effects read the pixels round the dirty area.
        buffer_ = QImage(size, QImage::Format_RGB32);
        panel_.Paint(buffer_, buffer_.rect(), objectMouse_.Held(), ShownRecord());
    } else {
        panel_.Paint(buffer_, event->rect(), objectMouse_.Held(), ShownRecord());
    }
    QPainter painter(this);
    painter.drawImage(event->rect(), buffer_, event->rect());
}

void CardSurfaceView::paintZoomed(const QRect &dirty)
{
    // Drawn in device pixels, so that text, lines and pictures are as sharp as the screen allows;
    // only the dirty part is drawn, so that a card at 800 % never needs an image of its whole size.
    const qreal ratio = devicePixelRatioF();
    const QRect device =
        QRectF(QPointF(dirty.topLeft()) * ratio, QSizeF(dirty.size()) * ratio).toAlignedRect();
    QImage tile(device.size(), QImage::Format_RGB32);
    if (tile.isNull())
        return;
    {
        QPainter canvas(&tile);
        canvas.translate(-device.topLeft());
        panel_.PaintZoomed(canvas, device, panel_.ZoomScale() * ratio, ratio, objectMouse_.Held(),
                           ShownRecord());
    }
    tile.setDevicePixelRatio(ratio);
    QPainter painter(this);
    painter.drawImage(QPointF(device.topLeft()) / ratio, tile);
}

void CardSurfaceView::SetMergeRecord(const MergeTable *table, int record)
{
    mergeTable_ = table;
    shownRecord_.reset();
    if (table)
        shownRecord_.emplace(*table, record);
    // Every text with fields may change, and the text effects read pixels round what changes.
    buffer_ = QImage();
    update();
}

TVkDragLabel *CardSurfaceView::capturedObject() const
{
    // A handler may have deleted the object (a command run from its events).
    return captured_ && panel_.IndexOf(captured_) >= 0 ? captured_ : nullptr;
}

void CardSurfaceView::endLostDrag()
{
    TVkDragLabel *object = capturedObject();
    captured_ = nullptr;
    if (object)
        objectMouse_.Release(*object);
}

void CardSurfaceView::press(QMouseEvent *event, bool doubleClick)
{
    // While another button is held, the object it went down on keeps the mouse for this press too.
    TVkDragLabel *held = event->buttons() != event->button() ? capturedObject() : nullptr;
    if (!held)
        endLostDrag();
    TVkDragLabel *object = held ? held : panel_.ObjectAt(surfacePoint(event));
    if (!object) {
        captured_ = nullptr;
        if (OnSurfaceMouseDown)
            OnSurfaceMouseDown(event->button(), surfacePoint(event));
        return;
    }
    captured_ = object;
    const bool resizable = (object->IsPicture() || object->IsShape()) && object->Selected();
    const QPoint at = objectPoint(*object, event);
    objectMouse_.Press(*object, event->button(), at, doubleClick);
    if (resizable && capturedObject())
        setCursor(cursorShape(objectMouse_.CursorAt(*object, at)));
}

void CardSurfaceView::mousePressEvent(QMouseEvent *event)
{
    press(event, false);
}

void CardSurfaceView::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The platform reports a double click in place of the second press.
    press(event, true);
}

void CardSurfaceView::mouseMoveEvent(QMouseEvent *event)
{
    if (TVkDragLabel *object = capturedObject(); object && event->buttons() != Qt::NoButton) {
        objectMouse_.Move(*object, objectPoint(*object, event));
        return;
    }
    if (event->buttons() == Qt::NoButton)
        endLostDrag();
    const TVkDragLabel *hovered = panel_.ObjectAt(surfacePoint(event));
    setCursor(
        cursorShape(hovered ? objectMouse_.CursorAt(*hovered, objectPoint(*hovered, event)) : crDefault));
}

void CardSurfaceView::mouseReleaseEvent(QMouseEvent *event)
{
    TVkDragLabel *object = capturedObject();
    if (event->buttons() == Qt::NoButton)
        captured_ = nullptr;
    if (object)
        objectMouse_.Release(*object);
}

void CardSurfaceView::contextMenuEvent(QContextMenuEvent *event)
{
    if (OnContextMenu)
        OnContextMenu(panel_.ObjectAt(SurfacePoint(event->pos())), event->globalPos());
}
