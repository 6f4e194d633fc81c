#include "ui/card/QrCodePreview.h"

#include "model/picture/QrCode.h"

#include <QPainter>
#include <algorithm>

QrCodePreview::QrCodePreview(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pbQrPreview"));
}

void QrCodePreview::SetModules(const QImage &modules)
{
    modules_ = modules;
    update();
}

void QrCodePreview::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int side = std::min(width(), height());
    const QRect square((width() - side) / 2, (height() - side) / 2, side, side);
    painter.fillRect(rect(), palette().window());
    painter.fillRect(square, Qt::white);
    const QRect inside = square.adjusted(1, 1, -1, -1);
    if (!modules_.isNull())
        drawCode(painter, inside);
    painter.setPen(palette().mid().color());
    painter.drawRect(square.adjusted(0, 0, -1, -1));
}

void QrCodePreview::drawCode(QPainter &painter, const QRect &inside) const
{
    const int count = modules_.width();
    if (count <= inside.width()) {
        DrawQrModules(painter, inside, modules_);
        return;
    }
    // A code with more modules than the preview has pixels is drawn smaller, its modules blended, so
    // that it is seen whole.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(inside.topLeft());
    painter.scale(double(inside.width()) / count, double(inside.height()) / count);
    DrawQrModules(painter, QRect(0, 0, count, count), modules_);
    painter.restore();
}
