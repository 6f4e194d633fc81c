#pragma once

#include "model/card/TextLayout.h"

#include <QImage>
#include <memory>

// Keeps a text object's last layouts while its lines, font and style stay the same. Laying out
// vertical text shapes every character with the font, too slow to repeat at each repaint of a drag.
class TextLayoutCache {
public:
    // The layout for the screen, or with `plainInk` the one for the mask of the text effects.
    const TextLayout &Get(const QStringList &lines, const CardFont &font, const TextStyle &style,
                          bool plainInk = false);
    // The mask of the text effects (see TextEffects.h) of an image of `size` in which the object's
    // rectangle is `box`. It is kept too: a repaint or an export asks for the same one again.
    const QImage &Mask(const QStringList &lines, const CardFont &font, const TextStyle &style,
                       const QSize &size, const QRect &box);

private:
    struct Entry {
        QStringList lines;
        CardFont font;
        TextStyle style;
        std::unique_ptr<TextLayout> layout;
    };
    // Belongs to the plain-ink layout, and goes with it.
    struct KeptMask {
        QSize size;
        QRect box;
        QImage image;
    };
    Entry entries_[2];
    KeptMask mask_;
};
