#pragma once

#include <QPointF>
#include <QRawFont>
#include <QStringView>
#include <memory>
#include <vector>

struct hb_font_t;

// Shapes text with the font's own tables, so that vertical forms, vertical advances and joined or
// kerned glyphs come from the font itself. Lengths are pixels of the raw font's size, in the
// painter's coordinates (y grows downwards).
class GlyphShaper {
public:
    struct Glyph {
        quint32 index;
        quint32 cluster; // UTF-16 index of the first character the glyph shows
        // Where the glyph's drawing origin lies from the pen. In vertical text the pen stands at the
        // top centre of the glyph's cell.
        QPointF offset;
        QPointF advance;
    };

    explicit GlyphShaper(const QRawFont &font);
    ~GlyphShaper();
    GlyphShaper(const GlyphShaper &) = delete;
    GlyphShaper &operator=(const GlyphShaper &) = delete;

    const QRawFont &Font() const { return rawFont_; }
    // Top to bottom with the vertical forms of the font, or left to right.
    std::vector<Glyph> Shape(QStringView text, bool vertical) const;
    // Whether shaping the character vertically gives another glyph than the horizontal one.
    bool HasVerticalForm(char32_t character) const;

private:
    QRawFont rawFont_;
    std::unique_ptr<hb_font_t, void (*)(hb_font_t *)> font_;
};
