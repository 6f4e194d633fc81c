#pragma once

#include "model/card/CardTypes.h"
#include "model/platform/TColor.h"

#include <QFont>
#include <QString>

// The font of a text object as documents store it. Height is in pixels at 96 dpi: negative for the
// character height (the usual case), positive for the cell height. The face name is kept exactly
// as stored; drawing maps it to an installed look-alike.
struct CardFont {
    int Charset = SHIFTJIS_CHARSET;
    TColor Color = clWindowText;
    int Height = -12;
    QString Name = QStringLiteral("ＭＳ Ｐゴシック");
    TFontPitch Pitch = fpDefault;
    std::uint8_t Style = 0; // TFontStyle bits

    // Points at 96 dpi, as the text dialog shows them; and the height for a size in points.
    int SizeInPoints() const;
    void SetSizeInPoints(int points);
    // The height of the characters on the card, in surface pixels, which print at 5 per mm: the
    // size in points above is a screen size, and a size of 24 prints at 18.1 pt.
    double CharacterHeight() const;
    double PrintedPoints() const;

    // The font to draw with, sized in pixels so that the card looks the same at any screen setting.
    QFont ToQFont() const;
    QFont ToQFont(double scale) const;

    bool operator==(const CardFont &) const = default;
};
