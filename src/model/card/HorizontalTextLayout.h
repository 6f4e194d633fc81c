#pragma once

#include "model/card/TextDrawing.h"
#include "model/card/TextLayout.h"

#include <QFont>

// Lines one below the other, each drawn as a run of text in the font (with its letter spacing).
class HorizontalTextLayout : public TextLayout {
public:
    // `inset` pixels keep the text off the object's edges.
    HorizontalTextLayout(const QStringList &lines, const QFont &font, const TextStyle &style, int inset = 2);

    QSize Extent() const override;
    void Draw(QPainter &canvas, const QRect &box) const override;

private:
    QStringList lines_;
    QFont font_;
    TextStyle style_;
    int inset_;
};
