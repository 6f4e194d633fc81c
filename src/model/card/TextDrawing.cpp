#include "model/card/TextDrawing.h"

#include "model/card/TextStyle.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>
#include <limits>

// Every line is one font cell high. An empty line between others stands for a space, which is one
// cell high as well, and draws nothing; so only the widths of non-empty lines count.

int LinePitch(const QFontMetrics &metrics, int lineSpacing)
{
    return std::max(1, int(std::lround(metrics.height() * lineSpacing / 100.0)));
}

QSize MeasureTextLines(const QStringList &lines, const QFont &font, int lineSpacing)
{
    if (lines.isEmpty())
        return QSize(0, 0);
    const QFontMetrics metrics(font);
    int width = 0;
    for (const QString &line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    return QSize(width, int(lines.size() - 1) * LinePitch(metrics, lineSpacing) + metrics.height());
}

void DrawTextLines(QPainter &canvas, const QStringList &lines, int x, int y, const LinePlacement &placement)
{
    const QFontMetrics metrics = canvas.fontMetrics();
    const int pitch = LinePitch(metrics, placement.lineSpacing);
    int top = y + 2;
    for (const QString &line : lines) {
        if (!line.isEmpty()) {
            const int room = placement.width > 0 ? placement.width - metrics.horizontalAdvance(line) : 0;
            canvas.drawText(QPoint(x + 2 + AlignedOffset(placement.alignment, room), top + metrics.ascent()),
                            line);
        }
        top += pitch;
    }
}

namespace {

// Canvas pixels per unit of absolute letter spacing. Qt multiplies the spacing up on devices finer
// than a screen by a factor of its own, so the factor is measured rather than assumed.
double spacingUnit(QFont font, QPaintDevice *device)
{
    constexpr double probe = 1000;
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    const int plain = QFontMetrics(font, device).horizontalAdvance(QStringLiteral("x"));
    font.setLetterSpacing(QFont::AbsoluteSpacing, probe);
    const int spaced = QFontMetrics(font, device).horizontalAdvance(QStringLiteral("x"));
    return spaced > plain ? (spaced - plain) / probe : 1.0;
}

} // namespace

QString WidestLine(const QPainter &canvas, const QStringList &lines)
{
    const QFontMetrics metrics = canvas.fontMetrics();
    QString widest;
    int widestWidth = -1;
    for (const QString &line : lines) {
        const int width = metrics.horizontalAdvance(line);
        if (width > widestWidth) {
            widest = line;
            widestWidth = width;
        }
    }
    return widest;
}

double OrderKeepingSpacing(const QFont &font, const QStringList &lines, double pixels)
{
    if (pixels >= 0)
        return pixels;
    QFont plain = font;
    plain.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    const QFontMetricsF metrics(plain);
    double narrowest = std::numeric_limits<double>::infinity();
    for (const QString &line : lines) {
        for (const char32_t character : line.toUcs4()) {
            // Marks drawn over the character before them move the pen by nothing of their own.
            const double advance = metrics.horizontalAdvance(QString::fromUcs4(&character, 1));
            if (advance > 0)
                narrowest = std::min(narrowest, advance);
        }
    }
    if (!std::isfinite(narrowest))
        return pixels;
    // The narrowest character still moves the pen on by a pixel.
    return std::max(pixels, std::min(0.0, 1 - narrowest));
}

void SetLetterSpacingPixels(QFont &font, double pixels, QPaintDevice *device)
{
    font.setLetterSpacing(QFont::AbsoluteSpacing, pixels == 0 ? 0 : pixels / spacingUnit(font, device));
}

void FitCharacterSpacing(QPainter &canvas, const QString &line, int targetWidth)
{
    QFont font = canvas.font();
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    const int width = QFontMetrics(font, canvas.device()).horizontalAdvance(line);
    const qsizetype characters = line.toUcs4().size();
    double spacing = 0;
    if (characters >= 2)
        spacing = std::trunc(double(targetWidth - width) / double(characters - 1) + 0.5);
    SetLetterSpacingPixels(font, spacing, canvas.device());
    canvas.setFont(font);
}
