#include "model/card/TextLayoutCache.h"

#include "model/card/TextEffects.h"

const TextLayout &TextLayoutCache::Get(const QStringList &lines, const CardFont &font, const TextStyle &style,
                                       bool plainInk)
{
    Entry &entry = entries_[plainInk ? 1 : 0];
    if (!entry.layout || entry.lines != lines || entry.font != font || entry.style != style) {
        entry = {lines, font, style, LayOutText(lines, font, style, plainInk)};
        if (plainInk)
            mask_ = {};
    }
    return *entry.layout;
}

const QImage &TextLayoutCache::Mask(const QStringList &lines, const CardFont &font, const TextStyle &style,
                                    const QSize &size, const QRect &box)
{
    const TextLayout &layout = Get(lines, font, style, true);
    if (mask_.size != size || mask_.box != box || mask_.image.isNull())
        mask_ = {size, box, DrawInkMask(layout, size, box)};
    return mask_.image;
}
