#include "model/card/TVkDragLabel.h"
#include "model/card/TextDrawing.h"
#include "model/card/TextEffects.h"

#include <QPainter>

namespace {

// Empties the object's work images when the drawing that uses them ends, however it ends.
class WorkImagesRelease {
public:
    WorkImagesRelease(QImage &composite, QImage &mask, QImage &smooth) : images_{&composite, &mask, &smooth}
    {
    }
    ~WorkImagesRelease()
    {
        for (QImage *image : images_)
            *image = QImage();
    }
    WorkImagesRelease(const WorkImagesRelease &) = delete;
    WorkImagesRelease &operator=(const WorkImagesRelease &) = delete;

private:
    QImage *images_[3];
};

// The text in black on white, every pixel either ink or not; `origin` is where the object's
// top-left corner falls in the mask.
QImage textMask(const QStringList &lines, QFont font, const QSize &size, const QPoint &origin)
{
    QImage mask(size, QImage::Format_RGB32);
    if (mask.isNull())
        return mask;
    mask.fill(Qt::white);
    font.setStyleStrategy(QFont::NoAntialias);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(Qt::black);
    DrawTextLines(painter, lines, origin.x(), origin.y());
    return mask;
}

void drawImageAt(QImage &canvas, const QImage &image, const QPoint &at, const QRect &clip)
{
    QPainter painter(&canvas);
    painter.setClipRect(clip);
    painter.drawImage(at, image);
}

} // namespace

void TVkDragLabel::drawText(QImage &canvas, const QRect &box, const QRect &clip)
{
    const QColor ink = ColorToQColor(font_.Color);
    const QFont font = font_.ToQFont();
    // While the button is held the text follows the mouse, so it is drawn plainly.
    const bool opacity = alphaChannel_ < 100 && !buttonHeld_;
    const bool smoothing = antiAlias_ && !buttonHeld_;
    if (!opacity) {
        // Drawn onto another image, plain text may run past the object's rectangle as it does in
        // print; on the surface, the clip of Paint keeps it inside.
        QPainter painter(&canvas);
        if (clip.isValid())
            painter.setClipRect(clip);
        painter.setFont(font);
        painter.setPen(ink);
        DrawTextLines(painter, caption_, box.left(), box.top());
    }
    QRect visible = box & canvas.rect();
    if (clip.isValid())
        visible &= clip;
    if ((!opacity && !smoothing) || visible.isEmpty())
        return;

    // The effects work on the visible part of the object and the one-pixel ring round it that
    // smoothing reads, so that a huge object never needs images of its whole size.
    const QRect work = visible.adjusted(-1, -1, 1, 1) & box;
    const WorkImagesRelease release(compositeImage_, maskImage_, smoothImage_);
    compositeImage_ = canvas.copy(work).convertToFormat(QImage::Format_RGB32);
    maskImage_ = textMask(caption_, font, work.size(), box.topLeft() - work.topLeft());
    if (opacity) {
        BlendInk(compositeImage_, maskImage_, ink, alphaChannel_);
        drawImageAt(canvas, compositeImage_, work.topLeft(), visible);
    }
    if (!smoothing)
        return;
    smoothImage_ = SmoothInkEdges(compositeImage_, maskImage_, box.translated(-work.topLeft()));
    drawImageAt(canvas, smoothImage_, work.topLeft(), visible);
}
