#include "model/card/GlyphShaper.h"

#include <cmath>
#include <hb.h>

namespace {

// HarfBuzz lengths are kept in 1/64 pixel.
constexpr double kUnitsPerPixel = 64.0;

void releaseTable(void *data)
{
    delete static_cast<QByteArray *>(data);
}

// HarfBuzz reads the tables through the raw font, which knows them however Qt found the face.
hb_blob_t *referenceTable(hb_face_t *, hb_tag_t tag, void *rawFont)
{
    const char name[5] = {char(tag >> 24), char(tag >> 16), char(tag >> 8), char(tag), 0};
    auto table = std::make_unique<QByteArray>(static_cast<const QRawFont *>(rawFont)->fontTable(name));
    if (table->isEmpty())
        return nullptr;
    const char *data = table->constData();
    const auto length = unsigned(table->size());
    return hb_blob_create(data, length, HB_MEMORY_MODE_READONLY, table.release(), releaseTable);
}

hb_font_t *createFont(const QRawFont *rawFont)
{
    hb_face_t *face = hb_face_create_for_tables(referenceTable, const_cast<QRawFont *>(rawFont), nullptr);
    hb_font_t *font = hb_font_create(face);
    hb_face_destroy(face);
    const int scale = int(std::lround(rawFont->pixelSize() * kUnitsPerPixel));
    hb_font_set_scale(font, scale, scale);
    return font;
}

using Buffer = std::unique_ptr<hb_buffer_t, void (*)(hb_buffer_t *)>;

Buffer shapeBuffer(hb_font_t *font, QStringView text, bool vertical)
{
    Buffer buffer(hb_buffer_create(), hb_buffer_destroy);
    hb_buffer_add_utf16(buffer.get(), reinterpret_cast<const uint16_t *>(text.utf16()), int(text.size()), 0,
                        int(text.size()));
    hb_buffer_guess_segment_properties(buffer.get());
    hb_buffer_set_direction(buffer.get(), vertical ? HB_DIRECTION_TTB : HB_DIRECTION_LTR);
    hb_buffer_set_language(buffer.get(), hb_language_from_string("ja", -1));
    hb_shape(font, buffer.get(), nullptr, 0);
    return buffer;
}

} // namespace

GlyphShaper::GlyphShaper(const QRawFont &font) : rawFont_(font), font_(createFont(&rawFont_), hb_font_destroy)
{
}

GlyphShaper::~GlyphShaper() = default;

std::vector<GlyphShaper::Glyph> GlyphShaper::Shape(QStringView text, bool vertical) const
{
    const Buffer buffer = shapeBuffer(font_.get(), text, vertical);
    unsigned count = 0;
    const hb_glyph_info_t *info = hb_buffer_get_glyph_infos(buffer.get(), &count);
    const hb_glyph_position_t *position = hb_buffer_get_glyph_positions(buffer.get(), &count);
    std::vector<Glyph> glyphs;
    glyphs.reserve(count);
    for (unsigned i = 0; i < count; ++i) {
        // HarfBuzz counts y upwards.
        glyphs.push_back({info[i].codepoint, info[i].cluster,
                          QPointF(position[i].x_offset, -position[i].y_offset) / kUnitsPerPixel,
                          QPointF(position[i].x_advance, -position[i].y_advance) / kUnitsPerPixel});
    }
    return glyphs;
}

bool GlyphShaper::HasVerticalForm(char32_t character) const
{
    hb_codepoint_t nominal = 0;
    if (!hb_font_get_nominal_glyph(font_.get(), character, &nominal))
        return false;
    const QString text = QString::fromUcs4(&character, 1);
    const std::vector<Glyph> glyphs = Shape(text, true);
    return glyphs.size() == 1 && glyphs.front().index != nominal;
}
