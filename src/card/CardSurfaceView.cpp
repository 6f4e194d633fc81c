#include "card/CardSurfaceView.h"

#include "card/TVkVellumPanel.h"

#include <QPaintEvent>
#include <QPainter>

CardSurfaceView::CardSurfaceView(TVkVellumPanel &panel, QWidget *parent) : QWidget(parent), panel_(panel)
{
    setObjectName(QStringLiteral("zzCardBase"));
    setAttribute(Qt::WA_OpaquePaintEvent); // the paint covers every pixel
    panel_.OnRepaintRequested = [this](const QRect &rect) { update(rect); };
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
    setGeometry(panel_.BoundsRect());
}

void CardSurfaceView::paintEvent(QPaintEvent *event)
{
    const QSize size(panel_.Width(), panel_.Height());
    if (size.isEmpty())
        return;
    if (buffer_.size() != size)
        buffer_ = QImage(size, QImage::Format_RGB32);
    panel_.Paint(buffer_, event->rect());
    QPainter painter(this);
    painter.drawImage(event->rect(), buffer_, event->rect());
}
