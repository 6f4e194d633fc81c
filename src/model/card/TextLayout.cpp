#include "model/card/TextLayout.h"

#include "model/card/CardZoom.h"
#include "model/card/HorizontalTextLayout.h"
#include "model/card/VerticalTextLayout.h"

#include <QFontMetrics>
#include <QPainter>

std::unique_ptr<TextLayout> LayOutText(const QStringList &lines, const CardFont &font, const TextStyle &style,
                                       bool plainInk)
{
    QFont qfont = font.ToQFont();
    if (style.Vertical)
        return std::make_unique<VerticalTextLayout>(lines, qfont, style);
    if (plainInk)
        qfont.setStyleStrategy(QFont::NoAntialias);
    SetLetterSpacingPixels(qfont, OrderKeepingSpacing(qfont, lines, style.LetterSpacingPixels()), nullptr);
    return std::make_unique<HorizontalTextLayout>(lines, qfont, style, 2,
                                                  HorizontalTextLayout::Shaping::Once);
}

namespace {

// Spaces the painter's font, set at some scale, so that the widest line spans the width it has on
// the card surface, scaled: hinting at another size would make lines longer or shorter than the
// card shows them. The surface's width, not the object's, is the measure: a merged record, a box
// wider than its text or a card never shown on a screen would otherwise have its lines stretched
// or crushed.
void fitSurfaceWidth(QPainter &canvas, const QStringList &lines, const CardFont &font, const TextStyle &style,
                     double scale)
{
    QFont surfaceFont = font.ToQFont();
    SetLetterSpacingPixels(surfaceFont, OrderKeepingSpacing(surfaceFont, lines, style.LetterSpacingPixels()),
                           nullptr);
    const QString widest = WidestLine(canvas, lines);
    FitCharacterSpacing(canvas, widest,
                        ZoomedLength(QFontMetrics(surfaceFont).horizontalAdvance(widest), scale));
}

} // namespace

std::unique_ptr<TextLayout> LayOutZoomedText(const QStringList &lines, const CardFont &font,
                                             const TextStyle &style, double scale, QPainter &canvas)
{
    if (style.Vertical)
        return std::make_unique<VerticalTextLayout>(lines, font.ToQFont(), style, scale);
    canvas.setFont(font.ToQFont(scale));
    fitSurfaceWidth(canvas, lines, font, style, scale);
    return std::make_unique<HorizontalTextLayout>(lines, canvas.font(), style, ZoomedLength(2, scale));
}

std::unique_ptr<TextLayout> LayOutScaledText(const QStringList &lines, const CardFont &font,
                                             const TextStyle &style, double scale, QPainter &canvas)
{
    if (style.Vertical)
        return std::make_unique<VerticalTextLayout>(lines, font.ToQFont(), style, scale);
    CardFont scaledFont = font;
    scaledFont.Height = ZoomedLength(font.Height, scale);
    canvas.setFont(scaledFont.ToQFont());
    fitSurfaceWidth(canvas, lines, font, style, scale);
    return std::make_unique<HorizontalTextLayout>(lines, canvas.font(), style);
}
