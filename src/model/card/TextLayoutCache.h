#pragma once

#include "model/card/TextLayout.h"

#include <memory>

// Keeps a text object's last layouts while its lines, font and style stay the same. Laying out
// vertical text shapes every character with the font, too slow to repeat at each repaint of a drag.
class TextLayoutCache {
public:
    // The layout for the screen, or with `plainInk` the one for the mask of the text effects.
    const TextLayout &Get(const QStringList &lines, const CardFont &font, const TextStyle &style,
                          bool plainInk = false);

private:
    struct Entry {
        QStringList lines;
        CardFont font;
        TextStyle style;
        std::unique_ptr<TextLayout> layout;
    };
    Entry entries_[2];
};
