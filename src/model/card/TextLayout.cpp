#include "model/card/TextLayout.h"

#include "model/card/CardZoom.h"
#include "model/card/HorizontalTextLayout.h"
#include "model/card/ReachableRect.h"
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
    SetLetterSpacingPixels(qfont, style.LetterSpacingPixels(), nullptr);
    return std::make_unique<HorizontalTextLayout>(lines, qfont, style, 2,
                                                  HorizontalTextLayout::Shaping::Once);
}

std::unique_ptr<TextLayout> LayOutZoomedText(const QStringList &lines, const CardFont &font,
                                             const TextStyle &style, double scale, QPainter &canvas)
{
    if (style.Vertical)
        return std::make_unique<VerticalTextLayout>(lines, font.ToQFont(), style, scale);
    QFont natural = font.ToQFont();
    SetLetterSpacingPixels(natural, style.LetterSpacingPixels(), nullptr);
    canvas.setFont(font.ToQFont(scale));
    const QString widest = WidestLine(canvas, lines);
    FitCharacterSpacing(canvas, widest, ZoomedLength(QFontMetrics(natural).horizontalAdvance(widest), scale));
    return std::make_unique<HorizontalTextLayout>(lines, canvas.font(), style, ZoomedLength(2, scale));
}

std::unique_ptr<TextLayout> LayOutScaledText(const QStringList &lines, const CardFont &font,
                                             const TextStyle &style, double scale, const QSize &objectSize,
                                             QPainter &canvas)
{
    if (style.Vertical)
        return std::make_unique<VerticalTextLayout>(lines, font.ToQFont(), style, scale);
    CardFont scaledFont = font;
    scaledFont.Height = ZoomedLength(font.Height, scale);
    canvas.setFont(scaledFont.ToQFont());
    FitCharacterSpacing(canvas, WidestLine(canvas, lines),
                        ZoomedLength(SaturatedInt(objectSize.width() - 4LL), scale));
    return std::make_unique<HorizontalTextLayout>(lines, canvas.font(), style);
}
