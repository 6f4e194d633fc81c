#include "model/card/TextExtentCache.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace {

struct Extent {
    QStringList lines;
    CardFont font;
    TextStyle style;
    QSize size;
};

// Room for the texts of a few busy cards; the oldest gives way.
constexpr std::size_t kKept = 128;

struct Kept {
    std::array<Extent, kKept> entries;
    std::size_t filled = 0;
    std::size_t next = 0;
};

} // namespace

QSize TextExtentCache::Get(const QStringList &lines, const CardFont &font, const TextStyle &style,
                           const std::function<QSize()> &measure)
{
    thread_local Kept kept;
    for (std::size_t i = 0; i < kept.filled; ++i) {
        const Extent &entry = kept.entries[i];
        if (entry.lines == lines && entry.font == font && entry.style == style)
            return entry.size;
    }
    const QSize size = measure();
    kept.entries[kept.next] = {lines, font, style, size};
    kept.next = (kept.next + 1) % kKept;
    kept.filled = std::min(kept.filled + 1, kKept);
    return size;
}
