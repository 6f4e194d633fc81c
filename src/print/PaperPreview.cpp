#include "print/PaperPreview.h"

#include "platform/TColor.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

constexpr TColor clBtnShadow = clSystemColor | 16;

// Rounded to the nearest integer, halves to the even one; held far inside the range of int.
int nearest(double value)
{
    if (!std::isfinite(value))
        return 0;
    return int(std::nearbyint(std::clamp(value, -1e8, 1e8)));
}

// The outline of (left, top) - (right, bottom) with right and bottom left out, filled inside.
void drawRectangle(QPainter &painter, int left, int top, int right, int bottom)
{
    if (right - left < 1 || bottom - top < 1)
        return;
    painter.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}

// Whether the cells after this one, `pitch` further on each, can no longer show in a view of size
// pixels; cells on one spot all look like the first.
bool pastView(int start, int end, std::int64_t pitch, int size)
{
    return pitch == 0 || (pitch > 0 && start > size) || (pitch < 0 && end < 0);
}

void fillRectangle(QPainter &painter, int left, int top, int right, int bottom, const QColor &color)
{
    painter.fillRect(QRect(left, top, right - left, bottom - top), color);
}

} // namespace

void PaintPaperPreview(QPainter &painter, QSize box, const PaperPreviewSheet &sheet, const TCardDef &cardDef)
{
    const double pw = sheet.PhysicalSize.width();
    const double ph = sheet.PhysicalSize.height();
    const double W = box.width();
    const double H = box.height();
    if (pw <= 0 || ph <= 0)
        return;
    int left = 0, top = 0, right = 0, bottom = 0;
    double k = 0; // preview pixels per device pixel
    double m = 0; // preview pixels per millimetre
    if (pw > ph) {
        right = int(W) - 5;
        top = nearest((H - (right - left) * ph / pw) / 2);
        bottom = int(H) - top;
        k = (right - left) / pw;
        m = (right - left) * 10.0 / sheet.PhysicalPaperSizeTenthMm.width();
    } else {
        bottom = int(H) - 5;
        left = nearest((W - (bottom - top) * pw / ph) / 2);
        right = int(W) - left;
        k = (bottom - top) / ph;
        m = (bottom - top) * 10.0 / sheet.PhysicalPaperSizeTenthMm.height();
    }
    const int pl = nearest(sheet.PhysicalOffset.x() * k) + left;
    const int pt = nearest(sheet.PhysicalOffset.y() * k) + top;
    const int pr = nearest(sheet.PrintableSize.width() * k) + pl;
    const int pb = nearest(sheet.PrintableSize.height() * k) + pt;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::white);
    painter.setPen(QPen(Qt::black, 1));
    drawRectangle(painter, left, top, right, bottom);
    painter.setPen(QPen(QColor(192, 192, 192), 1));
    drawRectangle(painter, pl, pt, pr, pb);
    const QColor shadow = ColorToQColor(clBtnShadow);
    fillRectangle(painter, right, top + 4, right + 4, bottom, shadow);
    fillRectangle(painter, left + 4, bottom, right + 4, bottom + 4, shadow);

    if (std::isfinite(m)) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(QBrush(shadow, Qt::BDiagPattern));
        painter.setBackgroundMode(Qt::TransparentMode);
        for (std::int64_t r = 0; r < cardDef.Lines; ++r) {
            const int cy =
                nearest((r * (double(cardDef.CardSizeY) + cardDef.LineSpace) + cardDef.TopMargin) * m / 10) +
                top;
            const int cb = nearest(cardDef.CardSizeY * m / 10) + cy;
            for (std::int64_t c = 0; c < cardDef.Columns; ++c) {
                const int cx =
                    nearest((c * (double(cardDef.CardSizeX) + cardDef.ColumnSpace) + cardDef.LeftMargin) * m /
                            10) +
                    left;
                const int cr = nearest(cardDef.CardSizeX * m / 10) + cx;
                drawRectangle(painter, cx, cy, cr, cb);
                if (pastView(cx, cr, std::int64_t(cardDef.CardSizeX) + cardDef.ColumnSpace, box.width()))
                    break;
            }
            if (pastView(cy, cb, std::int64_t(cardDef.CardSizeY) + cardDef.LineSpace, box.height()))
                break;
        }
    }
    painter.restore();
}
