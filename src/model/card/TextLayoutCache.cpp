#include "model/card/TextLayoutCache.h"

const TextLayout &TextLayoutCache::Get(const QStringList &lines, const CardFont &font, const TextStyle &style,
                                       bool plainInk)
{
    Entry &entry = entries_[plainInk ? 1 : 0];
    if (!entry.layout || entry.lines != lines || entry.font != font || entry.style != style)
        entry = {lines, font, style, LayOutText(lines, font, style, plainInk)};
    return *entry.layout;
}
