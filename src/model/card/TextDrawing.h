#pragma once

#include "model/card/CardTypes.h"

#include <QSize>
#include <QStringList>

class QFont;
class QFontMetrics;
class QPaintDevice;
class QPainter;

// Horizontal text blocks are laid out line by line from their top-left corner, each line as high
// as the font's cell; an empty line between others is as high as a space. Layout never wraps.

// Where the lines of a block go: the line spacing in percent of the font's cell, and the alignment
// of each line within `width` pixels (no width: each line starts at the left).
struct LinePlacement {
    TTextAlignment alignment = taLeftJustify;
    int width = 0;
    int lineSpacing = 100;
};

// Pixels from one line's top to the next, never below one.
int LinePitch(const QFontMetrics &metrics, int lineSpacing);

// The natural extent of the lines in the font: the widest line, and the line pitches down to the
// last line's cell. No lines measure 0 x 0.
QSize MeasureTextLines(const QStringList &lines, const QFont &font, int lineSpacing = 100);

// Draws the lines with the painter's font and pen, the first line's top at y + 2 and each line
// from x + 2 (or aligned in the placement's width from there), inside the 2-pixel inset of a text
// object.
void DrawTextLines(QPainter &canvas, const QStringList &lines, int x, int y,
                   const LinePlacement &placement = {});

// The first of the widest lines in the painter's font, or an empty text when there are none.
QString WidestLine(const QPainter &canvas, const QStringList &lines);

// The letter spacing in pixels for `pixels` asked of the lines in font: never so far below zero that
// a character would start before the one in front of it and the text would read backwards.
double OrderKeepingSpacing(const QFont &font, const QStringList &lines, double pixels);

// Sets `pixels` of extra spacing after each character of the font as drawn on `device`.
void SetLetterSpacingPixels(QFont &font, double pixels, QPaintDevice *device);

// Sets extra spacing between the characters of the painter's font so that `line` spans
// `targetWidth` pixels; a line of fewer than two characters gets no extra spacing. The spacing
// then applies to every text the painter draws, until it is set back to 0.
void FitCharacterSpacing(QPainter &canvas, const QString &line, int targetWidth);
