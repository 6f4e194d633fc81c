#pragma once

#include "model/card/CardFont.h"
#include "model/card/TextStyle.h"

#include <QSize>
#include <QStringList>
#include <functional>

// The extents of the texts measured last, shared by every object of the thread. Reading a card,
// as undo and redo do, makes its objects anew, each with empty layout caches; the texts they
// measure were mostly measured a moment before, and shaping them again would cost more than all
// the rest of reading the card.
class TextExtentCache {
public:
    static QSize Get(const QStringList &lines, const CardFont &font, const TextStyle &style,
                     const std::function<QSize()> &measure);
};
