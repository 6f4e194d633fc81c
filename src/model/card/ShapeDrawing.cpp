#include "model/card/ShapeDrawing.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace {

// A pen of width 0 or 1 is a one-pixel line. Wider pens have round ends and joins; a pen wider
// than twice the box covers it whole, so wider ones draw nothing more.
int strokeWidth(int penWidth, const QRect &box)
{
    const qint64 widest = 2 * qint64(std::max({box.width(), box.height(), 1})) + 2;
    return int(std::clamp<qint64>(penWidth, 1, widest));
}

// The path the pen follows: its stroke covers exactly `p` whole pixels inward from the box's
// edges, whether p is odd or even.
QRectF strokePath(const QRect &box, int p)
{
    const double half = p / 2.0;
    return QRectF(box.left() + half, box.top() + half, box.width() - p, box.height() - p);
}

// A one-pixel line runs from its first to its last pixel, both drawn.
void drawThinLine(QPainter &canvas, const QRect &box, TDrawMode mode)
{
    const int left = box.left();
    const int right = box.left() + box.width() - 1;
    const int top = box.top();
    const int bottom = box.top() + box.height() - 1;
    const int middleY = box.top() + box.height() / 2;
    const int middleX = box.left() + box.width() / 2;
    switch (mode) {
    case dmLineHorz: canvas.drawLine(left, middleY, right, middleY); break;
    case dmLineVert: canvas.drawLine(middleX, top, middleX, bottom); break;
    case dmLineLR: canvas.drawLine(left, top, right, bottom); break;
    case dmLineRL: canvas.drawLine(right, top, left, bottom); break;
    default: break;
    }
}

// A wide line is inset by half its width, so that its round ends stay within the box.
void drawWideLine(QPainter &canvas, const QRect &box, TDrawMode mode, int p)
{
    const int h = p / 2;
    // Odd pens centre on a pixel, even pens on the edge between two pixels.
    const double odd = (p % 2) ? 0.5 : 0.0;
    const double left = box.left() + h + odd;
    const double right = box.left() + box.width() - h - odd;
    const double top = box.top() + h + odd;
    const double bottom = box.top() + box.height() - h - odd;
    const double middleY = box.top() + box.height() / 2 + odd;
    const double middleX = box.left() + box.width() / 2 + odd;
    switch (mode) {
    case dmLineHorz: canvas.drawLine(QPointF(left, middleY), QPointF(right, middleY)); break;
    case dmLineVert: canvas.drawLine(QPointF(middleX, top), QPointF(middleX, bottom)); break;
    case dmLineLR: canvas.drawLine(QPointF(left, top), QPointF(right, bottom)); break;
    case dmLineRL: canvas.drawLine(QPointF(right, top), QPointF(left, bottom)); break;
    default: break;
    }
}

} // namespace

QSize RoundRectCorner(int diameter, const QSize &box)
{
    if (diameter == 0)
        return QSize(box.width() / 2, box.height() / 2);
    return QSize(diameter, diameter);
}

void DrawShape(QPainter &canvas, const QRect &box, const ShapeStyle &style)
{
    if (style.mode == dmNone)
        return;
    const int p = strokeWidth(style.penWidth, box);
    canvas.save();
    canvas.setRenderHint(QPainter::Antialiasing, false);
    canvas.setPen(QPen(style.penColor, p, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    canvas.setBrush(style.fill ? QBrush(style.brushColor) : QBrush(Qt::NoBrush));
    const QRectF path = strokePath(box, p);
    switch (style.mode) {
    case dmRectangle: canvas.drawRect(path); break;
    case dmRoundRect:
        canvas.drawRoundedRect(path, style.corner.width() / 2.0, style.corner.height() / 2.0,
                               Qt::AbsoluteSize);
        break;
    case dmCircle: canvas.drawEllipse(path); break;
    default:
        if (p == 1) {
            canvas.setPen(QPen(style.penColor, 0)); // a cosmetic pen draws exactly the pixels named
            drawThinLine(canvas, box, style.mode);
        } else {
            drawWideLine(canvas, box, style.mode, p);
        }
        break;
    }
    canvas.restore();
}

void FillBorder(QPainter &canvas, const QRect &rect, int thickness, const QColor &color)
{
    const int t = std::min({thickness, (rect.width() + 1) / 2, (rect.height() + 1) / 2});
    if (t <= 0)
        return;
    canvas.fillRect(QRect(rect.left(), rect.top(), rect.width(), t), color);
    canvas.fillRect(QRect(rect.left(), rect.bottom() - t + 1, rect.width(), t), color);
    const int sideHeight = rect.height() - 2 * t;
    if (sideHeight <= 0)
        return;
    canvas.fillRect(QRect(rect.left(), rect.top() + t, t, sideHeight), color);
    canvas.fillRect(QRect(rect.right() - t + 1, rect.top() + t, t, sideHeight), color);
}
