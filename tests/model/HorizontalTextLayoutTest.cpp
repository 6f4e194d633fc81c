#include "model/card/HorizontalTextLayout.h"
#include "model/card/TextDrawing.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

QImage drawn(const HorizontalTextLayout &layout, const QRect &box, bool smoothed)
{
    QImage image(box.width() + 40, box.height() + 40, QImage::Format_RGB32);
    image.fill(QColor(250, 240, 200));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, smoothed);
    painter.setPen(QColor(20, 40, 120));
    layout.Draw(painter, box);
    return image;
}

struct Case {
    const char *family;
    QFont::Weight weight;
    bool italic;
    bool underline;
    TTextAlignment alignment;
    int lineSpacing;
    double letterSpacing;
};

} // namespace

// The card keeps its screen layouts with their lines shaped once; those must draw exactly what the
// painter draws from the text itself, in every font and style, or the card would change under the
// user between the first draw and the next.
TEST(HorizontalTextLayout, LinesShapedOnceDrawWhatThePainterDraws)
{
    const QStringList lines{QStringLiteral("株式会社ベラム Vellum"), QString(),
                            QStringLiteral("Tel 03-1234-5678 ｶﾅ"), QStringLiteral("東京都千代田区 1-2")};
    const Case cases[] = {
        {"Arial", QFont::Normal, false, false, taLeftJustify, 100, 0},
        {"ＭＳ Ｐゴシック", QFont::Bold, false, false, taCenter, 150, 0},
        {"Arial", QFont::Bold, true, true, taRightJustify, 80, 2.5},
        {"ＭＳ 明朝", QFont::Normal, true, false, taCenter, 100, -1},
        {"Courier New", QFont::Normal, false, true, taLeftJustify, 120, 4},
    };
    for (const Case &c : cases) {
        for (const bool plainInk : {false, true}) {
            QFont font(QString::fromUtf8(c.family));
            font.setPixelSize(19);
            font.setWeight(c.weight);
            font.setItalic(c.italic);
            font.setUnderline(c.underline);
            font.setStrikeOut(c.underline);
            if (plainInk)
                font.setStyleStrategy(QFont::NoAntialias);
            SetLetterSpacingPixels(font, c.letterSpacing, nullptr);
            TextStyle style;
            style.Alignment = c.alignment;
            style.LineSpacing = c.lineSpacing;
            const HorizontalTextLayout kept(lines, font, style, 2, HorizontalTextLayout::Shaping::Once);
            const HorizontalTextLayout eachDraw(lines, font, style);
            EXPECT_EQ(kept.Extent(), eachDraw.Extent()) << c.family;
            const QRect box(QPoint(13, 7), kept.Extent() + QSize(60, 4));
            EXPECT_EQ(drawn(kept, box, !plainInk), drawn(eachDraw, box, !plainInk))
                << c.family << " weight " << c.weight << " plain ink " << plainInk;
        }
    }
}
