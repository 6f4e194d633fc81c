#include "model/card/TVkDragLabel.h"
#include "model/card/TextEffects.h"
#include "model/card/TextLayoutCache.h"

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

} // namespace

void TVkDragLabel::drawText(QPainter &canvas, const QRect &box, bool plain, const QStringList &lines) const
{
    const QColor ink = ColorToQColor(font_.Color);
    // While the button is held the text follows the mouse, so it is drawn plainly.
    const bool opacity = alphaChannel_ < 100 && !plain;
    const bool smoothing = antiAlias_ && !plain;
    if (!opacity) {
        // Drawn onto another image, plain text may run past the object's rectangle as it does in
        // print; on the surface, the clip of Paint keeps it inside.
        canvas.setPen(ink);
        textLayouts_.Get(lines, font_, textStyle_).Draw(canvas, box);
    }
    const QImage &image = *static_cast<const QImage *>(canvas.device());
    QRect visible = box & image.rect();
    if (const QRect clip = surfaceClip(canvas); clip.isValid())
        visible &= clip;
    if ((opacity || smoothing) && !visible.isEmpty())
        drawTextEffects(canvas, box, visible, {0, ink.rgb(), alphaChannel_, opacity, smoothing}, lines);
}

// The effects work on the visible part of the object and the one-pixel ring round it that
// smoothing reads, so that a huge object never needs images of its whole size.
void TVkDragLabel::drawTextEffects(QPainter &canvas, const QRect &box, const QRect &visible,
                                   TextEffectCache::Recipe recipe, const QStringList &lines) const
{
    const QImage &image = *static_cast<const QImage *>(canvas.device());
    const QRect work = visible.adjusted(-1, -1, 1, 1) & box;
    const QRect object = box.translated(-work.topLeft());
    const WorkImagesRelease release(compositeImage_, maskImage_, smoothImage_);
    compositeImage_ = image.copy(work).convertToFormat(QImage::Format_RGB32);
    maskImage_ = textLayouts_.Mask(lines, font_, textStyle_, work.size(), object);
    recipe.maskKey = maskImage_.cacheKey();
    canvas.setClipRect(visible, Qt::IntersectClip);
    if (const QImage *kept = textEffects_.Find(compositeImage_, recipe)) {
        canvas.drawImage(work.topLeft(), *kept);
        return;
    }
    const QImage beneath = compositeImage_;
    if (recipe.opacity)
        BlendInk(compositeImage_, maskImage_, QColor(recipe.ink), recipe.alphaPercent);
    // The smoothed image is the blended one with its corners softened, so only the last is drawn.
    if (recipe.smoothing)
        smoothImage_ = SmoothInkEdges(compositeImage_, maskImage_, object);
    const QImage &result = recipe.smoothing ? smoothImage_ : compositeImage_;
    canvas.drawImage(work.topLeft(), result);
    textEffects_.Keep(beneath, recipe, result);
}
