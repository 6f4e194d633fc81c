#include "model/card/TextEffectCache.h"

#include <cstring>

namespace {

// Pixel for pixel, all four bytes: the effects keep the fourth byte of what lies beneath.
bool samePixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size() || a.format() != b.format())
        return false;
    const auto rowBytes = std::size_t(a.width()) * std::size_t(a.depth() / 8);
    for (int y = 0; y < a.height(); ++y) {
        if (std::memcmp(a.constScanLine(y), b.constScanLine(y), rowBytes) != 0)
            return false;
    }
    return true;
}

} // namespace

const QImage *TextEffectCache::Find(const QImage &beneath, const Recipe &recipe) const
{
    if (result_.isNull() || !(recipe == recipe_) || !samePixels(beneath, beneath_))
        return nullptr;
    return &result_;
}

void TextEffectCache::Keep(const QImage &beneath, const Recipe &recipe, const QImage &result)
{
    beneath_ = beneath;
    recipe_ = recipe;
    result_ = result;
}
