#pragma once

#include <QSize>
#include <QStringList>

class QFont;
class QPainter;

// Text blocks are laid out line by line from their top-left corner, each line as high as the
// font's cell; an empty line between others is as high as a space. Layout never wraps.

// The natural extent of the lines in the font: the widest line, and the sum of the line heights.
// No lines measure 0 x 0.
QSize MeasureTextLines(const QStringList &lines, const QFont &font);

// Draws the lines with the painter's font and pen, the first line's top-left corner at
// (x + 2, y + 2), inside the 2-pixel inset of a text object.
void DrawTextLines(QPainter &canvas, const QStringList &lines, int x, int y);

// The first of the widest lines in the painter's font, or an empty text when there are none.
QString WidestLine(const QPainter &canvas, const QStringList &lines);

// Sets extra spacing between the characters of the painter's font so that `line` spans
// `targetWidth` pixels; a line of fewer than two characters gets no extra spacing. The spacing
// then applies to every text the painter draws, until it is set back to 0.
void FitCharacterSpacing(QPainter &canvas, const QString &line, int targetWidth);
